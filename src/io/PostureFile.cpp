#include "io/PostureFile.h"

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/SafeFileWrite.h"
#include "core/ValueChecks.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

namespace {

// What is wrong with a decoded posture, or empty: every value a number of degrees within a
// turn either way, and no lower limit above its upper limit.
std::string CheckPosture(CPosture& p) {
    constexpr double kMaxDegrees = 360.0;
    const char* names[] = {"upper limit", "lower limit", "angle", "orientation"};
    int table = 0;
    for (auto* values : {&p.upperLimits, &p.lowerLimits, &p.angles, &p.orientation}) {
        for (int i = 0; i < CPosture::kSegments; ++i)
            for (int axis = 0; axis < 3; ++axis)
                if (!IsFiniteWithin((*values)[i][axis], kMaxDegrees)) {
                    char value[32];
                    std::snprintf(value, sizeof value, "%g", (*values)[i][axis]);
                    return std::string(names[table]) + " of segment " + std::to_string(i) + " is " +
                           value;
                }
        ++table;
    }
    for (int i = 0; i < CPosture::kSegments; ++i)
        for (int axis = 0; axis < 3; ++axis)
            if (p.lowerLimits[i][axis] > p.upperLimits[i][axis])
                return "the limits of segment " + std::to_string(i) + " are inverted";
    return {};
}

} // namespace

int DecodePosture(const std::uint8_t* data, std::size_t size, CPosture& posture,
                  std::string* failure) {
    if (size < CPosture::kFileSize) {
        if (failure)
            *failure = "it holds " + std::to_string(size) + " of " +
                       std::to_string(CPosture::kFileSize) + " bytes";
        return 0;
    }
    CByteReader r(data, size);
    CPosture read;
    ForEachTable(read, [&r](Vec3& v) {
        v.x = ReadDouble(r);
        v.y = ReadDouble(r);
        v.z = ReadDouble(r);
    });
    if (const std::string wrong = CheckPosture(read); !wrong.empty()) {
        if (failure)
            *failure = wrong;
        return 0;
    }
    posture = read;
    return 1;
}

int WritePostureFile(const CPosture& posture, const std::string& path, std::string* failure) {
    return WriteFileReplacing(path, EncodePosture(posture), false, failure);
}

int ReadPostureFile(CPosture& posture, const std::string& path, std::string* failure) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, CPosture::kFileSize, bytes)) {
        if (failure)
            *failure = path + ": " + std::strerror(errno);
        return 0;
    }
    if (!DecodePosture(bytes.data(), bytes.size(), posture, failure)) {
        if (failure)
            *failure = path + ": " + *failure;
        return 0;
    }
    return 1;
}
