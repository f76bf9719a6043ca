#pragma once

#include "core/Vec3.h"

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
