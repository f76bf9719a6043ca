#include "biomech/Force.h"
#include "document/CloneObject.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "draw/Dimension.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"
#include "human/Representation.h"

#include "DocTestSupport.h"
#include "FigureFixture.h"

#include "core/ObjectList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

namespace {

CMannequin* FixtureFrom(const CAnthropometry& a, int representation) {
    CMannequin* figure = MakeFixtureFigure().release();
    figure->anthropometry = a;
    figure->representation = representation;
    return figure;
}

// A posed, turned figure with a load, a female 5th percentile from population 2.
CMannequin* PosedFigure() {
    CMannequin* figure = MakeFixtureFigure().release();
    CAnthropometry& a = figure->anthropometry;
    a.gender = kFemale;
    a.population = 2;
    a.sizeRow = 1;
    a.bodyType = 0;
    a.stature = 160.5f;
    a.weight = 55.25f;
    for (int i = 0; i < 16; ++i)
        a.scale[i] = Vec3(1.0 + i * 0.01, 0.95 + i * 0.02, 1.05);
    figure->RotateSegment(kRightForearm, 37.5, 0);
    figure->RotateSegment(kLeftArm, -22, 2);
    figure->RotateSegment(kChest, 12, 1);
    figure->transform = Translation(Vec3(12.5, 0, -30)) * RotationY(90);
    figure->UpdatePosture();
    return figure;
}

// The id part of every segment record's name ("CHEST12" gives "12"), blanking the name field.
std::vector<std::string> TakeSegmentNames(std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> ids;
    for (std::size_t at = 219; at + 152 <= bytes.size(); at += I32At(bytes, at)) {
        if (bytes[at + 4] != kTypeBodyPart)
            continue;
        std::string name(reinterpret_cast<const char*>(&bytes[at + 72]));
        ids.push_back(name.substr(name.find_first_of("0123456789")));
        std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(at + 72), 12, 0);
    }
    return ids;
}

struct FigureDoc : DocFixture {
    FigureDoc() { doc.SetFigureBuilder(FixtureFrom); }
};

TEST(FigureSceneFile, RecordsAndTheirLayout) {
    CObjectList list;
    std::unique_ptr<CMannequin> figure(PosedFigure());
    figure->AddToList(list);
    std::vector<std::uint8_t> b = EncodeScene(list);
    // One figure record and 46 segment records (8 vertices and 6 faces each), no load block.
    ASSERT_EQ(b.size(), 219u + 1917u + 46u * (160 + 12 * 8 + 16 * 6));
    const std::size_t at = 219;
    EXPECT_EQ(I32At(b, at), 1917);
    EXPECT_EQ(b[at + 4], 5);
    EXPECT_EQ(b[at + 7], 0x10);
    EXPECT_EQ(I32At(b, at + 8), figure->colour);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[at + 72])), "MANNEQUIN");
    // The placement column by column: column 3 holds the translation.
    EXPECT_EQ(F32At(b, at + 84 + 48), 12.5f);
    EXPECT_EQ(F32At(b, at + 84 + 56), -30.0f);
    EXPECT_EQ(I32At(b, at + 152), 1); // female, second database choice
    EXPECT_EQ(b[at + 156], 0);        // gender
    EXPECT_EQ(b[at + 157], 0);        // body type
    EXPECT_EQ(b[at + 158], 2);        // population
    const std::size_t block = at + 159;
    EXPECT_EQ(F32At(b, block), 5.0f); // size row 1
    // Segment 8 (RFARM): upper limit 180 minus the angle 37.5, per axis; lower -180 - 37.5.
    EXPECT_EQ(F32At(b, block + 4 + 24 * 8), 142.5f);
    EXPECT_EQ(F32At(b, block + 4 + 24 * 8 + 12), -217.5f);
    EXPECT_EQ(F32At(b, block + 1108 + 12 * 4 + 4), 1.03f); // scale y of ABDOMEN
    EXPECT_EQ(F32At(b, block + 1300), 1.0f);
    EXPECT_EQ(F32At(b, block + 1580), 160.5f);
    EXPECT_EQ(F32At(b, block + 1584), 55.25f);
    // The closing matrix: the placement times the female pelvis offset (-3.08, 6.96 s + 18.88,
    // -0.8): its translation is the placement applied to that offset.
    const double s = 0.95 + 4 * 0.02;
    const Vec3 pelvis = TransformPoint(figure->transform, Vec3(-3.08, 6.96 * s + 18.88, -0.8));
    const std::size_t closing = at + 1917 - 64;
    EXPECT_FLOAT_EQ(F32At(b, closing + 48), static_cast<float>(pelvis.x));
    EXPECT_FLOAT_EQ(F32At(b, closing + 52), static_cast<float>(pelvis.y));
    EXPECT_FLOAT_EQ(F32At(b, closing + 56), static_cast<float>(pelvis.z));
    // The first segment record: "CHEST" followed by the figure's id.
    const std::size_t chest = at + 1917;
    EXPECT_EQ(b[chest + 4], 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[chest + 72])),
              "CHEST" + std::to_string(figure->id));
    EXPECT_EQ(b[closing - 24], kRepresentationHuman);

    // With a load, one block of 38-byte entries follows.
    figure->AddForce(kRightPalm, kForceExternal, Vec3(0, -1, 0), Vec3(0, -20, 0), Vec3(1, 2, 3),
                     nullptr, false);
    b = EncodeScene(list);
    const std::size_t forces = 219 + 1917 + 46 * (160 + 12 * 8 + 16 * 6);
    ASSERT_EQ(b.size(), forces + 156 + 38);
    EXPECT_EQ(b[forces + 4], 7);
    EXPECT_EQ(I32At(b, forces + 152), 1);
    EXPECT_EQ(b[forces + 156], kRightPalm);
    EXPECT_EQ(b[forces + 157], 0);
    EXPECT_EQ(F32At(b, forces + 158 + 16), -20.0f);
    EXPECT_EQ(F32At(b, forces + 158 + 32), 3.0f);
}

