#pragma once

#include "human/SegmentTable.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

// A small but complete data directory for figure construction, written by the tests:
// mesh files of all five representations (a box per segment), "limit.dat", "perpost.dat",
// the USA scale files and "antro1.dat". The numbers are chosen so results can be worked out
// by hand.
namespace fixture {

// Joint point of each segment in mesh file coordinates (inches): a figure standing upright.
inline void JointPoint(int segment, double p[3]) {
    static const double kMain[16][3] = {{0, 42, 0},  {0, 60, 0}, {7, 58, 0},  {-7, 58, 0},
                                        {0, 36, 0},  {4, 36, 0}, {-4, 36, 0}, {7, 47, 0},
                                        {-7, 47, 0}, {4, 19, 0}, {-4, 19, 0}, {4, 2, 0},
                                        {-7, 37, 0}, {7, 37, 0}, {-4, 2, 0},  {0, 64, 0}};
    if (segment < 16) {
        for (int k = 0; k < 3; ++k)
            p[k] = kMain[segment][k];
        return;
    }
    // Fingers: phalanx A 4 in below the palm joint, spread by 0.5 in; B and C 1 in further.
    const bool left = segment < kFirstRightFinger;
    const int n = segment - (left ? kFirstLeftFinger : kFirstRightFinger);
    const int finger = n / 3;
    const int phalanx = n % 3;
    JointPoint(left ? kLeftPalm : kRightPalm, p);
    p[0] += (finger - 2) * 0.5;
    p[1] -= 4 + phalanx;
}

// Mass centre of every segment relative to its joint, in inches (multiples of 0.02).
inline constexpr double kMassCentreOffset[3] = {0.5, -1.0, 0.2};

inline void PutInt16(std::string& out, int value) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

inline int FileUnits(double inches) {
    return static_cast<int>(std::lround(inches / 0.02));
}

// One mesh record: the joint, a 2 x 2 x 2 in box hanging below it (half size `half`), the
// mass centre last; six quads over the box corners.
inline std::string MeshRecord(int segment, double half = 1.0) {
    double joint[3];
    JointPoint(segment, joint);
    std::string out;
    PutInt16(out, segment);
    PutInt16(out, 10);
    PutInt16(out, 6);
    for (int i = 0; i < 3; ++i)
        PutInt16(out, 0);
    for (int k = 0; k < 3; ++k)
        PutInt16(out, FileUnits(joint[k]));
    for (int i = 0; i < 8; ++i) {
        PutInt16(out, FileUnits(joint[0] + (i & 1 ? half : -half)));
        PutInt16(out, FileUnits(joint[1] - 1 + (i & 2 ? half : -half)));
        PutInt16(out, FileUnits(joint[2] + (i & 4 ? half : -half)));
    }
    for (int k = 0; k < 3; ++k)
        PutInt16(out, FileUnits(joint[k] + kMassCentreOffset[k]));
    // Box corners are vertices 1..8.
    const int faces[6][4] = {{1, 2, 4, 3}, {5, 7, 8, 6}, {1, 5, 6, 2},
                             {3, 4, 8, 7}, {1, 3, 7, 5}, {2, 6, 8, 4}};
    for (const auto& face : faces)
        for (int index : face)
            PutInt16(out, index);
    return out;
}

inline std::string MeshFile() {
    std::string out;
    for (int segment = 0; segment < kSegmentCount; ++segment)
        out += MeshRecord(segment);
    return out;
}

// Limits +-170 degrees on every axis, except the elbows: 0 .. 150 about x.
inline std::string LimitFile() {
    std::string out;
    char line[80];
    for (int segment = 0; segment < kSegmentCount; ++segment) {
        const bool elbow = segment == kLeftForearm || segment == kRightForearm;
        std::snprintf(line, sizeof line, "%d %d 170 170\n%d %d -170 -170\n", segment,
                      elbow ? 150 : 170, segment, elbow ? 0 : -170);
        out += line;
    }
    return out;
}

// Posture 1: all zero. Posture 2: RARM 10 about x, 30 about y, 20 about z (file order x, z, y),
// LFARM 90 about x. Posture 3: HEAD 15 about x, RFARM 200 about x (beyond its limit).
inline std::string PostureFile() {
    std::string out;
    char line[80];
    for (int posture = 1; posture <= 3; ++posture) {
        for (int segment = 0; segment < 16; ++segment) {
            int x = 0, z = 0, y = 0;
            if (posture == 2 && segment == kRightArm) {
                x = 10;
                z = 20;
                y = 30;
            }
            if (posture == 2 && segment == kLeftForearm)
                x = 90;
            if (posture == 3 && segment == kHead)
                x = 15;
            if (posture == 3 && segment == kRightForearm)
                x = 200;
            std::snprintf(line, sizeof line, "%d %d %d %d\n", segment, x, z, y);
            out += line;
        }
        out += "end of posture\n";
    }
    return out;
}

// Five size rows; row r: stature 160 + 10 r cm, weight 60 + 10 r kg, every segment scaled
// (1 + r / 10, 1 + r / 20, 1 + r / 10).
inline std::string ScaleFile() {
    std::string out;
    char line[80];
    for (int r = 0; r < 5; ++r) {
        std::snprintf(line, sizeof line, "1.0 %d 0 0 %d %d\n", r, 160 + 10 * r, 60 + 10 * r);
        out += line;
        for (int i = 0; i < 16; ++i) {
            std::snprintf(line, sizeof line, "%d %.2f %.2f %.2f\n", i, 1 + r / 10.0, 1 + r / 20.0,
                          1 + r / 10.0);
            out += line;
        }
    }
    return out;
}

// Density 1 + i / 10, volume 1000 + 10 H cm^3 (H stature in cm), inertia (1000, 2000, 3000)
// thousandths of kg.cm^2 for every segment i.
inline std::string MassFile() {
    std::vector<float> values(208, 0.0f);
    for (int i = 0; i < 16; ++i) {
        values[i] = 1.0f + i / 10.0f;
        values[16 + 3 * i] = 10.0f;
        values[16 + 3 * i + 2] = 1000.0f;
        values[64 + 3 * i + 2] = 1000.0f;
        values[112 + 3 * i + 2] = 2000.0f;
        values[160 + 3 * i + 2] = 3000.0f;
    }
    std::string out;
    for (float v : values) {
        std::uint32_t bits;
        static_assert(sizeof bits == sizeof v);
        std::memcpy(&bits, &v, 4);
        for (int b = 0; b < 4; ++b)
            out += static_cast<char>((bits >> (8 * b)) & 0xFF);
    }
    return out;
}

inline void WriteFile(const std::string& folder, const std::string& name, const std::string& data) {
    std::ofstream(folder + "/" + name, std::ios::binary) << data;
}

// Writes the whole directory into `folder`.
inline void WriteDataDirectory(const std::string& folder) {
    const std::string mesh = MeshFile();
    for (const char* name : {"usa_m.per", "usa_f.per", "usa_m1.per", "usa_f1.per", "usa_m2.per",
                             "usa_f2.per", "usa_m3.per", "usa_f3.per", "usa_m4.per", "usa_f4.per"})
        WriteFile(folder, name, mesh);
    WriteFile(folder, "limit.dat", LimitFile());
    WriteFile(folder, "perpost.dat", PostureFile());
    WriteFile(folder, "usa2.dat", ScaleFile());
    WriteFile(folder, "usa3.dat", ScaleFile());
    WriteFile(folder, "mch65_75.dat", ScaleFile());
    WriteFile(folder, "antro1.dat", MassFile());
}

} // namespace fixture
