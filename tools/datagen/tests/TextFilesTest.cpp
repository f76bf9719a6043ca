// The committed text and table files against the source tables (values typed from them here).
#include "DataFileReaders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace datatest;

namespace {

std::string Data(const std::string& name) {
    return ReadBytes(std::string(TAVRONA_TEST_DATA) + "/" + name);
}

Limits LoadLimits() {
    Limits limits;
    EXPECT_TRUE(ReadLimits(Data("limit.dat"), limits));
    return limits;
}

const char* const kAdultFiles[] = {"usa",   "british", "germany", "france",  "poland", "indian",
                                   "swiss", "japan",   "schina",  "neurope", "nasa"};
const char* const kChildFiles[] = {"mch2_35.dat",  "mch35_45.dat", "mch45_55.dat", "mch55_65.dat",
                                   "mch65_75.dat", "mch75_85.dat", "mch85_95.dat", "mch95105.dat",
                                   "mc105115.dat", "mc115125.dat"};

TEST(ScaleFiles, UsaRowsCarryTheAnsur1988Percentiles) {
    std::vector<ScaleRow> men, women;
    ASSERT_TRUE(ReadScaleFile(Data("usa2.dat"), men));
    ASSERT_TRUE(ReadScaleFile(Data("usa3.dat"), women));
    // ANSUR 1988 stature (mm) and weight (kg) at 2.5, 5, 50, 95, 97.5 %.
    const double menStature[5] = {1627.3, 1649.0, 1755.5, 1868.0, 1884.3};
    const double menWeight[5] = {59.0, 61.9, 77.7, 98.7, 102.2};
    const double womenStature[5] = {1507.2, 1529.0, 1628.0, 1737.0, 1757.6};
    for (int r = 0; r < 5; ++r) {
        EXPECT_NEAR(men[r].stature, menStature[r] / 10.0, 0.006);
        EXPECT_NEAR(men[r].weight, menWeight[r], 0.006);
    }
    for (int r = 0; r < 4; ++r) {
        EXPECT_NEAR(women[r].stature, womenStature[r] / 10.0, 0.006);
    }
    EXPECT_NEAR(women[2].weight, 61.3, 0.006);
}

TEST(ScaleFiles, EveryRowRebuildsItsStatureAndGrowsWithThePercentile) {
    std::vector<std::string> names;
    for (const char* base : kAdultFiles) {
        names.push_back(std::string(base) + "2.dat");
        names.push_back(std::string(base) + "3.dat");
    }
    names.insert(names.end(), std::begin(kChildFiles), std::end(kChildFiles));
    for (const std::string& name : names) {
        const std::string text = Data(name);
        std::vector<ScaleRow> rows;
        ASSERT_TRUE(ReadScaleFile(text, rows)) << name;
        for (const std::string& line : Lines(text)) {
            EXPECT_LT(line.size(), 80u) << name;
        }
        const bool male = name.back() != 'f' && name.find("3.dat") == std::string::npos;
        for (int r = 0; r < 5; ++r) {
            EXPECT_NEAR(ChainStature(male, rows[r].scale) / rows[r].stature, 1.0, 0.01)
                << name << r;
            if (r > 0) {
                EXPECT_GT(rows[r].stature, rows[r - 1].stature) << name << r;
                EXPECT_GT(rows[r].weight, rows[r - 1].weight) << name << r;
                for (int s = 0; s < 16; ++s) {
                    EXPECT_GE(rows[r].scale[s].y, rows[r - 1].scale[s].y) << name << r << " " << s;
                }
            }
            for (int s = 0; s < 16; ++s) {
                EXPECT_GT(rows[r].scale[s].x, 0.3) << name;
                EXPECT_LT(rows[r].scale[s].x, 1.6) << name;
            }
        }
    }
}

TEST(ScaleFiles, ChildTablesFollowTheCdcLmsCurves) {
    // CDC 2000 boys, stature and weight LMS at 3 years and 12 years.
    struct Lms {
        double l, m, s;
    };
    auto value = [](Lms p, double z) { return p.m * std::pow(1.0 + p.l * p.s * z, 1.0 / p.l); };
    const Lms stature3{-0.390918369, 95.27359106, 0.04053412};
    const Lms weight3{-0.621319726, 14.40262749, 0.111874514};
    std::vector<ScaleRow> rows;
    ASSERT_TRUE(ReadScaleFile(Data("mch2_35.dat"), rows));
    EXPECT_NEAR(rows[2].stature, 95.27, 0.006);
    EXPECT_NEAR(rows[2].weight, 14.40, 0.006);
    EXPECT_NEAR(rows[4].stature, value(stature3, 1.959964), 0.006);
    EXPECT_NEAR(rows[0].weight, value(weight3, -1.959964), 0.006);
    // A 3-year-old's head is a far larger share of stature than an adult's.
    const double headShare = rows[2].scale[15].y * 19.7 / rows[2].stature;
    EXPECT_GT(headShare, 0.17);
    ASSERT_TRUE(ReadScaleFile(Data("mc115125.dat"), rows));
    EXPECT_GT(rows[2].stature, 145.0); // CDC median at 12 years is about 149 cm
    EXPECT_LT(rows[2].stature, 152.0);
}

TEST(ScaleFiles, DerivedPopulationsStartFromTheirSourcedStatures) {
    std::vector<ScaleRow> rows;
    ASSERT_TRUE(ReadScaleFile(Data("british2.dat"), rows));
    EXPECT_NEAR(rows[2].stature, 174.0, 0.006); // CityU British men, 50th percentile 1740 mm
    EXPECT_NEAR(rows[1].stature, 174.0 - 1.644854 * 7.0, 0.01);
    ASSERT_TRUE(ReadScaleFile(Data("germany3.dat"), rows));
    EXPECT_NEAR(rows[2].stature, 165.63, 0.006); // NCD-RisC German women, 1656.3 mm
    ASSERT_TRUE(ReadScaleFile(Data("nasa2.dat"), rows));
    EXPECT_NEAR(rows[3].stature, 189.99, 0.01); // ISS limit: 95th percentile American man
    ASSERT_TRUE(ReadScaleFile(Data("nasa3.dat"), rows));
    EXPECT_NEAR(rows[1].stature, 148.84, 0.01); // ISS limit: 5th percentile Japanese woman
}

TEST(JointLimits, FollowTheClinicalRangesAndTheMotionNames) {
    const Limits l = LoadLimits();
    for (int s = 0; s < 46; ++s) {
        EXPECT_TRUE(l.Contains(s, {0, 0, 0})) << "neutral posture outside the limits of " << s;
    }
    // Elbow flexion is negative x on both sides (Merck: 0-160).
    EXPECT_DOUBLE_EQ(l.lower[7].x, -160.0);
    EXPECT_DOUBLE_EQ(l.lower[8].x, -160.0);
    EXPECT_DOUBLE_EQ(l.upper[7].x, 0.0);
    // Knee flexion is positive x (Merck: 0-130).
    EXPECT_DOUBLE_EQ(l.upper[9].x, 130.0);
    EXPECT_DOUBLE_EQ(l.lower[10].x, 0.0);
    // Hip: flexion 125 (negative x), hyperextension 15.
    EXPECT_DOUBLE_EQ(l.lower[5].x, -125.0);
    EXPECT_DOUBLE_EQ(l.upper[6].x, 15.0);
    // Ankle: dorsiflexion 20 is negative x, plantarflexion 50 positive.
    EXPECT_DOUBLE_EQ(l.lower[11].x, -20.0);
    EXPECT_DOUBLE_EQ(l.upper[14].x, 50.0);
    // Abduction is + z on the left, - z on the right; the twins mirror y and z.
    EXPECT_GT(l.upper[2].z, 90.0);
    EXPECT_LT(l.lower[3].z, -90.0);
    EXPECT_DOUBLE_EQ(l.upper[5].z, -l.lower[6].z);
    EXPECT_DOUBLE_EQ(l.lower[2].y, -l.upper[3].y);
    // Lumbar spine: flexion 75, extension 30 (Kurz).
    EXPECT_DOUBLE_EQ(l.upper[0].x, 75.0);
    EXPECT_DOUBLE_EQ(l.lower[0].x, -30.0);
    // Finger joints flex towards the palm: negative x; fingers of both hands alike in x.
    EXPECT_DOUBLE_EQ(l.lower[20].x, -120.0); // LINDEXB, PIP
    EXPECT_DOUBLE_EQ(l.lower[35].x, -120.0); // RINDEXB
}

TEST(StandardPostures, ThirtyEightPosturesWithinTheLimits) {
    const Limits limits = LoadLimits();
    const std::vector<std::string> lines = Lines(Data("perpost.dat"));
    ASSERT_EQ(lines.size(), 38u * 17u);
    for (int p = 0; p < 38; ++p) {
        for (int s = 0; s < 16; ++s) {
            int x, z, y;
            ASSERT_EQ(std::sscanf(lines[p * 17 + s].c_str(), "%*i %i %i %i", &x, &z, &y), 3);
            EXPECT_TRUE(limits.Contains(s, {double(x), double(y), double(z)}))
                << "posture " << p + 1 << " segment " << s;
        }
    }
    // Posture 38 is seated: both hips flexed about 90 degrees, both knees flexed.
    int x, z, y;
    std::sscanf(lines[37 * 17 + 5].c_str(), "%*i %i %i %i", &x, &z, &y);
    EXPECT_EQ(x, -90);
    std::sscanf(lines[37 * 17 + 9].c_str(), "%*i %i %i %i", &x, &z, &y);
    EXPECT_GT(x, 45);
    EXPECT_EQ(Lines(Data("perpost_names.txt")).size(), 38u);
}

TEST(HandPostures, NinePosturesPerHandWithinTheLimits) {
    const Limits limits = LoadLimits();
    for (const char* name : {"lhand.dat", "rhand.dat"}) {
        const std::vector<std::string> lines = Lines(Data(name));
        ASSERT_EQ(lines.size(), 9u * 17u) << name;
        const int first = name[0] == 'l' ? 16 : 31;
        for (int k = 0; k < 9; ++k) {
            int number = 0;
            ASSERT_EQ(std::sscanf(lines[k * 17].c_str(), "%i", &number), 1);
            for (int i = 0; i < 15; ++i) {
                float x, y, z;
                ASSERT_EQ(std::sscanf(lines[k * 17 + 1 + i].c_str(), "%*i %f %f %f", &x, &y, &z),
                          3);
                EXPECT_TRUE(limits.Contains(first + i, {x, y, z})) << name << " posture " << k + 1;
            }
        }
        // Posture 3 is the fist: every long-finger joint flexed (negative x).
        for (int i = 3; i < 15; ++i) {
            float x, y, z;
            std::sscanf(lines[2 * 17 + 1 + i].c_str(), "%*i %f %f %f", &x, &y, &z);
            EXPECT_LT(x, -45.0f) << name << " " << i;
        }
    }
}

TEST(Gait, SevenFramesWithinTheLimitsAndReturningToNeutral) {
    const Limits limits = LoadLimits();
    const std::vector<std::string> lines = Lines(Data("walk.dat"));
    ASSERT_EQ(lines.size(), 7u * 19u);
    std::array<Vec, 18> pose{};
    std::vector<std::array<Vec, 18>> poses;
    for (int f = 0; f < 7; ++f) {
        for (int s = 0; s < 18; ++s) {
            float x, y, z;
            ASSERT_EQ(std::sscanf(lines[f * 19 + 1 + s].c_str(), "%*i %f %f %f", &x, &y, &z), 3);
            pose[s] = {pose[s].x + x, pose[s].y + y, pose[s].z + z};
        }
        poses.push_back(pose);
    }
    for (int f = 0; f < 6; ++f) {
        for (int s = 0; s < 16; ++s) {
            EXPECT_TRUE(limits.Contains(s, poses[f][s], 1e-3)) << "frame " << f << " segment " << s;
        }
    }
    for (int s = 0; s < 18; ++s) {
        EXPECT_NEAR(poses[6][s].x, 0.0, 1e-3);
        EXPECT_NEAR(poses[6][s].y, 0.0, 1e-3);
    }
    // Frame 4 is right heel strike: hip flexed 24.61 degrees in the source (hip_flexion_r,
    // + = flexion), which on the right thigh is negative x ("Flexion").
    EXPECT_NEAR(poses[4][6].x, -24.61, 0.5);
    // Frame 5 (14 % of the cycle): knee_angle_r = -16.83 (negative = flexion in the source)
    // gives positive x on the lower leg ("Flexion").
    EXPECT_NEAR(poses[5][10].x, 16.83, 0.01);
    // Frame 0 (43 %): ankle_angle_r = 10.33 dorsiflexion gives negative x on the foot.
    EXPECT_NEAR(poses[0][14].x, -10.33, 0.01);
    // The left leg is half a cycle behind: when the right thigh is back, the left is forward.
    EXPECT_GT(poses[0][6].x, 5.0);
    EXPECT_LT(poses[0][5].x, -5.0);
}

TEST(MassTable, FractionsMatchDeLevaAndAddUpToTheBody) {
    const std::string bytes = Data("antro1.dat");
    ASSERT_EQ(bytes.size(), 832u);
    const std::vector<float> f = ReadFloats(bytes);
    // Part of the program's mass computation: v = a H + b W(lb) + c; m = v P; normalised.
    auto masses = [&](float stature, float weightKg) {
        const float w = weightKg * 2.2046f;
        std::array<double, 16> m{};
        double sum = 0.0;
        for (int s = 0; s < 16; ++s) {
            const float v = f[16 + 3 * s] * stature + f[17 + 3 * s] * w + f[18 + 3 * s];
            m[s] = v * f[s];
            sum += m[s];
        }
        for (double& x : m) {
            x /= sum;
        }
        return m;
    };
    // de Leva (1996) male mass fractions.
    const auto m = masses(175.55f, 77.7f);
    EXPECT_NEAR((m[15] + m[1]) / 0.0694, 1.0, 0.10);
    EXPECT_NEAR((m[0] + m[4]) / 0.4346, 1.0, 0.10);
    EXPECT_NEAR(m[2] / 0.0271, 1.0, 0.10);
    EXPECT_NEAR(m[7] / 0.0162, 1.0, 0.10);
    EXPECT_NEAR(m[13] / 0.0061, 1.0, 0.10);
    EXPECT_NEAR(m[5] / 0.1416, 1.0, 0.10);
    EXPECT_NEAR(m[9] / 0.0433, 1.0, 0.10);
    EXPECT_NEAR(m[11] / 0.0137, 1.0, 0.10);
    EXPECT_DOUBLE_EQ(m[2], m[3]);
    EXPECT_DOUBLE_EQ(m[5], m[6]);
    // Every mass, volume and moment of inertia is positive over the adult range (BMI 18-32).
    for (float h : {150.0f, 175.0f, 200.0f}) {
        for (float w : {18.0f * h * h / 1e4f, 32.0f * h * h / 1e4f}) {
            for (int block = 0; block < 5; ++block) {
                for (int s = 0; s < 16; ++s) {
                    const int base = 16 + 48 * (block - 1) + 3 * s;
                    const float value =
                        block == 0 ? f[s] : f[base] * h + f[base + 1] * w * 2.2046f + f[base + 2];
                    EXPECT_GT(value, 0.0f) << "block " << block << " segment " << s;
                }
            }
        }
    }
    // Densities between fat and bone (g/cm^3).
    for (int s = 0; s < 16; ++s) {
        EXPECT_GT(f[s], 0.9f);
        EXPECT_LT(f[s], 1.2f);
    }
}

} // namespace