// A figure whose body data cannot be read is named in one message and kept: saving the scene
// again writes its records back unchanged.
TEST(FigureSceneFile, AFigureThatCannotBeRebuiltIsReportedAndKept) {
    FigureDoc f;
    CMannequin* figure = PosedFigure();
    figure->AddForce(kLeftPalm, kForceExternal, Vec3(0.5, -1, 0), Vec3(0, -20, 0), Vec3(1, 2, 3),
                     nullptr, false);
    f.doc.AddObject(figure);
    auto* sphere = new CPolyface();
    sphere->Build(kShapeSphere, {Vec3(40, 10, 0), Vec3(40, 14, 0)});
    f.doc.AddObject(sphere);
    ScopedDataDirectory dir;
    ASSERT_EQ(f.doc.SaveTo(dir.Path("one.tvr")), 1);

    DocFixture g;
    g.doc.SetFigureBuilder([](const CAnthropometry&, int) -> CMannequin* { return nullptr; });
    ASSERT_EQ(g.doc.ImportTvr(dir.Path("one.tvr")), 1);
    ASSERT_EQ(g.reporter.messages.size(), 1u);
    EXPECT_EQ(g.reporter.messages[0],
              "The scene file is damaged: read 1 of 2 objects.\nrecord 1 at byte 219 (figure) "
              "(female, population 2, size row 1) could not be rebuilt: its body data could not "
              "be read. It is kept as stored and saved again unchanged.");
    ASSERT_EQ(g.doc.SaveTo(dir.Path("two.tvr")), 1);
    EXPECT_EQ(ReadAll(dir.Path("two.tvr")), ReadAll(dir.Path("one.tvr")));
    // A copy (as undo and the clipboard take) keeps the records too.
    CObjectList copies;
    for (CSceneObject* o : g.doc.Objects())
        if (!o->parent)
            CloneObject(*o, true)->AddToList(copies);
    EXPECT_EQ(EncodeScene(copies), ReadAll(dir.Path("one.tvr")));
    DeleteTopLevelObjects(copies);
}

