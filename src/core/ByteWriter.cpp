#include "core/ByteWriter.h"

#include <bit>

void CByteWriter::I16(int value) {
    U8(value & 0xFF);
    U8((value >> 8) & 0xFF);
}

void CByteWriter::I32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const std::size_t at = bytes.size();
    bytes.resize(at + 4);
    bytes[at] = static_cast<std::uint8_t>(u);
    bytes[at + 1] = static_cast<std::uint8_t>(u >> 8);
    bytes[at + 2] = static_cast<std::uint8_t>(u >> 16);
    bytes[at + 3] = static_cast<std::uint8_t>(u >> 24);
}

void CByteWriter::F32(float value) {
    I32(std::bit_cast<std::int32_t>(value));
}

void CByteWriter::Point(const Vec3& p) {
    F32(static_cast<float>(p.x));
    F32(static_cast<float>(p.y));
    F32(static_cast<float>(p.z));
}

void CByteWriter::Bytes(const void* data, std::size_t count) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + count);
}

void CByteWriter::PatchI32(std::size_t offset, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
