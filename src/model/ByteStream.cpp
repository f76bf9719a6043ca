#include "model/ByteStream.h"

#include <bit>
#include <cstring>

void CByteWriter::I16(int value) {
    U8(value & 0xFF);
    U8((value >> 8) & 0xFF);
}

void CByteWriter::I32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                               static_cast<std::uint8_t>(u >> 16),
                               static_cast<std::uint8_t>(u >> 24)};
    bytes.insert(bytes.end(), b, b + 4);
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

const std::uint8_t* CByteReader::Take(std::size_t count) {
    if (!Has(count)) {
        failed = true;
        pos = size;
        return nullptr;
    }
    const std::uint8_t* p = data + pos;
    pos += count;
    return p;
}

void CByteReader::Skip(std::size_t count) {
    Take(count);
}

std::uint8_t CByteReader::U8() {
    const std::uint8_t* p = Take(1);
    return p ? p[0] : 0;
}

std::int16_t CByteReader::I16() {
    const std::uint8_t* p = Take(2);
    return p ? static_cast<std::int16_t>(p[0] | (p[1] << 8)) : 0;
}

std::int32_t CByteReader::I32() {
    const std::uint8_t* p = Take(4);
    if (!p)
        return 0;
    const std::uint32_t u =
        p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

float CByteReader::F32() {
    return std::bit_cast<float>(I32());
}

Vec3 CByteReader::Point() {
    const float x = F32();
    const float y = F32();
    const float z = F32();
    return {x, y, z};
}

std::string CByteReader::Text(std::size_t count) {
    const std::uint8_t* p = Take(count);
    if (!p)
        return {};
    const auto* text = reinterpret_cast<const char*>(p);
    return std::string(text, strnlen(text, count));
}

CByteReader CByteReader::Sub(std::size_t count) {
    const std::uint8_t* p = Take(count);
    return p ? CByteReader(p, count) : CByteReader(data, 0);
}