TEST(FigureSceneFile, RoundTripKeepsPostureLoadsWheelchairAndBytes) {
    FigureDoc f;
    CMannequin* figure = PosedFigure();
    figure->AddForce(kLeftPalm, kForceExternal, Vec3(0.5, -1, 0), Vec3(0, -20, 0), Vec3(1, 2, 3),
                     nullptr, false);
    auto* chair = new CSceneObject();
    auto* seat = new CPolyface();
    seat->Build(kShapeBox, {Vec3(-8, 18, -8), Vec3(8, 20, 8)});
    chair->AddChild(seat);
    chair->type = kTypeWheelchair;
    figure->AddChild(chair);
    f.doc.AddObject(figure);
    auto* sphere = new CPolyface();
    sphere->Build(kShapeSphere, {Vec3(40, 10, 0), Vec3(40, 14, 0)});
    f.doc.AddObject(sphere);

    ScopedDataDirectory dir;
    ASSERT_EQ(f.doc.SaveTo(dir.Path("one.tvr")), 1);
    FigureDoc g;
    ASSERT_EQ(g.doc.ImportTvr(dir.Path("one.tvr")), 1);
    EXPECT_EQ(g.doc.PathName(), dir.Path("one.tvr"));
    ASSERT_EQ(g.doc.SaveTo(dir.Path("two.tvr")), 1);
    CMannequin* read = nullptr;
    for (CSceneObject* o : g.doc.Objects())
        if (o->type == kTypeMannequin)
            read = static_cast<CMannequin*>(o);
    ASSERT_NE(read, nullptr);

    std::vector<std::uint8_t> one = ReadAll(dir.Path("one.tvr"));
    std::vector<std::uint8_t> two = ReadAll(dir.Path("two.tvr"));
    // Segment records are named by the figure's id, which a read figure gets anew (its colour
    // value keeps the stored one); apart from that the bytes are the same.
    ASSERT_NE(read->id, read->colour);
    EXPECT_EQ(TakeSegmentNames(one), std::vector<std::string>(46, std::to_string(figure->id)));
    EXPECT_EQ(TakeSegmentNames(two), std::vector<std::string>(46, std::to_string(read->id)));
    ASSERT_EQ(one.size(), two.size());
    const auto diff = std::mismatch(one.begin(), one.end(), two.begin());
    EXPECT_TRUE(diff.first == one.end()) << "first difference at " << (diff.first - one.begin());

    for (int j = 0; j < kSegmentCount; ++j)
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(read->GetSegment(j)->angles[k], figure->GetSegment(j)->angles[k], 1e-4);
    for (int k = 0; k < 16; ++k)
        EXPECT_NEAR(read->transform.m[k], figure->transform.m[k], 1e-5) << k;
    EXPECT_EQ(read->anthropometry.sizeRow, 1);
    EXPECT_EQ(read->anthropometry.gender, kFemale);
    EXPECT_FLOAT_EQ(static_cast<float>(read->anthropometry.scale[4].y), 1.03f);
    ASSERT_EQ(read->forces.size(), 1u);
    EXPECT_NEAR(read->forces[0]->location.x, 0.5, 1e-4);
    EXPECT_NEAR(read->forces[0]->location.y, -1, 1e-4);
    EXPECT_EQ(read->forces[0]->segment, kLeftPalm);
    // The wheelchair is again the figure's child and stands where it stood.
    CSceneObject* wheelchair = nullptr;
    for (CSceneObject* child : read->children)
        if (child->type == kTypeWheelchair)
            wheelchair = child;
    ASSERT_NE(wheelchair, nullptr);
    BoundingBox expected;
    seat->ExtendBounds(expected, figure->transform * chair->transform * seat->transform);
    BoundingBox actual;
    wheelchair->children[0]->ExtendBounds(actual, read->transform * wheelchair->transform *
                                                      wheelchair->children[0]->transform);
    EXPECT_NEAR(actual.min.x, expected.min.x, 1e-4);
    EXPECT_NEAR(actual.max.y, expected.max.y, 1e-4);
    EXPECT_NEAR(actual.max.z, expected.max.z, 1e-4);

    // Import into a document that has objects keeps its name and appends; undo removes them.
    const std::size_t count = g.doc.Objects().size();
    g.doc.SetPathName("kept.tvr");
    ASSERT_EQ(g.doc.ImportTvr(dir.Path("one.tvr")), 1);
    EXPECT_EQ(g.doc.PathName(), "kept.tvr");
    EXPECT_EQ(g.doc.Objects().size(), 2 * count);
    g.doc.OnUndo();
    EXPECT_EQ(g.doc.Objects().size(), count);
}

