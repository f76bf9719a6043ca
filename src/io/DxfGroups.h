#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CUserReporter;

// The first 22 bytes of a binary DXF file.
inline constexpr char kDxfBinarySentinel[] = "AutoCAD Binary DXF\r\n\x1a";
inline constexpr std::size_t kDxfSentinelSize = 22; // with the closing NUL

// What the value of a group code is.
enum DxfValueKind : int {
    kDxfString,
    kDxfReal,
    kDxfInt16,
    kDxfInt32,
    kDxfInt64,
    kDxfBool, // one byte in binary files
    kDxfChunk,
    kDxfInvalid,
};
DxfValueKind DxfKindOf(int code);

// One group pair: the code and its value in the slot its kind uses.
struct DxfGroup {
    int code = 0;
    std::string text; // strings (at most 255 bytes kept); hex digits of a binary chunk
    double real = 0.0;
    long long integer = 0;
};

// Reports a format failure the way every DXF step does: the line, then the group code.
void ReportDxfError(CUserReporter& reporter, unsigned long line, int code);

// Writes group pairs, ASCII or binary. After the first failed write every further pair is
// ignored and Ok() is false; the failure has been reported with its line and code.
class CDxfGroupWriter {
public:
    // Binary output starts with the sentinel.
    CDxfGroupWriter(std::FILE* file, bool binary, CUserReporter& reporter);

    // One pair; the code decides which of the three values is written.
    void Pair(int code, long integer, double real, const char* text);
    void String(int code, const std::string& text) { Pair(code, 0, 0.0, text.c_str()); }
    void Real(int code, double value) { Pair(code, 0, value, ""); }
    void Integer(int code, long value) { Pair(code, value, 0.0, ""); }
    void Point(int firstCode, double x, double y, double z);

    bool Ok() const { return ok; }
    unsigned long Line() const { return line; }

private:
    void Put(const void* data, std::size_t size);
    void Fail(int code);

    std::FILE* file;
    bool binary;
    CUserReporter& reporter;
    bool ok = true;
    unsigned long line = 0;
};

// Bytes from a file (read in blocks, so any size stays within a small buffer) or from memory.
class CDxfInput {
public:
    explicit CDxfInput(std::FILE* file);
    CDxfInput(const std::uint8_t* data, std::size_t size);

    // The next byte, or -1 at the end.
    int Get() {
        if (cursor == limit && !Refill())
            return -1;
        return *cursor++;
    }
    int Peek() {
        if (cursor == limit && !Refill())
            return -1;
        return *cursor;
    }
    // Bytes consumed so far.
    std::uint64_t Position() const { return consumed - static_cast<std::uint64_t>(limit - cursor); }

private:
    bool Refill();

    std::FILE* file = nullptr;
    std::vector<std::uint8_t> buffer;
    const std::uint8_t* cursor = nullptr;
    const std::uint8_t* limit = nullptr;
    std::uint64_t consumed = 0;
};

// Reads group pairs, ASCII or binary. The line counter counts a code and its value as two lines
// (binary files too); a malformed pair, a code outside the DXF table or the end of the data in
// the middle of a pair makes Next() false with Failed() set.
class CDxfGroupReader {
public:
    // `input` is positioned after the sentinel of a binary file.
    CDxfGroupReader(CDxfInput& input, bool binary);

    // False at the end of the data (Failed() tells whether it ended inside a pair) or on error.
    bool Next(DxfGroup& group);
    bool Failed() const { return failed; }
    unsigned long Line() const { return line; }
    int LastCode() const { return lastCode; }

private:
    bool ReadLine(std::string& text, std::size_t keep);
    bool NextAscii(DxfGroup& group);
    bool NextBinary(DxfGroup& group);
    bool ReadBytes(void* out, std::size_t size);
    bool Fail();

    CDxfInput& input;
    bool binary;
    int codeBytes = 0; // 1 (R12 binary) or 2, settled by the first code
    bool failed = false;
    unsigned long line = 0;
    int lastCode = 0;
};

// True when the data starts with the binary sentinel.
bool IsBinaryDxf(const std::uint8_t* data, std::size_t size);
