#pragma once

#include "human/SegmentTable.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Writers of small body data files for the loader tests.

struct MeshRecordSpec {
    int segment = 0;
    std::vector<std::array<int, 3>> vertices; // file units (x 0.02 in)
    std::vector<std::array<int, 4>> faces;
};

inline void PutInt16(std::string& out, int v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void PutFloat(std::string& out, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

inline std::string EncodeMesh(const std::vector<MeshRecordSpec>& records) {
    std::string out;
    for (const MeshRecordSpec& r : records) {
        PutInt16(out, r.segment);
        PutInt16(out, static_cast<int>(r.vertices.size()));
        PutInt16(out, static_cast<int>(r.faces.size()));
        for (int i = 0; i < 3; ++i)
            PutInt16(out, 0);
        for (const auto& v : r.vertices)
            for (int c : v)
                PutInt16(out, c);
        for (const auto& f : r.faces)
            for (int c : f)
                PutInt16(out, c);
    }
    return out;
}

// Joint point of segment n in file units: distinct for every segment.
inline std::array<int, 3> FixtureJoint(int n) {
    return {10 * n, 400 - 20 * n, -5 * n};
}

// Five vertices per segment: the joint J, J + (10,0,0), J + (10,10,0), J + (0,10,0) and the mass
// centre J + (5,5,5); a flat quad facing +z, a slanted one and a degenerate one.
inline std::vector<MeshRecordSpec> FixtureMeshRecords() {
    std::vector<MeshRecordSpec> records;
    for (int n = 0; n < kSegmentCount; ++n) {
        const auto j = FixtureJoint(n);
        MeshRecordSpec r;
        r.segment = n;
        const int d[5][3] = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {5, 5, 5}};
        for (const auto& o : d)
            r.vertices.push_back({j[0] + o[0], j[1] + o[1], j[2] + o[2]});
        r.faces = {{0, 1, 2, 3}, {0, 4, 1, 2}, {0, 0, 1, 2}};
        records.push_back(r);
    }
    return records;
}