TEST(FigureSceneFile, HostileFigureRecordsAreHarmless) {
    CObjectList list;
    std::unique_ptr<CMannequin> figure(PosedFigure());
    figure->AddForce(kLeftPalm, kForceExternal, Vec3(), Vec3(0, -1, 0), Vec3(), nullptr, false);
    figure->AddToList(list);
    const std::vector<std::uint8_t> good = EncodeScene(list);
    const SceneReadContext context{nullptr, nullptr, FixtureFrom};
    auto decode = [&context](const std::vector<std::uint8_t>& bytes) {
        CObjectList read;
        const int result = DecodeScene(bytes.data(), bytes.size(), read, context);
        DeleteTopLevelObjects(read);
        return result;
    };
    for (std::size_t size = 219; size <= good.size(); size += 97)
        EXPECT_EQ(decode({good.begin(), good.begin() + size}), 1);
    std::vector<std::uint8_t> bad = good;
    const std::size_t forces = good.size() - 38 - 156;
    bad[forces + 156] = 99; // a load on a segment that does not exist
    EXPECT_EQ(decode(bad), 1);
    bad = good;
    bad[forces + 152] = 0xFF; // more loads than the block holds
    EXPECT_EQ(decode(bad), 1);
    bad = good;
    for (std::size_t i = 219 + 159 + 1580; i < 219 + 1917; ++i)
        bad[i] = 0xFF; // NaN placement and sizes
    bad[219 + 5] = 7;  // and a group number
    EXPECT_EQ(decode(bad), 1);
}

TEST(FigureSceneFile, ChildrenRepresentationsAndManyGroupsRoundTrip) {
    FigureDoc f;
    for (int age = 3; age <= 12; ++age) {
        CMannequin* child = MakeFixtureFigure().release();
        child->anthropometry.population = static_cast<std::uint8_t>(33 + age - 3);
        child->anthropometry.childTable = age - 3;
        f.doc.AddObject(child);
    }
    for (int representation = 0; representation < kRepresentationCount; ++representation) {
        CMannequin* figure = MakeFixtureFigure().release();
        figure->representation = representation;
        f.doc.AddObject(figure);
    }
    // 300 groups of one line each, the line at x = its group's number.
    for (int n = 1; n <= 300; ++n) {
        auto* group = new CSceneObject();
        auto* line = new CPolyline();
        line->points = {Vec3(n, 0, 0), Vec3(n, 1, 0)};
        group->AddChild(line);
        f.doc.AddObject(group);
    }
    ScopedDataDirectory dir;
    ASSERT_EQ(f.doc.SaveTo(dir.Path("many.tvr")), 1);
    FigureDoc g;
    ASSERT_EQ(g.doc.ImportTvr(dir.Path("many.tvr")), 1);
    std::vector<const CMannequin*> figures;
    std::vector<const CSceneObject*> groups;
    for (const CSceneObject* o : g.doc.Objects()) {
        if (o->type == kTypeMannequin)
            figures.push_back(static_cast<const CMannequin*>(o));
        if (!o->parent && o->type == kTypeGroup)
            groups.push_back(o);
    }
    ASSERT_EQ(figures.size(), 15u);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(figures[k]->anthropometry.population, 33 + k);
        EXPECT_EQ(figures[k]->anthropometry.childTable, k);
    }
    for (int r = 0; r < kRepresentationCount; ++r) {
        EXPECT_EQ(figures[10 + r]->representation, r);
        EXPECT_EQ(figures[10 + r]->anthropometry.population, 1);
    }
    ASSERT_EQ(groups.size(), 300u);
    for (std::size_t n = 0; n < groups.size(); ++n) {
        ASSERT_EQ(groups[n]->children.size(), 1u) << n;
        BoundingBox box;
        groups[n]->children[0]->ExtendBounds(box, WorldMatrix(*groups[n]->children[0]));
        EXPECT_NEAR(box.min.x, n + 1.0, 1e-4);
    }
}

