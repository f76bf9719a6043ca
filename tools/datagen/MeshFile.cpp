#include "MeshFile.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kInchPerUnit = 0.02;

void PutInt16(std::string& bytes, int value) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
}

bool FitsInt16(long v) {
    return v >= -32768 && v <= 32767;
}

} // namespace

std::array<MeshRecord, kSegmentCount> AssembleRecords(const Skeleton& skeleton,
                                                      const FigureSurfaces& surfaces) {
    std::array<MeshRecord, kSegmentCount> records;
    for (int s = 0; s < kSegmentCount; ++s) {
        MeshRecord& r = records[s];
        r.vertices = skeleton.Landmarks(s);
        const int base = static_cast<int>(r.vertices.size());
        r.vertices.insert(r.vertices.end(), surfaces[s].vertices.begin(),
                          surfaces[s].vertices.end());
        for (auto f : surfaces[s].faces) {
            for (int& i : f) {
                i += base;
            }
            r.faces.push_back(f);
        }
        r.vertices.push_back(skeleton.massCentre[s]);
    }
    return records;
}

std::string MeshFileBytes(const std::array<MeshRecord, kSegmentCount>& records,
                          std::string& problem) {
    std::string bytes;
    for (int s = 0; s < kSegmentCount; ++s) {
        const MeshRecord& r = records[s];
        if (!FitsInt16(static_cast<long>(r.vertices.size())) ||
            !FitsInt16(static_cast<long>(r.faces.size()))) {
            problem = std::string("too many vertices or faces in ") + SegmentName(s);
            return "";
        }
        PutInt16(bytes, s);
        PutInt16(bytes, static_cast<int>(r.vertices.size()));
        PutInt16(bytes, static_cast<int>(r.faces.size()));
        for (int k = 0; k < 3; ++k) {
            PutInt16(bytes, 0);
        }
        for (const Vec3& v : r.vertices) {
            for (double c : {v.x, v.y, v.z}) {
                const long units = std::lround(c / kCmPerInch / kInchPerUnit);
                if (!FitsInt16(units)) {
                    problem = std::string("coordinate out of range in ") + SegmentName(s);
                    return "";
                }
                PutInt16(bytes, static_cast<int>(units));
            }
        }
        for (const auto& f : r.faces) {
            for (int i : f) {
                PutInt16(bytes, i);
            }
        }
    }
    return bytes;
}

std::string MeshObj(const std::array<MeshRecord, kSegmentCount>& records) {
    std::string text;
    int base = 1;
    char line[128];
    for (int s = 0; s < kSegmentCount; ++s) {
        text += std::string("g ") + SegmentName(s) + "\n";
        for (const Vec3& v : records[s].vertices) {
            std::snprintf(line, sizeof line, "v %.3f %.3f %.3f\n", v.x / kCmPerInch,
                          v.y / kCmPerInch, v.z / kCmPerInch);
            text += line;
        }
        for (const auto& f : records[s].faces) {
            if (f[2] == f[3]) {
                std::snprintf(line, sizeof line, "f %d %d %d\n", f[0] + base, f[1] + base,
                              f[2] + base);
            } else {
                std::snprintf(line, sizeof line, "f %d %d %d %d\n", f[0] + base, f[1] + base,
                              f[2] + base, f[3] + base);
            }
            text += line;
        }
        base += static_cast<int>(records[s].vertices.size());
    }
    return text;
}

void MirrorLeftToRight(FigureSurfaces& surfaces) {
    for (int s = 0; s < kSegmentCount; ++s) {
        if (IsRightSide(s)) {
            surfaces[s] = MirroredX(surfaces[Counterpart(s)]);
        }
    }
}
