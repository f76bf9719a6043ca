// The committed mesh and footprint files, read from their byte layout, against the conventions
// the program relies on and the published segment data (typed here).
#include "DataFileReaders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace datatest;

namespace {

constexpr double kInch = 2.54;

std::vector<MeshRecord> Load(const std::string& name) {
    std::vector<MeshRecord> records;
    EXPECT_TRUE(ReadMeshFile(ReadBytes(std::string(TAVRONA_TEST_DATA) + "/" + name), records))
        << name;
    return records;
}

Vec Sub(const Vec& a, const Vec& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double Len(const Vec& a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

struct Extent {
    Vec lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
};
Extent Extents(const MeshRecord& r) {
    Extent e;
    for (const Vec& v : r.vertices) {
        e.lo = {std::min(e.lo.x, v.x), std::min(e.lo.y, v.y), std::min(e.lo.z, v.z)};
        e.hi = {std::max(e.hi.x, v.x), std::max(e.hi.y, v.y), std::max(e.hi.z, v.z)};
    }
    return e;
}

const char* const kFiles[2][5] = {
    {"usa_f.per", "usa_f1.per", "usa_f2.per", "usa_f3.per", "usa_f4.per"},
    {"usa_m.per", "usa_m1.per", "usa_m2.per", "usa_m3.per", "usa_m4.per"}};

TEST(MeshFiles, RecordsAreCompleteAndEveryFaceVertexGetsANormal) {
    for (const auto& sex : kFiles) {
        for (const char* name : sex) {
            const std::vector<MeshRecord> records = Load(name);
            ASSERT_EQ(records.size(), 46u);
            size_t total = 0;
            for (int s = 0; s < 46; ++s) {
                const MeshRecord& r = records[s];
                EXPECT_EQ(r.segment, s) << name;
                total += r.vertices.size();
                std::set<int> used, lit;
                for (const auto& f : r.faces) {
                    for (int i : f) {
                        ASSERT_GE(i, 0);
                        ASSERT_LT(i, static_cast<int>(r.vertices.size())) << name << " " << s;
                        used.insert(i);
                    }
                    // The loader's normal: cross(b - a, c - a), given to a, b and c only.
                    const Vec u = Sub(r.vertices[f[1]], r.vertices[f[0]]);
                    const Vec w = Sub(r.vertices[f[2]], r.vertices[f[0]]);
                    const Vec n{u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z,
                                u.x * w.y - u.y * w.x};
                    if (Len(n) > 0) {
                        lit.insert({f[0], f[1], f[2]});
                    }
                }
                EXPECT_EQ(used, lit) << name << " segment " << s;
            }
            if (std::string(name).find('.') == 5) { // Human
                EXPECT_GE(total, 15000u) << name;
                EXPECT_LE(total, 30000u) << name;
            } else {
                EXPECT_GE(total, 1500u) << name;
                EXPECT_LE(total, 30000u) << name;
            }
        }
    }
}

TEST(MeshFiles, RepresentationsShareEveryLandmark) {
    for (const auto& sex : kFiles) {
        const std::vector<MeshRecord> human = Load(sex[0]);
        for (int rep = 1; rep < 5; ++rep) {
            const std::vector<MeshRecord> other = Load(sex[rep]);
            for (int s = 0; s < 46; ++s) {
                const int landmarks = (s == 15 || s == 11 || s == 14) ? 4 : 2;
                for (int i = 0; i < landmarks; ++i) {
                    EXPECT_EQ(Len(Sub(human[s].vertices[i], other[s].vertices[i])), 0.0)
                        << sex[rep] << " segment " << s << " vertex " << i;
                }
                EXPECT_EQ(Len(Sub(human[s].vertices.back(), other[s].vertices.back())), 0.0)
                    << sex[rep] << " segment " << s << " mass centre";
            }
        }
    }
}

TEST(MeshFiles, HumanSegmentsHaveTheReferenceSizes) {
    for (int male = 0; male < 2; ++male) {
        for (int rep : {0, 1, 4}) {
            const std::vector<MeshRecord> r = Load(kFiles[male][rep]);
            for (int s = 0; s < 16; ++s) {
                // The Human chest and head have their sizes where the survey measures them;
                // the Human pelvis and thighs are shaped for sitting.
                const bool human = rep == 0;
                const Extent e = Extents(r[s]);
                const Vec size = ReferenceSize(male, s);
                if (!human || (s != 0 && s != 15))
                    EXPECT_NEAR((e.hi.x - e.lo.x) * kInch / size.x, 1.0, 0.02)
                        << kFiles[male][rep] << " " << s;
                if (!human || (s != 0 && s != 15 && s != 4 && s != 5 && s != 6))
                    EXPECT_NEAR((e.hi.z - e.lo.z) * kInch / size.z, 1.0, 0.02)
                        << kFiles[male][rep] << " " << s;
            }
        }
        const std::vector<MeshRecord> r = Load(kFiles[male][0]);
        auto joint = [&](int s) { return r[s].vertices[0]; };
        auto length = [&](int s, const Vec& distal) {
            return Len(Sub(distal, joint(s))) * kInch / ReferenceSize(male, s).y;
        };
        // Joint to next joint.
        EXPECT_NEAR(length(2, joint(7)), 1.0, 0.02);  // shoulder to elbow
        EXPECT_NEAR(length(7, joint(13)), 1.0, 0.02); // elbow to wrist
        EXPECT_NEAR(length(5, joint(9)), 1.0, 0.02);  // hip to knee
        EXPECT_NEAR(length(9, joint(11)), 1.0, 0.02); // knee to ankle
        EXPECT_NEAR((joint(0).y - joint(4).y) * kInch / ReferenceSize(male, 4).y, 1.0, 0.02);
        EXPECT_NEAR((joint(1).y - joint(0).y) * kInch / ReferenceSize(male, 0).y, 1.0, 0.02);
        EXPECT_NEAR((joint(15).y - joint(1).y) * kInch / ReferenceSize(male, 1).y, 1.0, 0.02);
        // Head joint to the top of the head, wrist to the middle fingertip, ankle to the sole.
        const double top = Extents(r[15]).hi.y;
        EXPECT_NEAR((top - joint(15).y) * kInch / ReferenceSize(male, 15).y, 1.0, 0.02);
        EXPECT_NEAR((joint(13).y - r[24].vertices[1].y) * kInch / ReferenceSize(male, 13).y, 1.0,
                    0.02);
        const double sole = r[11].vertices[2].y;
        EXPECT_DOUBLE_EQ(sole, Extents(r[11]).lo.y);
        EXPECT_NEAR((joint(11).y - sole) * kInch / ReferenceSize(male, 11).y, 1.0, 0.02);
        // The stature chain adds up from the sole to the top of the head.
        double chain = 0.0;
        for (int s : {15, 1, 0, 4, 5, 9, 11}) {
            chain += ReferenceSize(male, s).y;
        }
        EXPECT_NEAR((top - sole) * kInch / chain, 1.0, 0.01);
    }
}

TEST(MeshFiles, LandmarksSitWhereTheProgramLooksForThem) {
    for (int male = 0; male < 2; ++male) {
        const std::vector<MeshRecord> r = Load(kFiles[male][0]);
        // Origin midway between the hip joints.
        EXPECT_DOUBLE_EQ(r[5].vertices[0].x, -r[6].vertices[0].x);
        EXPECT_DOUBLE_EQ(r[5].vertices[0].y, 0.0);
        EXPECT_DOUBLE_EQ(r[5].vertices[0].z, 0.0);
        EXPECT_GT(r[5].vertices[0].x, 0.0); // left side at +x
        // Arms hang straight: elbow below the shoulder, wrist below the elbow, grip in the hand.
        for (int s : {2, 3, 7, 8}) {
            EXPECT_DOUBLE_EQ(r[s].vertices[1].x, r[s].vertices[0].x);
            EXPECT_DOUBLE_EQ(r[s].vertices[1].z, r[s].vertices[0].z);
            EXPECT_LT(r[s].vertices[1].y, r[s].vertices[0].y);
        }
        EXPECT_DOUBLE_EQ(r[2].vertices[1].y, r[7].vertices[0].y);
        EXPECT_DOUBLE_EQ(r[7].vertices[1].y, r[13].vertices[0].y);
        EXPECT_LT(r[13].vertices[1].y, r[13].vertices[0].y);
        EXPECT_GT(r[13].vertices[1].y, r[24].vertices[1].y);
        // Eyes: left at +x, right at -x, in front of and above the head joint.
        EXPECT_GT(r[15].vertices[2].x, 0.0);
        EXPECT_LT(r[15].vertices[3].x, 0.0);
        EXPECT_GT(r[15].vertices[2].z, r[15].vertices[0].z + 3.0);
        EXPECT_GT(r[15].vertices[2].y, r[15].vertices[0].y);
        // Feet: toe tip ahead, toe and heel points on the sole, toe ahead of the heel.
        for (int s : {11, 14}) {
            EXPECT_GT(r[s].vertices[1].z, r[s].vertices[0].z);
            EXPECT_DOUBLE_EQ(r[s].vertices[2].y, r[s].vertices[3].y);
            EXPECT_GT(r[s].vertices[2].z, r[s].vertices[3].z);
            EXPECT_LT(r[s].vertices[3].z, r[s].vertices[0].z);
        }
    }
}

TEST(MeshFiles, MassCentresLieAtDeLevasFractions) {
    // de Leva (1996): centre of mass from the proximal joint, male / female.
    const double upperArm[2] = {0.5754, 0.5772}, thigh[2] = {0.3612, 0.4095};
    const double forearm[2] = {0.4559, 0.4574}, shank[2] = {0.4352, 0.4395};
    for (int male = 0; male < 2; ++male) {
        const std::vector<MeshRecord> r = Load(kFiles[male][0]);
        auto fraction = [&](int s) {
            const Vec& a = r[s].vertices[0];
            return (a.y - r[s].vertices.back().y) / (a.y - r[s].vertices[1].y);
        };
        EXPECT_NEAR(fraction(2), upperArm[male], 0.005);
        EXPECT_NEAR(fraction(3), upperArm[male], 0.005);
        EXPECT_NEAR(fraction(5), thigh[male], 0.005);
        EXPECT_NEAR(fraction(8), forearm[male], 0.005);
        EXPECT_NEAR(fraction(10), shank[male], 0.005);
        // The trunk's centres lie inside the trunk, the chest's above the abdomen's.
        EXPECT_GT(r[0].vertices.back().y, r[0].vertices[0].y);
        EXPECT_LT(r[0].vertices.back().y, r[0].vertices[1].y);
        EXPECT_GT(r[4].vertices.back().y, 0.0);
        EXPECT_LT(r[4].vertices.back().y, r[4].vertices[1].y);
    }
}

TEST(Footprints, TwoSolesOfTwentySixPointsHeelFirst) {
    const std::vector<float> f =
        ReadFloats(ReadBytes(std::string(TAVRONA_TEST_DATA) + "/footprn2.dat"));
    ASSERT_EQ(f.size(), 156u);
    auto point = [&](int block, int i) {
        return Vec{f[block * 78 + 3 * i], f[block * 78 + 3 * i + 1], f[block * 78 + 3 * i + 2]};
    };
    for (int block = 0; block < 2; ++block) {
        EXPECT_GT(point(block, 14).z - point(block, 0).z, 8.0); // toe tip well ahead of the heel
        for (int i = 0; i < 26; ++i) {
            EXPECT_EQ(point(block, i).y, 0.0);
            EXPECT_GE(point(block, i).z, point(block, 0).z);
            EXPECT_LE(point(block, i).z, point(block, 14).z);
        }
    }
    // Right sole first, the left one its mirror image; the left foot's outer edge is at +x.
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(point(0, i).x, -point(1, i).x);
        EXPECT_EQ(point(0, i).z, point(1, i).z);
    }
    EXPECT_GT(point(1, 10).x, 0.0);
}

} // namespace
