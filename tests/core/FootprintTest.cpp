#include "human/BodyFiles.h"
#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "BodyFileFixtures.h"

#include "ExpectNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kUnit = 0.0199999995529651641845703125;

// Right sole: point i at (2 i, 7, -i); left sole: point i at (i, 9, 3), so the left sole's
// points 0 and 14 are 14 apart and the right's 14 sqrt 5.
std::string FootprintBytes() {
    std::string out;
    for (int i = 0; i < kFootprintPoints; ++i) {
        PutFloat(out, 2.0f * i);
        PutFloat(out, 7.0f);
        PutFloat(out, -1.0f * i);
    }
    for (int i = 0; i < kFootprintPoints; ++i) {
        PutFloat(out, 1.0f * i);
        PutFloat(out, 9.0f);
        PutFloat(out, 3.0f);
    }
    return out;
}

class FootprintTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.Write("usa_m.per", EncodeMesh(FixtureMeshRecords()));
        ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    }
    ScopedDataDirectory data;
    RecordingReporter reporter;
    CMannequin figure;
};

TEST_F(FootprintTest, OutlinesAreScaledToTheFeetAndLaidOnVertexThree) {
    data.Write("footprn2.dat", FootprintBytes());
    figure.transform = Translation(Vec3(50, 0, 50)); // placement does not enter
    figure.RotateSegment(kLeftLowerLeg, 0, 0);
    ASSERT_EQ(figure.LoadFootprints(reporter), 1);
    EXPECT_TRUE(reporter.messages.empty());

    // Foot vertices 2 and 3 are 10 file units apart: 0.2 in. Left: s = 0.2 / 14.
    Matrix4 leftFoot;
    figure.GetSegmentLocalFrame(kLeftFoot, leftFoot);
    const Vec3 vertex3 = TransformPoint(leftFoot, figure.GetSegment(kLeftFoot)->vertices[3]);
    ExpectVecNear(figure.leftFootprint[0], vertex3, 1e-6);
    const double s = 0.2 / 14.0;
    ExpectVecNear(figure.leftFootprint[14], vertex3 + Vec3(14 * s, 0, 0), 1e-6);
    ExpectVecNear(figure.leftFootprint[25], vertex3 + Vec3(25 * s, 0, 0), 1e-6);

    // Right: s = 0.2 / (14 sqrt 5); point i lies at i * (2, 0, -1) * s from vertex 3.
    Matrix4 rightFoot;
    figure.GetSegmentLocalFrame(kRightFoot, rightFoot);
    const Vec3 right3 = TransformPoint(rightFoot, figure.GetSegment(kRightFoot)->vertices[3]);
    const double r = 0.2 / (14.0 * std::sqrt(5.0));
    ExpectVecNear(figure.rightFootprint[0], right3, 1e-6);
    ExpectVecNear(figure.rightFootprint[10], right3 + Vec3(20 * r, 0, -10 * r), 1e-6);
    EXPECT_EQ(figure.rightFootprint[10].y, right3.y);
}

TEST_F(FootprintTest, FollowsABentKnee) {
    data.Write("footprn2.dat", FootprintBytes());
    figure.GetSegment(kLeftLowerLeg)->upperLimits = Vec3(90, 0, 0);
    figure.RotateSegment(kLeftLowerLeg, 90, 0);
    ASSERT_EQ(figure.LoadFootprints(reporter), 1);
    // The foot frame is turned 90 about x: the sole's +x direction stays +x, and vertex 3
    // (0, 0.2, 0) in the foot frame maps through the turned frame.
    Matrix4 foot;
    figure.GetSegmentLocalFrame(kLeftFoot, foot);
    const Vec3 lifted = TransformPoint(foot, Vec3(0, 10 * kUnit, 0));
    ExpectVecNear(figure.leftFootprint[0], lifted, 1e-6);
    ExpectVecNear(figure.leftFootprint[14], lifted + Vec3(0.2, 0, 0), 1e-6);
}

TEST_F(FootprintTest, MissingShortOrNonNumericFilesAreRejected) {
    const Footprint before = figure.leftFootprint;
    EXPECT_EQ(figure.LoadFootprints(reporter), 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0],
              "Cannot open FOOTPRINT DATA file: " + data.Path("footprn2.dat"));

    const std::string good = FootprintBytes();
    std::string nan = good;
    nan[4 * 3 * 30 + 2] = static_cast<char>(0xC0); // left point 4, x: exponent all ones
    nan[4 * 3 * 30 + 3] = static_cast<char>(0x7F);
    std::string flat = good; // left points 0 and 14 on top of each other
    for (int i = 0; i < 4; ++i)
        flat[4 * 3 * (26 + 14) + i] = 0;
    for (const std::string& bytes : {good.substr(0, 623), std::string(), nan, flat}) {
        data.Write("footprn2.dat", bytes);
        reporter.messages.clear();
        EXPECT_EQ(figure.LoadFootprints(reporter), 0);
        EXPECT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(figure.leftFootprint, before);
    }
}

TEST(FootprintParserTest, EveryTruncationIsRejected) {
    const std::string good = FootprintBytes();
    ASSERT_EQ(good.size(), kFootprintFileSize);
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    Footprint right, left;
    ASSERT_EQ(ParseFootprintFile(bytes, good.size(), right, left), 1);
    EXPECT_EQ(right[3], Vec3(6, 0, -3));
    EXPECT_EQ(left[3], Vec3(3, 0, 3));
    for (std::size_t size = 0; size < good.size(); ++size)
        ASSERT_EQ(ParseFootprintFile(bytes, size, right, left), 0) << size;
}

} // namespace
