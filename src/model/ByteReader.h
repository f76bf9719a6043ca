#pragma once

#include <cstddef>
#include <cstdint>
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

private:
    const unsigned char* data;
    std::size_t size;
    std::size_t position = 0;
};

// Reads up to maxBytes of a file into `bytes`; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes,
                   std::vector<unsigned char>& bytes);
