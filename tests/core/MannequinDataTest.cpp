#include "human/Mannequin.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// Figures built from the shipped data directory.
class MannequinDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(TAVRONA_TEST_DATA) + "/usa_m.per"))
            GTEST_SKIP() << "no body meshes in data/ yet";
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    }
    RecordingReporter reporter;
};

TEST_F(MannequinDataTest, EveryRepresentationOfBothSexesBuilds) {
    for (int sex : {0, 1}) {
        for (int representation = 0; representation < (sex ? 5 : 3); ++representation) {
            CMannequin figure(representation, sex, -1, 2, 1, 1, 1, 2, 0, {reporter});
            EXPECT_EQ(figure.valid, 1) << "sex " << sex << " figure " << representation;
            double total = 0.0;
            for (int i = 0; i < kMainSegmentCount; ++i)
                total += figure.GetSegment(i)->mass;
            EXPECT_NEAR(total, figure.anthropometry.weight * 2.2046, 1e-2);
        }
    }
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_TRUE(reporter.questions.empty());
}

TEST_F(MannequinDataTest, EveryStandardPostureBuildsWithoutTheLimitsQuestion) {
    for (int posture = 0; posture <= 37; ++posture) {
        CMannequin figure(0, 1, -1, 2, 1, 1, posture, 2, 0, {reporter});
        EXPECT_EQ(figure.valid, 1) << "posture " << posture;
    }
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_TRUE(reporter.questions.empty());
}

TEST_F(MannequinDataTest, EveryPopulationWithFilesAndEveryChildAgeBuilds) {
    for (int population = 1; population <= 13; ++population) {
        if (population == 5 || population == 7)
            continue;
        for (int size = 0; size < 5; ++size) {
            CMannequin figure(0, 1, -1, size, 1, population, 1, 2, 0, {reporter});
            EXPECT_EQ(figure.valid, 1) << population << " row " << size;
        }
    }
    for (int child = 0; child < 10; ++child) {
        CMannequin figure(0, 1, child, 2, 1, 1, 1, 2, 0, {reporter});
        EXPECT_EQ(figure.valid, 1) << "child table " << child;
        // Children are smaller than the 50 % man of the same database.
        EXPECT_LT(figure.anthropometry.stature, 175.0f);
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(MannequinDataTest, TallerRowsGiveLongerFigures) {
    CMannequin small(0, 1, -1, 0, 1, 1, 1, 2, 0, {reporter});
    CMannequin large(0, 1, -1, 4, 1, 1, 1, 2, 0, {reporter});
    // The head's joint stands higher above the pelvis in the larger figure.
    const double smallHead = small.GetSegment(kHead)->transform.m[7];
    const double largeHead = large.GetSegment(kHead)->transform.m[7];
    EXPECT_GT(largeHead, smallHead);
    EXPECT_GT(large.anthropometry.stature, small.anthropometry.stature);
}

} // namespace
