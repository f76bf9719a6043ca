#include "anthro/AnthropometrySummary.h"
#include "core/ObjectList.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include "../support/FixtureData.h"
#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

void ExpectVecNear(const Vec3& v, double x, double y, double z, double tol = 1e-6) {
    EXPECT_NEAR(v.x, x, tol);
    EXPECT_NEAR(v.y, y, tol);
    EXPECT_NEAR(v.z, z, tol);
}

class MannequinBuildTest : public ::testing::Test {
protected:
    MannequinBuildTest() { fixture::WriteDataDirectory(data.Path("")); }

    // USA male, 50 % (fixture row 2: 180 cm, 80 kg, scale (1.2, 1.1, 1.2)), average, Human.
    std::unique_ptr<CMannequin> Build(int posture = 1, int facing = 2, int sex = 1,
                                      int population = 1, int childAge = -1, int bodyType = 1) {
        return std::make_unique<CMannequin>(0, sex, childAge, 2, bodyType, population, posture,
                                            facing, 0, CAnthropometryContext{reporter});
    }

    ScopedDataDirectory data;
    RecordingReporter reporter;
};

TEST_F(MannequinBuildTest, BuildsAScaledFigureFromTheDatabaseRow) {
    auto figure = Build();
    ASSERT_EQ(figure->valid, 1);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_TRUE(reporter.questions.empty());
    EXPECT_EQ(figure->type, kTypeMannequin);
    EXPECT_EQ(figure->colour, figure->id);
    EXPECT_FLOAT_EQ(figure->anthropometry.stature, 180.0f);
    EXPECT_FLOAT_EQ(figure->anthropometry.weight, 80.0f);
    EXPECT_EQ(figure->anthropometry.sizeRow, 2);
    EXPECT_EQ(figure->anthropometry.childTable, 0);

    // Box corner 0 of every segment lies at (-1, -2, -1) from its joint in the file; scaled
    // (1.2, 1.1, 1.2) it is (-1.2, -2.2, -1.2). The mass centre (0.5, -1, 0.2) becomes
    // (0.6, -1.1, 0.24).
    const CBodyPart& chest = *figure->GetSegment(kChest);
    ExpectVecNear(chest.vertices[0], 0, 0, 0);
    ExpectVecNear(chest.vertices[1], -1.2, -2.2, -1.2, 1e-5);
    ExpectVecNear(chest.boxCorners[0], -1.2, -2.2, -1.2, 1e-5);
    ExpectVecNear(chest.massCentre, 0.6, -1.1, 0.24, 1e-5);
    // CHEST -> NECK is (0, 18, 0) in the file: (0, 19.8, 0) scaled.
    ExpectVecNear(chest.childOffsets[0], 0, 19.8, 0, 1e-5);
    // Fingers take their palm's scale: LINDEXA -> LINDEXB (0, -1, 0) becomes (0, -1.1, 0).
    const CBodyPart& indexA = *figure->GetSegment(kFirstLeftFinger + 3);
    ExpectVecNear(indexA.childOffsets[0], 0, -1.1, 0, 1e-5);
    ExpectVecNear(indexA.vertices[1], -1.2, -2.2, -1.2, 1e-5);
    // World data is up to date: HEAD's joint is at 64 - 36 = 28 in above the pelvis, times
    // 1.1 in length.
    ExpectVecNear(figure->GetSegment(kHead)->worldVertices[0], 0, 28 * 1.1, 0, 1e-4);
}

TEST_F(MannequinBuildTest, MassesAddUpToTheWeightInPounds) {
    auto figure = Build();
    double total = 0.0;
    for (int i = 0; i < 16; ++i) {
        total += figure->GetSegment(i)->mass;
        // 1000 + 10 * 180 = 2800 cm^3 = 170.866738 in^3
        EXPECT_NEAR(figure->GetSegment(i)->volume, 2800 * 0.061023835, 1e-3);
    }
    EXPECT_NEAR(total, 80 * 2.2046, 1e-3); // 176.368 lb
}

TEST_F(MannequinBuildTest, AppliesTheStandardPostureWithinTheLimits) {
    auto figure = Build(2);
    ASSERT_EQ(figure->valid, 1);
    // "3 10 20 30": 10 about x, 20 about z, 30 about y.
    ExpectVecNear(figure->GetSegment(kRightArm)->angles, 10, 30, 20);
    ExpectVecNear(figure->GetSegment(kLeftForearm)->angles, 90, 0, 0);
    auto limited = Build(3);
    // 200 about x on an elbow limited to 0 .. 150.
    ExpectVecNear(limited->GetSegment(kRightForearm)->angles, 150, 0, 0);
    ExpectVecNear(limited->GetSegment(kHead)->angles, 15, 0, 0);
    auto none = Build(0);
    for (int i = 0; i < kSegmentCount; ++i)
        EXPECT_EQ(none->GetSegment(i)->angles, Vec3(0, 0, 0));
}