TEST(FigureSceneFile, TurnedFigureStoresItsOwnBox) {
    // The box's edges are the figure's own extents, however it is turned.
    std::unique_ptr<CMannequin> figure(MakeFixtureFigure().release());
    CObjectList list;
    figure->AddToList(list);
    const std::size_t at = 219 + 24;
    const std::vector<std::uint8_t> upright = EncodeScene(list);
    auto corner = [](const std::vector<std::uint8_t>& b, int k) {
        return Vec3(F32At(b, at + 12 * k), F32At(b, at + 12 * k + 4), F32At(b, at + 12 * k + 8));
    };
    figure->transform = Translation(Vec3(5, 0, 7)) * RotationY(40) * RotationX(25);
    figure->UpdatePosture();
    const std::vector<std::uint8_t> turned = EncodeScene(list);
    for (int k = 0; k < 4; ++k) {
        const Vec3 expected = TransformPoint(figure->transform, corner(upright, k));
        EXPECT_NEAR(Distance(corner(turned, k), expected), 0.0, 1e-4) << k;
    }
}

TEST(FigureSceneFile, StoredJointsAreClampedAndDamageIsReported) {
    CObjectList list;
    std::unique_ptr<CMannequin> figure(MakeFixtureFigure().release());
    figure->AddToList(list);
    std::vector<std::uint8_t> b = EncodeScene(list);
    // Upper limit minus angle of RFARM x: 180 - 400 asks for a 400-degree elbow.
    const std::size_t elbow = 219 + 159 + 4 + 24 * kRightForearm;
    ExpectedBytes value;
    value.f32(180.0f - 400.0f);
    value.f32(std::numeric_limits<float>::quiet_NaN()); // and the y angle is no number
    std::copy(value.b.begin(), value.b.end(), b.begin() + static_cast<std::ptrdiff_t>(elbow));
    RecordingReporter reporter;
    SceneReadReport report;
    const SceneReadContext context{&reporter, nullptr, FixtureFrom, &report};
    CObjectList read;
    ASSERT_EQ(DecodeScene(b.data(), b.size(), read, context), 1);
    const auto* back = static_cast<const CMannequin*>(read[0]);
    EXPECT_EQ(back->GetSegment(kRightForearm)->angles, Vec3(180, 0, 0));
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("RFARM"), std::string::npos) << report.problems[0];
    DeleteTopLevelObjects(read);
}

TEST(FigureSceneFile, TextsTheFormatCannotHoldAreRefusedByName) {
    FigureDoc f;
    auto* text = new CText3D();
    text->text = std::string(254, 'a');
    f.doc.AddObject(text);
    auto* label = new CDimension();
    label->label = "Door width";
    f.doc.AddObject(label);
    ScopedDataDirectory dir;
    ASSERT_EQ(f.doc.SaveTo(dir.Path("fits.tvr")), 1);

    label->label = "Clearance " + std::string(250, 'b');
    f.doc.SetModified();
    EXPECT_EQ(f.doc.SaveTo(dir.Path("long.tvr")), 0);
    ASSERT_EQ(f.reporter.messages.size(), 1u);
    EXPECT_NE(f.reporter.messages[0].find("dimension label \"Clearance bbbb"), std::string::npos)
        << f.reporter.messages[0];
    EXPECT_NE(f.reporter.messages[0].find("260 characters"), std::string::npos);
    EXPECT_FALSE(std::ifstream(dir.Path("long.tvr")).good());
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(label->label.size(), 260u); // nothing was cut
}

