// The committed data directory read by the program's own loaders: every population and child
// table, the segment mass table; physical facts checked against published values.
#include "anthro/Anthropometry.h"
#include "anthro/PopulationTables.h"
#include "biomech/MassProperties.h"
#include "human/SegmentTable.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

} // namespace
