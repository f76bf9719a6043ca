#include "io/DxfGroups.h"

#include "core/UserReporter.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

DxfValueKind DxfKindOf(int code) {
    auto in = [code](int low, int high) { return code >= low && code <= high; };
    if (in(0, 9) || code == 100 || code == 102 || code == 105 || in(300, 309) || in(320, 369) ||
        in(390, 399) || in(410, 419) || in(430, 439) || in(470, 481) || code == 999 ||
        (in(1000, 1009) && code != 1004))
        return kDxfString;
    if (in(10, 59) || in(110, 149) || in(210, 239) || in(460, 469) || in(1010, 1059))
        return kDxfReal;
    if (in(60, 79) || in(170, 179) || in(270, 289) || in(370, 389) || in(400, 409) ||
        in(1060, 1070))
        return kDxfInt16;
    if (in(90, 99) || in(420, 429) || in(440, 459) || code == 1071)
        return kDxfInt32;
    if (in(160, 169))
        return kDxfInt64;
    if (in(290, 299))
        return kDxfBool;
    if (in(310, 319) || code == 1004)
        return kDxfChunk;
    return kDxfInvalid;
}

void ReportDxfError(CUserReporter& reporter, unsigned long line, int code) {
    reporter.Message("Error in DXF file on line " + std::to_string(line) + ".");
    reporter.Message("Group code = " + std::to_string(code) + ".");
}

bool IsBinaryDxf(const std::uint8_t* data, std::size_t size) {
    return size >= kDxfSentinelSize && std::memcmp(data, kDxfBinarySentinel, kDxfSentinelSize) == 0;
}

// --- Writer ---------------------------------------------------------------------------------

CDxfGroupWriter::CDxfGroupWriter(std::FILE* file, bool binary, CUserReporter& reporter)
    : file(file), binary(binary), reporter(reporter) {
    if (binary)
        Put(kDxfBinarySentinel, kDxfSentinelSize);
}

void CDxfGroupWriter::Put(const void* data, std::size_t size) {
    if (ok && std::fwrite(data, 1, size, file) != size)
        ok = false;
}

void CDxfGroupWriter::Fail(int code) {
    ok = false;
    ReportDxfError(reporter, line, code);
}

void CDxfGroupWriter::Pair(int code, long integer, double real, const char* text) {
    if (!ok)
        return;
    line += 2;
    auto in = [code](int low, int high) { return code >= low && code <= high; };
    // Reals carry single precision, and tiny magnitudes are written as zero.
    float single = static_cast<float>(real);
    if (std::fabs(single) < 1e-6f)
        single = 0.0f;
    const bool isString = in(0, 9) || (in(999, 1009) && code != 1004);
    const bool isReal = in(10, 59) || in(210, 239) || in(1010, 1059);
    const bool isLong = code == 1071;
    const bool isShort = in(60, 79) || in(1060, 1079);
    if (binary) {
        if (code == 999)
            return;
        if (code < 255) {
            const std::uint8_t byte = static_cast<std::uint8_t>(code);
            Put(&byte, 1);
        } else {
            const std::uint8_t bytes[3] = {255, static_cast<std::uint8_t>(code & 0xFF),
                                           static_cast<std::uint8_t>((code >> 8) & 0xFF)};
            Put(bytes, 3);
        }
        if (isString) {
            Put(text, std::strlen(text) + 1);
        } else if (code == 1004) {
            const std::size_t n = std::min<std::size_t>(std::strlen(text), 127);
            const std::uint8_t length = static_cast<std::uint8_t>(n);
            Put(&length, 1);
            Put(text, n);
        } else if (isReal) {
            const double value = single;
            Put(&value, 8);
        } else if (isLong) {
            const std::int32_t value = static_cast<std::int32_t>(integer);
            Put(&value, 4);
        } else if (isShort) {
            const std::int16_t value = static_cast<std::int16_t>(integer);
            Put(&value, 2);
        } else {
            Put("", 1);
        }
    } else {
        if (ok && std::fprintf(file, "%i\n", code) < 0)
            ok = false;
        int written = 0;
        if (isString) {
            written = std::fprintf(file, "%s\n", text);
        } else if (code == 1004) {
            for (const char* c = text; *c && written >= 0; ++c)
                written = std::fprintf(file, "%02X", static_cast<unsigned char>(*c));
            if (written >= 0)
                written = std::fprintf(file, "\n");
        } else if (isReal) {
            written = std::fprintf(file, "%.6f\n", static_cast<double>(single));
        } else if (isLong) {
            written = std::fprintf(file, "%li\n", integer);
        } else if (isShort) {
            written =
                std::fprintf(file, "%i\n", static_cast<int>(static_cast<std::int16_t>(integer)));
        } else {
            written = std::fprintf(file, "\n");
        }
        if (written < 0)
            ok = false;
    }
    if (!ok)
        Fail(code);
}

void CDxfGroupWriter::Point(int firstCode, double x, double y, double z) {
    Real(firstCode, x);
    Real(firstCode + 10, y);
    Real(firstCode + 20, z);
}

// --- Input ----------------------------------------------------------------------------------

CDxfInput::CDxfInput(std::FILE* file) : file(file), buffer(1 << 16) {}

CDxfInput::CDxfInput(const std::uint8_t* data, std::size_t size)
    : cursor(data), limit(data + size), consumed(size) {}

bool CDxfInput::Refill() {
    if (!file)
        return false;
    const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
    if (n == 0)
        return false;
    cursor = buffer.data();
    limit = cursor + n;
    consumed += n;
    return true;
}

