// The committed data directory read by the program's own loaders: every population and child
// table, the segment mass table; physical facts checked against published values.
#include "anthro/Anthropometry.h"
#include "anthro/PopulationTables.h"
#include "biomech/MassProperties.h"
#include "core/Matrix4.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

// The loaders read the repository's data directory.
class BodyDataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("TAVRONA_DATA"))
            previous = old;
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    }
    void TearDown() override {
        if (previous.empty())
            unsetenv("TAVRONA_DATA");
        else
            setenv("TAVRONA_DATA", previous.c_str(), 1);
    }
    std::string previous;
};

TEST_F(BodyDataFiles, EveryPopulationRowLoadsAndRebuildsItsStature) {
    RecordingReporter reporter;
    for (int gender : {kFemale, kMale}) {
        for (int population = 1; population <= kDatabaseCount; ++population) {
            if (AdultScaleFileName(population, gender)[0] == '\0')
                continue;
            for (int row = 0; row < kSizeRowCount; ++row) {
                CAnthropometry a;
                ASSERT_EQ(a.LoadFromDatabase(gender, population, -1, row, kAverage, 0, reporter), 1)
                    << population << " " << gender << " " << row;
                const float stature = a.stature;
                EXPECT_NEAR(a.ComputeStature() / stature, 1.0, 0.01) << population << " " << row;
            }
        }
    }
    for (int table = 0; table < kChildTableCount; ++table) {
        for (int row = 0; row < kSizeRowCount; ++row) {
            CAnthropometry a;
            ASSERT_EQ(a.LoadFromDatabase(kMale, kFirstChildPopulation + table, table, row, kAverage,
                                         0, reporter),
                      1);
            const float stature = a.stature;
            EXPECT_NEAR(a.ComputeStature() / stature, 1.0, 0.01) << "child table " << table;
        }
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BodyDataFiles, MedianUsArmyManIsTheAnsurMedian) {
    RecordingReporter reporter;
    CAnthropometry a;
    ASSERT_EQ(a.LoadFromDatabase(kMale, 1, -1, 2, kAverage, 0, reporter), 1);
    EXPECT_NEAR(a.stature, 175.55f, 0.01f); // ANSUR 1988 men: 50th percentile 1755.5 mm
    EXPECT_NEAR(a.weight, 77.7f, 0.01f);    // and 77.7 kg
    // His arm (shoulder to elbow) and head are close to the reference figure's.
    EXPECT_NEAR(a.GetSegmentDimensions(kLeftArm).y, 28.2 * 1755.5 / 1746.0, 0.3);
    EXPECT_NEAR(a.GetSegmentDimensions(kHead).y, 19.7, 0.4);
}

TEST_F(BodyDataFiles, SegmentMassesOfTheMedianManFollowDeLeva) {
    MassRegressionTable table;
    ASSERT_EQ(ReadMassRegressionTable(std::string(TAVRONA_TEST_DATA) + "/antro1.dat", table), 1);
    SegmentMassProperties p[kScaledSegmentCount];
    ComputeSegmentMassProperties(table, 175.55f, 77.7f, p);
    double total = 0.0;
    for (const auto& s : p) {
        total += s.mass;
        EXPECT_GT(s.volume, 0.0f);
        EXPECT_GT(s.inertia.x, 0.0);
        EXPECT_GT(s.inertia.y, 0.0);
        EXPECT_GT(s.inertia.z, 0.0);
    }
    EXPECT_NEAR(total, 77.7 * 2.2046, 0.01);
    // de Leva (1996) male: thigh 14.16 %, trunk 43.46 % of body mass.
    EXPECT_NEAR(p[kLeftLeg].mass / total, 0.1416, 0.1416 * 0.1);
    EXPECT_NEAR((p[kChest].mass + p[kAbdomen].mass) / total, 0.4346, 0.4346 * 0.1);
    // A thigh of 11 kg is about 11 litres: 670 cubic inches within 15 %.
    EXPECT_NEAR(p[kLeftLeg].volume, p[kLeftLeg].mass / 2.2046 / 1.07 * 61.0237, 100.0);
}

TEST_F(BodyDataFiles, EveryChildAndAdultRowHasSoundSegmentMasses) {
    MassRegressionTable table;
    ASSERT_EQ(ReadMassRegressionTable(std::string(TAVRONA_TEST_DATA) + "/antro1.dat", table), 1);
    RecordingReporter reporter;
    auto check = [&](const CAnthropometry& a, const std::string& what) {
        SegmentMassProperties p[kScaledSegmentCount];
        ComputeSegmentMassProperties(table, a.stature, a.weight, p);
        const float body = a.weight * 2.2046f; // lb
        // The trunk holds roughly 40-50 % of the mass of an adult's or a child's body.
        EXPECT_GT(p[kChest].mass + p[kAbdomen].mass, 0.35f * body) << what;
        EXPECT_LT(p[kChest].mass + p[kAbdomen].mass, 0.6f * body) << what;
        for (int s = 0; s < kScaledSegmentCount; ++s) {
            EXPECT_GT(p[s].mass, 0.002f * body) << what << " segment " << s; // a hand: 0.6 %
            EXPECT_GT(p[s].volume, 0.0f) << what << " segment " << s;
            EXPECT_GE(p[s].inertia.x, 0.0) << what << " segment " << s;
            EXPECT_GE(p[s].inertia.y, 0.0) << what << " segment " << s;
            EXPECT_GE(p[s].inertia.z, 0.0) << what << " segment " << s;
        }
    };
    for (int bodyType : {kThin, kAverage, kHeavy}) {
        for (int row = 0; row < kSizeRowCount; ++row) {
            for (int child = 0; child < kChildTableCount; ++child) {
                CAnthropometry a;
                ASSERT_EQ(a.LoadFromDatabase(kMale, kFirstChildPopulation + child, child, row,
                                             bodyType, 0, reporter),
                          1);
                check(a, "child table " + std::to_string(child) + " row " + std::to_string(row));
            }
            for (int gender : {kFemale, kMale}) {
                for (int population = 1; population <= kDatabaseCount; ++population) {
                    if (AdultScaleFileName(population, gender)[0] == '\0')
                        continue;
                    CAnthropometry a;
                    ASSERT_EQ(
                        a.LoadFromDatabase(gender, population, -1, row, bodyType, 0, reporter), 1);
                    check(a, "population " + std::to_string(population));
                }
            }
        }
    }
}

TEST_F(BodyDataFiles, EveryMeshLoadsAndTheMedianManStandsAtTheReferenceStature) {
    RecordingReporter reporter;
    for (int gender : {kFemale, kMale}) {
        for (int representation = 0; representation < 5; ++representation) {
            CMannequin figure;
            figure.anthropometry.gender = static_cast<std::uint8_t>(gender);
            ASSERT_EQ(figure.LoadMesh(representation, reporter), 1) << representation;
            figure.UpdatePosture();
            double top = -1e9, bottom = 1e9;
            for (int s = 0; s < kMainSegmentCount; ++s) {
                for (const Vec3& v : figure.GetSegment(s)->worldVertices) {
                    top = std::max(top, v.y);
                    bottom = std::min(bottom, v.y);
                }
            }
            // 174.6 cm (man) and 174.1 cm (woman) from the sole to the top of the head.
            const double chain = gender == kMale ? 174.6 : 174.1;
            if (representation != 2) // the stick figure's head is a small ball
                EXPECT_NEAR((top - bottom) * 2.54 / chain, 1.0, 0.01) << representation;
            // The shoulder, elbow and grip points the reach solution uses: the arm hangs
            // straight down, upper arm 28.2 cm long.
            const CBodyPart* arm = figure.GetSegment(kLeftArm);
            EXPECT_NEAR(arm->vertices[1].y * 2.54, -28.2, 0.05);
            EXPECT_NEAR(arm->vertices[1].x, 0.0, 1e-9);
        }
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BodyDataFiles, PosturesAndHandsApplyExactlyWithinTheLimits) {
    RecordingReporter reporter;
    CMannequin figure;
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    ASSERT_EQ(figure.ReadLimits(reporter), 1);
    EXPECT_TRUE(reporter.questions.empty()); // the neutral posture lies within the limits
    // Every posture is reproduced exactly: no angle of "perpost.dat" is cut by a limit.
    std::ifstream file(std::string(TAVRONA_TEST_DATA) + "/perpost.dat");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 38u * 17u);
    for (int posture = 1; posture <= 38; ++posture) {
        ASSERT_EQ(figure.ApplyStandardPosture(posture), 1) << posture;
        for (int s = 0; s < kMainSegmentCount; ++s) {
            int x = 0, z = 0, y = 0;
            std::sscanf(lines[(posture - 1) * 17 + s].c_str(), "%*i %i %i %i", &x, &z, &y);
            const Vec3& a = figure.GetSegment(s)->angles;
            EXPECT_EQ(a.x, x) << "posture " << posture << " segment " << s;
            EXPECT_EQ(a.y, y) << "posture " << posture << " segment " << s;
            EXPECT_EQ(a.z, z) << "posture " << posture << " segment " << s;
        }
    }
    // Number 38 is the seated wheelchair posture: hips flexed 90 (negative x), knees 75.
    EXPECT_DOUBLE_EQ(figure.GetSegment(kLeftLeg)->angles.x, -90.0);
    EXPECT_DOUBLE_EQ(figure.GetSegment(kRightLowerLeg)->angles.x, 75.0);
    ASSERT_EQ(figure.ApplyStandardPosture(8), 1); // stoop lift: trunk bent 90 over the hips
    EXPECT_DOUBLE_EQ(figure.GetSegment(kAbdomen)->angles.x, 60.0);
    EXPECT_DOUBLE_EQ(figure.GetSegment(kChest)->angles.x, 30.0);
    for (int number = 1; number <= 9; ++number) {
        ASSERT_EQ(figure.ApplyHandPosture(number, 1), 1);
        ASSERT_EQ(figure.ApplyHandPosture(number, 0), 1);
    }
    ASSERT_EQ(figure.ApplyHandPosture(3, 1), 1); // fist: index finger middle joint at -100
    ASSERT_EQ(figure.ApplyHandPosture(3, 0), 1);
    EXPECT_DOUBLE_EQ(figure.GetSegment(kFirstRightFinger + 4)->angles.x, -100.0);
    EXPECT_DOUBLE_EQ(figure.GetSegment(kFirstLeftFinger + 4)->angles.x, -100.0);
}

TEST_F(BodyDataFiles, FootprintsLieUnderTheFeet) {
    RecordingReporter reporter;
    CMannequin figure;
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    figure.UpdatePosture();
    ASSERT_EQ(figure.LoadFootprints(reporter), 1);
    Matrix4 frame;
    ASSERT_EQ(figure.GetSegmentLocalFrame(kLeftFoot, frame), 1);
    const Vec3 heel = TransformPoint(frame, figure.GetSegment(kLeftFoot)->vertices[3]);
    EXPECT_NEAR(Length(figure.leftFootprint[0] - heel), 0.0, 1e-4);
    // Both soles on the floor, toes ahead, each under its own foot.
    for (const Vec3& p : figure.leftFootprint)
        EXPECT_NEAR(p.y, heel.y, 1e-4);
    EXPECT_GT(figure.leftFootprint[14].z - figure.leftFootprint[0].z, 9.0);
    EXPECT_GT(figure.leftFootprint[0].x, 0.0);
    EXPECT_LT(figure.rightFootprint[0].x, 0.0);
}

} // namespace