TEST_F(MannequinBuildTest, FacingSetsThePlacement) {
    auto back = Build(1, 3);
    EXPECT_EQ(back->transform, RotationY(-180));
    auto front = Build(1, 2);
    EXPECT_EQ(front->transform, Matrix4::Identity());
    auto left = Build(1, 0);
    EXPECT_EQ(left->transform, RotationY(-90));
}

TEST_F(MannequinBuildTest, FemaleFiguresUseTheFemaleMeshAndReferenceTable) {
    // A female mesh with boxes twice as large.
    std::string mesh;
    for (int n = 0; n < kSegmentCount; ++n)
        mesh += fixture::MeshRecord(n, 2.0);
    data.Write("usa_f.per", mesh);
    auto figure = Build(1, 2, 0);
    ASSERT_EQ(figure->valid, 1);
    // Corner 0 at (-2, -3, -2) from the joint, scaled (1.2, 1.1, 1.2).
    ExpectVecNear(figure->GetSegment(kHead)->vertices[1], -2.4, -3.3, -2.4, 1e-5);
    EXPECT_EQ(figure->anthropometry.gender, 0);
}

TEST_F(MannequinBuildTest, ChildrenReadTheChildTableAndKeepTheirAge) {
    auto figure = Build(1, 2, 1, 1, 4);
    ASSERT_EQ(figure->valid, 1);
    EXPECT_EQ(figure->anthropometry.childTable, 4);
    // The age group is the population code 33 + age - 3, whatever database was chosen.
    EXPECT_EQ(figure->anthropometry.population, 37);
    EXPECT_NE(AnthropometrySummaryText(figure->anthropometry).find("Type: \t7 yrs\n"),
              std::string::npos);
    EXPECT_EQ(figure->ShowsMassCentres(), 0);
    // A 3-year-old reads child table 0, as adults keep it: still no adult analyses.
    fixture::WriteFile(data.Path(""), "mch2_35.dat", fixture::ScaleFile());
    auto youngest = Build(1, 2, 1, 1, 0);
    ASSERT_EQ(youngest->valid, 1);
    EXPECT_EQ(youngest->anthropometry.population, 33);
    EXPECT_EQ(youngest->ShowsMassCentres(), 0);
    EXPECT_EQ(Build()->ShowsMassCentres(), 1);
}

