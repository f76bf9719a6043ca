#pragma once

#include "model/Vec3.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Little-endian encoder of the program's own binary files.
class CByteWriter {
public:
    void U8(int value) { bytes.push_back(static_cast<std::uint8_t>(value)); }
    void I16(int value);
    void I32(std::int32_t value);
    void F32(float value);
    // Three float32 values.
    void Point(const Vec3& p);
    void Bytes(const void* data, std::size_t count);
    void Zeros(std::size_t count) { bytes.insert(bytes.end(), count, 0); }
    // Overwrites an int32 written earlier at `offset`.
    void PatchI32(std::size_t offset, std::int32_t value);
    std::size_t Size() const { return bytes.size(); }

    std::vector<std::uint8_t> bytes;
};

// Little-endian decoder over a byte range. Reading past the end yields zeros and sets
// `failed`; callers check Has() first where a short read matters.
class CByteReader {
public:
    CByteReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    bool Has(std::size_t count) const { return count <= size - pos; }
    std::size_t Position() const { return pos; }
    std::size_t Remaining() const { return size - pos; }
    void Skip(std::size_t count);
    std::uint8_t U8();
    std::int16_t I16();
    std::int32_t I32();
    float F32();
    Vec3 Point();
    // `count` bytes as text up to the first NUL.
    std::string Text(std::size_t count);
    // A sub-reader over the next `count` bytes (which this reader skips).
    CByteReader Sub(std::size_t count);

    bool failed = false;

private:
    const std::uint8_t* Take(std::size_t count);

    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
};
