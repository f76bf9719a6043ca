#pragma once

#include "core/Vec3.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Reads little-endian values from a byte buffer in order, never past its end: a read that would
// overrun fails, leaves the value untouched and leaves the position where it was.
class CByteReader {
public:
    CByteReader(const unsigned char* data, std::size_t size) : data(data), size(size) {}

    bool ReadInt16(int& value);
    bool ReadFloat(float& value);
    bool Skip(std::size_t count);
    std::size_t Remaining() const { return size - position; }

    // Record decoding: each call reads the next value; one that would overrun yields zero (an
    // empty text, an empty sub-reader) and sets `failed`. Callers test Has() where a short
    // read matters.
    bool Has(std::size_t count) const { return count <= Remaining(); }
    std::uint8_t U8();
    std::int16_t I16();
    std::int32_t I32();
    float F32();
    // Three float32 values.
    Vec3 Point();
    // `count` bytes as text up to the first NUL.
    std::string Text(std::size_t count);
    // A reader over the next `count` bytes, which this reader passes over.
    CByteReader Sub(std::size_t count);

    bool failed = false;

private:
    const unsigned char* Take(std::size_t count);

    const unsigned char* data;
    std::size_t size;
    std::size_t position = 0;
};

// Opens a data file for binary reading; null when it cannot be opened or is not a regular file
// (a folder, a device, a FIFO: read without end, or never).
std::FILE* OpenRegularFile(const std::string& path);
// Reads up to maxBytes of a file into `bytes`; false when it cannot be opened (as
// OpenRegularFile) or read.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes,
                   std::vector<unsigned char>& bytes);
