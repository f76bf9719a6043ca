// The joint limits and postures shipped in data/ work together: every standard and hand
// posture lands inside the limits without being cut.
#include "human/Mannequin.h"

#include "core/TextLineReader.h"
#include "core/UserReporter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

class ShippedPostureDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
        ASSERT_EQ(figure.ReadLimits(reporter), 1);
    }
    CStderrReporter reporter{false};
    CMannequin figure;
};

// Reads the angles a standard posture asks for, as written in the file (x, z, y).
bool RequestedAngles(int posture, int segment, Vec3& angles) {
    CTextLineReader reader(std::string(TAVRONA_TEST_DATA) + "/perpost.dat");
    std::string line;
    if (!reader.Skip(17L * (posture - 1) + segment) || !reader.Next(line))
        return false;
    int x = 0, z = 0, y = 0;
    if (std::sscanf(line.c_str(), "%*i %i %i %i", &x, &z, &y) != 3)
        return false;
    angles = Vec3(x, y, z);
    return true;
}

TEST_F(ShippedPostureDataTest, LimitsHoldTheRestPosture) {
    for (int n = 0; n < kSegmentCount; ++n)
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_LE(figure.GetSegment(n)->lowerLimits[axis], 0.0) << n << " " << axis;
            EXPECT_GE(figure.GetSegment(n)->upperLimits[axis], 0.0) << n << " " << axis;
        }
}

TEST_F(ShippedPostureDataTest, EveryStandardPostureIsReachedUncut) {
    for (int posture = 1; posture <= 38; ++posture) {
        ASSERT_EQ(figure.ApplyStandardPosture(posture), 1) << posture;
        for (int n = 0; n < kMainSegmentCount; ++n) {
            Vec3 requested;
            ASSERT_TRUE(RequestedAngles(posture, n, requested));
            EXPECT_EQ(figure.GetSegment(n)->angles, requested)
                << "posture " << posture << " " << figure.GetSegment(n)->name;
        }
    }
    EXPECT_EQ(figure.ApplyStandardPosture(39), 0);
}

TEST_F(ShippedPostureDataTest, EveryHandPostureIsReachedUncut) {
    for (int hand = 0; hand <= 1; ++hand) {
        const std::string file = hand ? "/rhand.dat" : "/lhand.dat";
        const int first = hand ? kFirstRightFinger : kFirstLeftFinger;
        for (int posture = 1; posture <= 9; ++posture) {
            ASSERT_EQ(figure.ApplyHandPosture(posture, hand), 1) << posture;
            CTextLineReader reader(std::string(TAVRONA_TEST_DATA) + file);
            std::string line;
            ASSERT_TRUE(reader.Skip(17L * (posture - 1) + 1));
            for (int n = first; n < first + kFingerSegmentsPerHand; ++n) {
                float x = 0, y = 0, z = 0;
                ASSERT_TRUE(reader.Next(line));
                ASSERT_EQ(std::sscanf(line.c_str(), "%*i %f %f %f", &x, &y, &z), 3);
                EXPECT_EQ(figure.GetSegment(n)->angles, Vec3(x, y, z))
                    << file << " posture " << posture << " " << figure.GetSegment(n)->name;
            }
        }
    }
}

} // namespace