// --- Reader ---------------------------------------------------------------------------------

namespace {

constexpr std::size_t kMaxKeptString = 255;
constexpr std::size_t kMaxCodeLine = 80;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool ParseInteger(const std::string& text, long long& value) {
    const std::string t = Trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(t.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

bool ParseReal(const std::string& text, double& value) {
    const std::string t = Trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    value = std::strtod(t.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

bool IsHexDigits(const std::string& text) {
    if (text.size() % 2 != 0)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

CDxfGroupReader::CDxfGroupReader(CDxfInput& input, bool binary) : input(input), binary(binary) {}

bool CDxfGroupReader::Fail() {
    failed = true;
    return false;
}

bool CDxfGroupReader::Next(DxfGroup& group) {
    if (failed)
        return false;
    return binary ? NextBinary(group) : NextAscii(group);
}

// One text line without its line end, of which the first `keep` bytes are kept. False at the
// end of the data when nothing was read.
bool CDxfGroupReader::ReadLine(std::string& text, std::size_t keep) {
    text.clear();
    int c = input.Get();
    if (c < 0)
        return false;
    for (; c >= 0 && c != '\n'; c = input.Get())
        if (text.size() < keep)
            text.push_back(static_cast<char>(c));
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return true;
}

bool CDxfGroupReader::NextAscii(DxfGroup& group) {
    std::string codeLine;
    if (!ReadLine(codeLine, kMaxCodeLine))
        return false; // a clean end between pairs
    ++line;
    long long code = 0;
    if (!ParseInteger(codeLine, code) || code < 0 || code > 1071)
        return Fail();
    lastCode = group.code = static_cast<int>(code);
    const DxfValueKind kind = DxfKindOf(group.code);
    if (kind == kDxfInvalid)
        return Fail();
    ++line;
    if (!ReadLine(group.text, kMaxKeptString))
        return Fail();
    switch (kind) {
    case kDxfReal:
        return ParseReal(group.text, group.real) || Fail();
    case kDxfInt16:
        return (ParseInteger(group.text, group.integer) && group.integer >= -32768 &&
                group.integer <= 32767) ||
               Fail();
    case kDxfInt32:
        return (ParseInteger(group.text, group.integer) && group.integer >= INT32_MIN &&
                group.integer <= INT32_MAX) ||
               Fail();
    case kDxfInt64:
    case kDxfBool:
        return ParseInteger(group.text, group.integer) || Fail();
    case kDxfChunk:
        return IsHexDigits(Trimmed(group.text)) || Fail();
    default:
        return true;
    }
}

bool CDxfGroupReader::ReadBytes(void* out, std::size_t size) {
    auto* bytes = static_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < size; ++i) {
        const int c = input.Get();
        if (c < 0)
            return false;
        bytes[i] = static_cast<std::uint8_t>(c);
    }
    return true;
}

bool CDxfGroupReader::NextBinary(DxfGroup& group) {
    const int first = input.Get();
    if (first < 0)
        return false;
    line += 2;
    if (codeBytes == 0) // R12 files use one byte per code (255 escapes), later ones two
        codeBytes = first != 255 && input.Peek() == 0 ? 2 : 1;
    int code = first;
    if (codeBytes == 2 || first == 255) {
        std::uint8_t more[2] = {0, 0};
        const std::size_t n = codeBytes == 2 && first != 255 ? 1 : 2;
        if (!ReadBytes(more, n))
            return Fail();
        code = n == 1 ? first | (more[0] << 8) : more[0] | (more[1] << 8);
    }
    lastCode = group.code = code;
    group.text.clear();
    switch (DxfKindOf(code)) {
    case kDxfString:
        for (int c = input.Get();; c = input.Get()) {
            if (c < 0)
                return Fail();
            if (c == 0)
                return true;
            if (group.text.size() < kMaxKeptString)
                group.text.push_back(static_cast<char>(c));
        }
    case kDxfReal: {
        std::uint8_t bytes[8];
        if (!ReadBytes(bytes, 8))
            return Fail();
        std::memcpy(&group.real, bytes, 8);
        return std::isfinite(group.real) || Fail();
    }
    case kDxfInt16: {
        std::uint8_t b[2];
        if (!ReadBytes(b, 2))
            return Fail();
        group.integer = static_cast<std::int16_t>(b[0] | (b[1] << 8));
        return true;
    }
    case kDxfInt32: {
        std::uint8_t b[4];
        if (!ReadBytes(b, 4))
            return Fail();
        std::int32_t v;
        std::memcpy(&v, b, 4);
        group.integer = v;
        return true;
    }
    case kDxfInt64: {
        std::uint8_t b[8];
        if (!ReadBytes(b, 8))
            return Fail();
        std::int64_t v;
        std::memcpy(&v, b, 8);
        group.integer = v;
        return true;
    }
    case kDxfBool: {
        const int c = input.Get();
        if (c < 0)
            return Fail();
        group.integer = c;
        return true;
    }
    case kDxfChunk: {
        const int length = input.Get();
        if (length < 0)
            return Fail();
        static const char kHex[] = "0123456789ABCDEF";
        for (int i = 0; i < length; ++i) {
            const int c = input.Get();
            if (c < 0)
                return Fail();
            group.text.push_back(kHex[c >> 4]);
            group.text.push_back(kHex[c & 15]);
        }
        return true;
    }
    default:
        return Fail();
    }
}
