#include "io/PostureFile.h"

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/SafeFileWrite.h"

#include <bit>

namespace {

template <typename Visit> void ForEachTable(CPosture& p, Visit visit) {
    for (auto* table : {&p.upperLimits, &p.lowerLimits, &p.angles, &p.orientation})
        for (Vec3& v : *table)
            visit(v);
}

void WriteDouble(CByteWriter& w, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    w.I32(static_cast<std::int32_t>(bits & 0xFFFFFFFFu));
    w.I32(static_cast<std::int32_t>(bits >> 32));
}

double ReadDouble(CByteReader& r) {
    const auto low = static_cast<std::uint32_t>(r.I32());
    const auto high = static_cast<std::uint32_t>(r.I32());
    return std::bit_cast<double>((static_cast<std::uint64_t>(high) << 32) | low);
}

} // namespace

std::vector<std::uint8_t> EncodePosture(const CPosture& posture) {
    CByteWriter w;
    w.bytes.reserve(CPosture::kFileSize);
    CPosture copy = posture;
    ForEachTable(copy, [&w](Vec3& v) {
        WriteDouble(w, v.x);
        WriteDouble(w, v.y);
        WriteDouble(w, v.z);
    });
    return std::move(w.bytes);
}

int DecodePosture(const std::uint8_t* data, std::size_t size, CPosture& posture) {
    if (size < CPosture::kFileSize)
        return 0;
    CByteReader r(data, size);
    ForEachTable(posture, [&r](Vec3& v) {
        v.x = ReadDouble(r);
        v.y = ReadDouble(r);
        v.z = ReadDouble(r);
    });
    return 1;
}

int WritePostureFile(const CPosture& posture, const std::string& path, std::string* failure) {
    return WriteFileReplacing(path, EncodePosture(posture), false, failure);
}

int ReadPostureFile(CPosture& posture, const std::string& path) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, CPosture::kFileSize, bytes))
        return 0;
    return DecodePosture(bytes.data(), bytes.size(), posture);
}
