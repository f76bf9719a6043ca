#include "human/BodyFiles.h"
#include "human/Mannequin.h"
#include "human/Representation.h"

#include "../support/TestFiles.h"
#include "BodyFileFixtures.h"

#include "ExpectNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kUnit = 0.0199999995529651641845703125; // 0.02 in single precision

Vec3 JointInches(int n) {
    const auto j = FixtureJoint(n);
    return Vec3(j[0] * kUnit, j[1] * kUnit, j[2] * kUnit);
}

class MeshLoaderTest : public ::testing::Test {
protected:
    void WriteMesh(const std::string& bytes, const char* name = "usa_m.per") {
        data.Write(name, bytes);
    }
    ScopedDataDirectory data;
    RecordingReporter reporter;
    CMannequin figure;
};

TEST_F(MeshLoaderTest, FileNameFollowsRepresentationAndSex) {
    figure.anthropometry.gender = kMale;
    EXPECT_EQ(figure.MeshFileName(3), data.Path("usa_m3.per"));
    EXPECT_EQ(figure.MeshFileName(0), data.Path("usa_m.per"));
    figure.anthropometry.gender = kFemale;
    EXPECT_EQ(figure.MeshFileName(3), data.Path("usa_f3.per"));
    EXPECT_EQ(figure.MeshFileName(4), data.Path("usa_f4.per"));
    EXPECT_STREQ(RepresentationName(2), "Stick Figure");
    EXPECT_STREQ(RepresentationName(5), "");
}

TEST_F(MeshLoaderTest, DerivesJointsOffsetsBoxesAndMassCentres) {
    WriteMesh(EncodeMesh(FixtureMeshRecords()));
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(figure.representation, 0);

    const CBodyPart& forearm = *figure.GetSegment(kRightForearm);
    ASSERT_EQ(forearm.vertices.size(), 5u);
    ExpectVecNear(forearm.vertices[0], {0, 0, 0});
    ExpectVecNear(forearm.vertices[2], {10 * kUnit, 10 * kUnit, 0});
    ExpectVecNear(forearm.meshOrigin, JointInches(kRightForearm));
    ExpectVecNear(forearm.massCentre, {5 * kUnit, 5 * kUnit, 5 * kUnit});
    // The child's joint relative to this one, in inches.
    ASSERT_EQ(forearm.childOffsets.size(), 1u);
    ExpectVecNear(forearm.childOffsets[0], JointInches(kRightPalm) - JointInches(kRightForearm));
    // Box corners in the documented order, shifted with the mesh.
    ExpectVecNear(forearm.boxCorners[0], {0, 0, 0});
    ExpectVecNear(forearm.boxCorners[1], {10 * kUnit, 0, 0});
    ExpectVecNear(forearm.boxCorners[2], {10 * kUnit, 10 * kUnit, 0});
    ExpectVecNear(forearm.boxCorners[6], {10 * kUnit, 10 * kUnit, 5 * kUnit});
    ExpectVecNear(forearm.boxCorners[7], {0, 10 * kUnit, 5 * kUnit});

    // The pelvis turns about the midpoint of the hips; its meshOrigin is not set.
    const CBodyPart& pelvis = *figure.GetSegment(kAbdomen);
    const Vec3 hips = (JointInches(kLeftLeg) + JointInches(kRightLeg)) / 2.0;
    ExpectVecNear(pelvis.vertices[0], JointInches(kAbdomen) - hips);
    ExpectVecNear(pelvis.meshOrigin, {0, 0, 0});
    ExpectVecNear(pelvis.childOffsets[1],
                  JointInches(kLeftLeg) - hips); // children CHEST, LLEG, RLEG
    ExpectVecNear(pelvis.childOffsets[0], JointInches(kChest) - hips);

    // The rebuilt figure puts each joint where the file has it, relative to the hips.
    Matrix4 frame;
    figure.GetSegmentLocalFrame(45, frame);
    ExpectVecNear(TranslationOf(frame), JointInches(45) - hips, 1e-9);
}

TEST_F(MeshLoaderTest, NormalsComeFromTheFirstThreeCornersOfEachFace) {
    WriteMesh(EncodeMesh(FixtureMeshRecords()));
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    const CBodyPart& head = *figure.GetSegment(kHead);
    // Face (0,1,2,3) faces +z; face (0,4,1,2) faces (0, 1, -1)/sqrt 2; face (0,0,1,2) has no
    // area. Vertex 0 and 1: normalise((0,0,1) + (0,0.7071,-0.7071)) = (0, cos 22.5, sin 22.5).
    const double c = std::cos(22.5 * M_PI / 180), s = std::sin(22.5 * M_PI / 180);
    ExpectVecNear(head.normals[0], {0, c, s}, 1e-6);
    ExpectVecNear(head.normals[1], {0, c, s}, 1e-6);
    // Vertex 2 is the fourth corner of the slanted face, which gives it nothing.
    ExpectVecNear(head.normals[2], {0, 0, 1}, 1e-12);
    // Vertex 3 is only ever a fourth corner.
    ExpectVecNear(head.normals[3], {0, 0, 0}, 0.0);
    ExpectVecNear(head.normals[4], {0, M_SQRT1_2, -M_SQRT1_2}, 1e-6);
}