TEST_F(MannequinBuildTest, MissingFilesMakeInvalidFigures) {
    std::remove(data.Path("limit.dat").c_str());
    auto noLimits = Build();
    EXPECT_EQ(noLimits->valid, 0);
    EXPECT_EQ(reporter.messages,
              std::vector<std::string>{"Cannot read JOINT LIMIT file: " + data.Path("limit.dat") +
                                       ": the file cannot be opened"});
    reporter.messages.clear();
    fixture::WriteDataDirectory(data.Path(""));

    std::remove(data.Path("perpost.dat").c_str());
    EXPECT_EQ(Build(1)->valid, 0);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(Build(0)->valid, 1); // no posture asked for, no file needed
    // A damaged one is named with the posture and line.
    data.Write("perpost.dat", "0 0 0 0\n1 0 0\n");
    EXPECT_EQ(Build(1)->valid, 0);
    EXPECT_EQ(
        reporter.messages,
        std::vector<std::string>{"Cannot read STANDARD POSTURE file: " + data.Path("perpost.dat") +
                                 ": posture 1, line 2 does not hold three angles"});
    reporter.messages.clear();
    fixture::WriteDataDirectory(data.Path(""));

    std::remove(data.Path("usa_m.per").c_str());
    EXPECT_EQ(Build()->valid, 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Cannot open HUMAN MESH file: " + data.Path("usa_m.per"));
    fixture::WriteDataDirectory(data.Path(""));

    reporter.messages.clear();
    EXPECT_EQ(Build(1, 2, 1, 7)->valid, 0); // HongKong has no scale files
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Cannot open Scale data file."});
}

TEST_F(MannequinBuildTest, MissingMassDataIsReportedButTheFigureStands) {
    std::remove(data.Path("antro1.dat").c_str());
    auto figure = Build();
    EXPECT_EQ(figure->valid, 1);
    EXPECT_EQ(reporter.messages,
              std::vector<std::string>{"Cannot open HUMAN DATA file: " + data.Path("antro1.dat")});
    EXPECT_EQ(figure->GetSegment(kHead)->mass, 0.0f);
}

TEST_F(MannequinBuildTest, ChangeBodyDoesNotCompound) {
    auto figure = Build(2);
    const std::vector<Vec3> before = figure->GetSegment(kLeftLeg)->vertices;
    const Vec3 offset = figure->GetSegment(kLeftLeg)->childOffsets[0];
    ASSERT_EQ(figure->ChangeBody(-1, reporter), 1);
    ASSERT_EQ(figure->ChangeBody(-1, reporter), 1);
    EXPECT_EQ(figure->GetSegment(kLeftLeg)->vertices, before);
    EXPECT_EQ(figure->GetSegment(kLeftLeg)->childOffsets[0], offset);
    // The posture survives a rebuild.
    ExpectVecNear(figure->GetSegment(kRightArm)->angles, 10, 30, 20);
}

TEST_F(MannequinBuildTest, ChangeBodyFollowsANewAnthropometry) {
    auto figure = Build();
    const float headMass = figure->GetSegment(kHead)->mass;
    // Heavy: widths and depths x 1.16, the weight too; lengths unchanged.
    ASSERT_EQ(figure->anthropometry.Customize(1, 1, -1, 2, 2, 0, 0, {reporter}), 1);
    ASSERT_EQ(figure->ChangeBody(1, reporter), 1);
    EXPECT_EQ(figure->representation, 1);
    ExpectVecNear(figure->GetSegment(kChest)->vertices[1], -1.2 * 1.16, -2.2, -1.2 * 1.16, 1e-5);
    EXPECT_NEAR(figure->GetSegment(kHead)->mass, headMass * 1.16, 1e-4);
}

TEST_F(MannequinBuildTest, ChangeBodyWithAMissingMeshChangesNothing) {
    auto figure = Build();
    const std::vector<Vec3> before = figure->GetSegment(kNeck)->vertices;
    std::remove(data.Path("usa_m2.per").c_str());
    EXPECT_EQ(figure->ChangeBody(2, reporter), 0);
    EXPECT_EQ(figure->GetSegment(kNeck)->vertices, before);
    EXPECT_EQ(reporter.messages.size(), 1u);
}

// Identical figures hold one mesh: each segment's vertices, normals and faces are the same
// arrays; a figure of another size shares normals and faces but has its own scaled vertices.
// Each keeps its own world vertices, and a changed mesh file is read anew.
TEST_F(MannequinBuildTest, IdenticalFiguresShareTheirMeshes) {
    auto first = Build(1);
    auto second = Build(2);
    auto copy = std::make_unique<CMannequin>(*first, false);
    auto other = std::make_unique<CMannequin>(0, 1, -1, 3, 1, 1, 1, 2, 0,
                                              CAnthropometryContext{reporter}); // 95 %
    ASSERT_EQ(first->valid & second->valid & other->valid, 1);
    for (int n = 0; n < kSegmentCount; ++n) {
        const CBodyPart& a = *first->GetSegment(n);
        for (const CMannequin* same : {second.get(), copy.get()}) {
            const CBodyPart& b = *same->GetSegment(n);
            EXPECT_TRUE(a.vertices.SharesWith(b.vertices)) << a.name;
            EXPECT_TRUE(a.normals.SharesWith(b.normals)) << a.name;
            EXPECT_TRUE(a.faces.SharesWith(b.faces)) << a.name;
            EXPECT_NE(a.worldVertices.data(), b.worldVertices.data()) << a.name;
        }
        const CBodyPart& c = *other->GetSegment(n);
        EXPECT_FALSE(a.vertices.SharesWith(c.vertices)) << a.name;
        EXPECT_TRUE(a.normals.SharesWith(c.normals) && a.faces.SharesWith(c.faces)) << a.name;
    }
    // Fixture rows 2 and 3: the chest's vertex (-1, -2, -1) scaled by (1.2, 1.1, 1.2) and by
    // the 95 % row's (1.3, 1.15, 1.3).
    ExpectVecNear(first->GetSegment(kChest)->vertices[1], -1.2, -2.2, -1.2, 1e-5);
    ExpectVecNear(other->GetSegment(kChest)->vertices[1], -1.3, -2.3, -1.3, 1e-5);

    // Figures read from a scene file take the meshes in use, and stand where they stood.
    CObjectList scene, read;
    first->AddToList(scene);
    second->AddToList(scene);
    const std::vector<std::uint8_t> bytes = EncodeScene(scene);
    ASSERT_EQ(DecodeScene(bytes.data(), bytes.size(), read, {}), 1);
    std::vector<const CMannequin*> figures;
    for (const CSceneObject* o : read)
        if (o->type == kTypeMannequin)
            figures.push_back(static_cast<const CMannequin*>(o));
    ASSERT_EQ(figures.size(), 2u);
    for (const CMannequin* figure : figures)
        for (int n = 0; n < kSegmentCount; ++n)
            EXPECT_TRUE(figure->GetSegment(n)->vertices.SharesWith(first->GetSegment(n)->vertices));
    const Vec3 hand = second->GetSegment(kRightPalm)->worldVertices[1];
    ExpectVecNear(figures[1]->GetSegment(kRightPalm)->worldVertices[1], hand.x, hand.y, hand.z,
                  1e-4);
    DeleteTopLevelObjects(read);
    scene.Clear();

    // Turning the copy's arm moves its world vertices only.
    const std::vector<Vec3> placed = first->GetSegment(kRightForearm)->worldVertices;
    copy->RotateSegment(kRightArm, 40, 0);
    copy->UpdatePosture();
    EXPECT_EQ(first->GetSegment(kRightForearm)->worldVertices, placed);
    EXPECT_NE(copy->GetSegment(kRightForearm)->worldVertices, placed);
    EXPECT_TRUE(first->GetSegment(kRightForearm)
                    ->vertices.SharesWith(copy->GetSegment(kRightForearm)->vertices));

    // The chest's vertex 1 one inch further along x in the file (record 0, after the 12 bytes
    // of the record head and the 6 of vertex 0): a new figure takes it, the others keep theirs.
    std::ifstream file(data.Path("usa_m.per"), std::ios::binary);
    std::string mesh((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const int x = static_cast<std::int16_t>((mesh[18] & 0xFF) | (mesh[19] & 0xFF) << 8) + 50;
    mesh[18] = static_cast<char>(x & 0xFF);
    mesh[19] = static_cast<char>(x >> 8 & 0xFF);
    data.Write("usa_m.per", mesh);
    auto changed = Build(1);
    ExpectVecNear(changed->GetSegment(kChest)->vertices[1], 0.0, -2.2, -1.2, 1e-5);
    ExpectVecNear(first->GetSegment(kChest)->vertices[1], -1.2, -2.2, -1.2, 1e-5);

    // The mesh goes with the last figure holding it.
    const std::weak_ptr<const std::vector<Vec3>> normals =
        first->GetSegment(kHead)->normals.Shared();
    first.reset();
    second.reset();
    copy.reset();
    EXPECT_FALSE(normals.expired()); // the 95 % figure still holds it
    other.reset();
    EXPECT_TRUE(normals.expired());
}

TEST_F(MannequinBuildTest, CopiesAreIndependentFigures) {
    auto source = Build(2, 3);
    source->selected = 1;
    CMannequin copy(*source, false);
    EXPECT_NE(copy.id, source->id);
    EXPECT_EQ(copy.colour, copy.id);
    EXPECT_EQ(copy.valid, 1);
    EXPECT_EQ(copy.selected, 1);
    EXPECT_EQ(copy.transform, source->transform);
    EXPECT_EQ(copy.anthropometry.stature, source->anthropometry.stature);
    EXPECT_EQ(copy.children.size(), 46u);
    for (int i = 0; i < kSegmentCount; ++i) {
        const CBodyPart& s = *copy.GetSegment(i);
        EXPECT_NE(s.id, source->GetSegment(i)->id);
        EXPECT_EQ(s.figure, &copy);
        EXPECT_EQ(s.vertices, source->GetSegment(i)->vertices);
        EXPECT_EQ(s.angles, source->GetSegment(i)->angles);
        EXPECT_EQ(s.mass, source->GetSegment(i)->mass);
        if (s.parentSegment) {
            EXPECT_EQ(s.parentSegment->figure, &copy);
        }
        if (s.counterpart) {
            EXPECT_EQ(s.counterpart->figure, &copy);
        }
    }
    // Turning the copy leaves the source alone.
    copy.RotateSegment(kHead, 10, 0);
    EXPECT_EQ(source->GetSegment(kHead)->angles, Vec3(0, 0, 0));

    CMannequin same(*source, true);
    EXPECT_EQ(same.id, source->id);
    EXPECT_EQ(same.colour, source->colour);
}

TEST_F(MannequinBuildTest, RebuildsFromStoredAnthropometry) {
    CAnthropometry stored;
    stored.ScaleFromStatureAndWeight(1, 1, -1, 1, 174.8f, 78.0f); // scale (1, 1, 1)
    CMannequin figure(1, stored, reporter);
    ASSERT_EQ(figure.valid, 1);
    EXPECT_EQ(figure.representation, 1);
    EXPECT_EQ(figure.anthropometry.sizeRow, 999);
    ExpectVecNear(figure.GetSegment(kChest)->vertices[1], -1, -2, -1, 1e-5);
    EXPECT_EQ(figure.transform, Matrix4::Identity());
    EXPECT_EQ(figure.GetSegment(kRightArm)->angles, Vec3(0, 0, 0));
    EXPECT_EQ(figure.GetSegment(kRightForearm)->upperLimits, Vec3(150, 170, 170));

    std::remove(data.Path("limit.dat").c_str());
    CMannequin noLimits(0, stored, reporter);
    EXPECT_EQ(noLimits.valid, 0);
}

} // namespace