TEST(FigureSceneFile, SaveFailureIsReportedAndKeepsTheDocumentModified) {
    FigureDoc f;
    f.doc.AddObject(MakeFixtureFigure().release());
    f.doc.SetModified();
    f.views.nextPath = "/nonexistent-folder/x.tvr";
    EXPECT_EQ(f.doc.OnSave(), 0); // no path yet: Save As
    EXPECT_EQ(f.reporter.messages.back(),
              "Failed to save file.\n/nonexistent-folder/x.tvr: No such file or directory");
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_TRUE(f.views.recent.empty());
    f.views.nextPath.clear();
    f.doc.SetPathName("");
    EXPECT_EQ(f.doc.OnSaveAs(), 0); // cancelled
    EXPECT_EQ(f.reporter.messages.size(), 1u);
    EXPECT_EQ(f.doc.ImportTvr("/nonexistent-folder/x.tvr"), 0);
    EXPECT_EQ(f.reporter.messages.back(), "Failed to read file.");
}

TEST(FigureSceneFile, WheelchairPlacement) {
    ScopedDataDirectory dir;
    {
        // A stored seated figure beside a separate wheelchair group, as the data files hold.
        CObjectList list;
        std::unique_ptr<CMannequin> figure(MakeFixtureFigure().release());
        figure->anthropometry.gender = kMale;
        figure->transform = Translation(Vec3(0, 20, 0));
        figure->AddToList(list);
        std::unique_ptr<CSceneObject> chair(new CSceneObject());
        auto* wheel = new CPolyface();
        wheel->Build(kShapeTorus, {Vec3(0, 12, 0), Vec3(12, 12, 0), Vec3(12, 12.5, 0)});
        chair->AddChild(wheel);
        chair->AddToList(list);
        ASSERT_EQ(WriteSceneFile(dir.Path("whtv95m.___"), list), 1);
    }
    FigureDoc f;
    f.doc.BeginPlaceWheelchair(3, 3, 1);
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingPlaceWheelchair);
    f.doc.PointPicked(1, Vec3(100, 0, 50), Vec3());
    CMannequin* figure = nullptr;
    for (CSceneObject* o : f.doc.Objects())
        if (o->type == kTypeMannequin)
            figure = static_cast<CMannequin*>(o);
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(TranslationOf(figure->transform), Vec3(100, 0, 50));
    EXPECT_NEAR(figure->transform(0, 0), -1.0, 1e-6); // facing back: 180 degrees about Y
    CSceneObject* chair = nullptr;
    for (CSceneObject* child : figure->children)
        if (child->type == kTypeWheelchair)
            chair = child;
    ASSERT_NE(chair, nullptr);
    // The wheel kept its place relative to the figure: 8 below the figure's origin.
    BoundingBox wheel;
    chair->children[0]->ExtendBounds(wheel, figure->transform * chair->transform *
                                                chair->children[0]->transform);
    EXPECT_NEAR((wheel.min.y + wheel.max.y) / 2, -8.0, 1e-4);
    EXPECT_NEAR((wheel.min.x + wheel.max.x) / 2, 100.0, 1e-4);
    f.doc.OnUndo();
    EXPECT_TRUE(f.doc.Objects().empty());

    f.doc.BeginPlaceWheelchair(2, 1, 0); // no whtv5f.___ here
    f.doc.PointPicked(1, Vec3(), Vec3());
    EXPECT_EQ(f.reporter.messages.back(), "Problem loading the wheel chair file.");
    EXPECT_TRUE(f.doc.Objects().empty());
    EXPECT_EQ(CTavroDoc::WheelchairFileName(2, 0), "whtv50f.___");
}

} // namespace

TEST(FigurePlacement, AClickOnTheFloorStandsTheFeetOnIt) {
    DocFixture f;
    f.settings.showSceneFloor = 1; // 20 tiles of 10 in each way: the floor spans +-200 in
    const auto place = [&](const Vec3& point, const Vec3& direction) {
        f.doc.BeginPlaceMannequin(MakeFixtureFigure().release());
        f.doc.PointPicked(1, point, direction);
        CMannequin* placed = nullptr;
        for (CSceneObject* o : f.doc.Objects())
            if (o->type == kTypeMannequin)
                placed = static_cast<CMannequin*>(o);
        return placed;
    };
    // Looking down along (0, -1, -1) from (10, 30, 5): the ray meets y = 0 at (10, 0, -25).
    CMannequin* standing = place(Vec3(10, 30, 5), Vec3(0, -1, -1));
    BoundingBox box;
    standing->CollectBounds(box);
    EXPECT_NEAR(box.min.y, 0.0, 1e-9);
    EXPECT_NEAR(TranslationOf(standing->transform).x, 10.0, 1e-9);
    EXPECT_NEAR(TranslationOf(standing->transform).z, -25.0, 1e-9);
    // Seen edge-on, off the tiles or with the floor hidden: the hips go to the clicked point.
    EXPECT_EQ(TranslationOf(place(Vec3(1, 30, 2), Vec3(0, 0, -1))->transform), Vec3(1, 30, 2));
    EXPECT_EQ(TranslationOf(place(Vec3(300, 30, 2), Vec3(0, -1, 0))->transform), Vec3(300, 30, 2));
    f.settings.showSceneFloor = 0;
    EXPECT_EQ(TranslationOf(place(Vec3(10, 30, 5), Vec3(0, -1, -1))->transform), Vec3(10, 30, 5));
}