TEST_F(MeshLoaderTest, ColoursComeFromThePalette) {
    WriteMesh(EncodeMesh(FixtureMeshRecords()));
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    EXPECT_EQ(figure.GetSegment(kChest)->colour, 0xA8A800);
    EXPECT_EQ(figure.GetSegment(kNeck)->colour, 0xA8A800);
    EXPECT_EQ(figure.GetSegment(kRightArm)->colour, 0x0000FC);
    EXPECT_EQ(figure.GetSegment(kLeftForearm)->colour, 0x0000A8);
    EXPECT_EQ(figure.GetSegment(kHead)->colour, 0xA80000);
    EXPECT_EQ(figure.GetSegment(kRightFoot)->colour, 0xA80000);
    EXPECT_EQ(figure.GetSegment(kAbdomen)->colour, 0xFC0000);
    EXPECT_EQ(figure.GetSegment(33)->colour, 0xFC0000);
}

TEST_F(MeshLoaderTest, RecordsFillTheSegmentTheyName) {
    auto records = FixtureMeshRecords();
    std::swap(records[0], records[45]); // CHEST's record last, RLITTC's first
    WriteMesh(EncodeMesh(records));
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    ExpectVecNear(figure.GetSegment(kChest)->meshOrigin, JointInches(kChest));
    ExpectVecNear(figure.GetSegment(45)->meshOrigin, JointInches(45));
}

TEST_F(MeshLoaderTest, MissingFileShowsItsPathAndChangesNothing) {
    EXPECT_EQ(figure.LoadMesh(2, reporter), 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Cannot open HUMAN MESH file: " + data.Path("usa_m2.per"));
    EXPECT_EQ(reporter.captions[0], "Error");
    EXPECT_TRUE(figure.GetSegment(kHead)->vertices.empty());
}

// Every way of spoiling a good file is rejected with the open-failure message, and the figure
// keeps the mesh it had.
TEST_F(MeshLoaderTest, RejectsInconsistentFiles) {
    WriteMesh(EncodeMesh(FixtureMeshRecords()));
    ASSERT_EQ(figure.LoadMesh(0, reporter), 1);
    const std::vector<Vec3> kept = figure.GetSegment(kHead)->vertices;

    auto spoil = [&](auto change) {
        auto records = FixtureMeshRecords();
        change(records);
        return EncodeMesh(records);
    };
    const std::string bad[] = {
        spoil([](auto& r) { r[7].segment = 46; }),
        spoil([](auto& r) { r[7].segment = -1; }),
        spoil([](auto& r) { r[7].segment = 8; }), // two records for RFARM, none for LFARM
        spoil([](auto& r) { r[9].faces[1][3] = 5; }),
        spoil([](auto& r) { r[9].faces[1][0] = -2; }),
        spoil([](auto& r) { r[3].vertices.clear(), r[3].faces.clear(); }),
        spoil([](auto& r) { r.pop_back(); }),
    };
    for (const std::string& bytes : bad) {
        WriteMesh(bytes);
        reporter.messages.clear();
        EXPECT_EQ(figure.LoadMesh(0, reporter), 0);
        EXPECT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(figure.GetSegment(kHead)->vertices, kept);
    }

    // A count larger than the data behind it.
    std::string counted = EncodeMesh(FixtureMeshRecords());
    counted[2] = 0x40; // CHEST claims 64 vertices
    WriteMesh(counted);
    EXPECT_EQ(figure.LoadMesh(0, reporter), 0);
    // A negative count.
    counted[3] = static_cast<char>(0x80);
    WriteMesh(counted);
    EXPECT_EQ(figure.LoadMesh(0, reporter), 0);
}

TEST(MeshParserTest, EveryTruncationIsRejected) {
    const std::string good = EncodeMesh(FixtureMeshRecords());
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    auto mesh = std::make_unique<FigureMeshData>();
    ASSERT_EQ(ParseMeshFile(bytes, good.size(), *mesh), 1);
    for (std::size_t size = 0; size < good.size(); ++size)
        ASSERT_EQ(ParseMeshFile(bytes, size, *mesh), 0) << size;
    // Bytes after the 46 records are not part of the mesh.
    const std::string longer = good + "trailing";
    EXPECT_EQ(
        ParseMeshFile(reinterpret_cast<const unsigned char*>(longer.data()), longer.size(), *mesh),
        1);
}

} // namespace