TEST(FigurePlacement, ThePreviewFollowsThePlacementRuleAndTouchesNothing) {
    DocFixture f;
    f.settings.showSceneFloor = 1;
    EXPECT_FALSE(f.doc.MovePlacementPreview(Vec3(), Vec3(0, -1, 0))); // nothing waits
    f.doc.BeginPlaceMannequin(MakeFixtureFigure().release());
    f.doc.SetModified(false);
    EXPECT_EQ(f.doc.PlacementPreview(), nullptr); // not shown before the cursor moves
    const int redraws = f.views.redraws;
    // Looking down along (0, -1, -1): from (10, 30, 5) the ray meets the floor at (10, 0, -25),
    // from (-40, 30, 5) at (-40, 0, -25); off the floor the hips go to the point itself.
    ASSERT_TRUE(f.doc.MovePlacementPreview(Vec3(10, 30, 5), Vec3(0, -1, -1)));
    CMannequin* preview = f.doc.PlacementPreview();
    ASSERT_NE(preview, nullptr);
    const Matrix4 first = preview->transform;
    BoundingBox box;
    preview->CollectBounds(box);
    EXPECT_NEAR(box.min.y, 0.0, 1e-9);
    EXPECT_NEAR(TranslationOf(first).x, 10.0, 1e-9);
    EXPECT_NEAR(TranslationOf(first).z, -25.0, 1e-9);
    f.doc.MovePlacementPreview(Vec3(300, 30, 2), Vec3(0, -1, 0));
    EXPECT_EQ(TranslationOf(preview->transform), Vec3(300, 30, 2));
    f.doc.MovePlacementPreview(Vec3(-40, 30, 5), Vec3(0, -1, -1));
    EXPECT_NEAR(TranslationOf(preview->transform).x, -40.0, 1e-9);
    // Moves start from the figure as built each time, so coming back gives the same place.
    f.doc.MovePlacementPreview(Vec3(10, 30, 5), Vec3(0, -1, -1));
    EXPECT_EQ(preview->transform, first);
    // No object, no undo step, no change to save, nothing redrawn by the document.
    EXPECT_TRUE(f.doc.Objects().empty());
    EXPECT_EQ(f.doc.UndoDepth(), 0u);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_EQ(f.views.redraws, redraws);
    // The pick places by the same rule, whatever the preview showed last.
    f.doc.MovePlacementPreview(Vec3(300, 30, 2), Vec3(0, -1, 0));
    f.doc.PointPicked(1, Vec3(10, 30, 5), Vec3(0, -1, -1));
    EXPECT_EQ(f.doc.PlacementPreview(), nullptr);
    ASSERT_EQ(f.doc.Objects()[0], preview);
    EXPECT_EQ(preview->transform, first);
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    // A cancelled placement leaves no preview behind.
    f.doc.BeginPlaceMannequin(MakeFixtureFigure().release());
    f.doc.MovePlacementPreview(Vec3(10, 30, 5), Vec3(0, -1, -1));
    f.doc.PointPicked(0, Vec3(), Vec3());
    EXPECT_EQ(f.doc.PlacementPreview(), nullptr);
    EXPECT_FALSE(f.doc.MovePlacementPreview(Vec3(10, 30, 5), Vec3(0, -1, -1)));
}
