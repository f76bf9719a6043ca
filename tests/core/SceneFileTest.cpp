#include "core/ObjectList.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "draw/Dimension.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"

#include "DocTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sys/stat.h>

namespace {

// The 219-byte file header, from the format's table.
ExpectedBytes ExpectedHeader() {
    ExpectedBytes e;
    e.text("Tavro Version 8 (32 bit)", 56);
    e.f32(5.0f);
    e.i16(1);
    for (int v : {0, 0, 0, 697, 484, 348, 242, 0})
        e.i32(v);
    e.f32(50.0f);
    e.i32(0);
    e.f32(144.0f);
    e.identityColumns();
    e.i32(0x40571c6d);
    e.u8(1);
    e.zeros(44);
    return e;
}

// Owns the objects of a list (top-level ones delete their children).
struct OwnedList {
    CObjectList list;
    ~OwnedList() { DeleteTopLevelObjects(list); }
    void Add(CSceneObject* o) { o->AddToList(list); }
};

std::vector<std::uint8_t> Reencode(const std::vector<std::uint8_t>& bytes, OwnedList& into) {
    EXPECT_EQ(DecodeScene(bytes.data(), bytes.size(), into.list, {}), 1);
    return EncodeScene(into.list);
}

TEST(SceneFileLayout, EmptySceneIsTheBareHeader) {
    CObjectList empty;
    const std::vector<std::uint8_t> bytes = EncodeScene(empty);
    ASSERT_EQ(bytes.size(), 219u);
    EXPECT_EQ(bytes, ExpectedHeader().b);
    EXPECT_EQ(F32At(bytes, 170), 3.36111f); // the view block's last value
}

TEST(SceneFileLayout, PolylineRecordByHand) {
    OwnedList scene;
    auto* line = new CPolyline();
    line->points = {Vec3(1, 2, 3), Vec3(4, 6, 3)};
    line->transform = Translation(Vec3(10, 0, 0)); // stored in world coordinates
    line->colour = 0x123456;
    line->attributeB = 1;
    scene.Add(line);
    const std::vector<std::uint8_t> bytes = EncodeScene(scene.list);

    ExpectedBytes e = ExpectedHeader();
    e.i32(158 + 12 * 2);
    e.u8(0); // type
    e.u8(0); // group
    e.u8(0);
    e.u8(0x10); // attribute B bit 0
    e.i32(0x123456);
    e.xyz(12.5, 4, 3);      // centre
    e.xyz(11, 2, 3 - 0.01); // flat in z: minimum lowered
    e.xyz(11, 6, 3 - 0.01);
    e.xyz(14, 2, 3 - 0.01);
    e.xyz(11, 2, 3);
    e.text("Polyline", 12);
    e.identityColumns();
    e.i32(0);
    e.i32(2);
    e.u8(0);
    e.u8(0);
    e.xyz(11, 2, 3);
    e.xyz(14, 6, 3);
    EXPECT_EQ(bytes, e.b);
}

TEST(SceneFileLayout, RecordLengthsOfEachKind) {
    OwnedList scene;
    auto* box = new CPolyface();
    box->Build(kShapeBox, {Vec3(0, 0, 0), Vec3(2, 4, 6)});
    scene.Add(box);
    auto* text = new CText3D();
    text->text = "Hi";
    text->fontChosen = 1;
    text->Build({Vec3(0, 0, 0)});
    scene.Add(text);
    auto* dim = new CDimension(kDimensionAngle);
    dim->Build({Vec3(), Vec3(1, 0, 0), Vec3(0, 1, 0)}, 0);
    scene.Add(dim);
    const std::vector<std::uint8_t> b = EncodeScene(scene.list);

    std::size_t at = 219;
    EXPECT_EQ(I32At(b, at), 160 + 12 * 8 + 16 * 6);
    EXPECT_EQ(b[at + 4], 1);
    EXPECT_EQ(I32At(b, at + 152), 8);           // vertex count
    EXPECT_EQ(I32At(b, at + 156), 6);           // face count
    EXPECT_EQ(I32At(b, at + 160 + 96 + 16), 4); // second face (4, 7, 6, 5)
    at += I32At(b, at);

    const std::size_t strokes = text->strokes.size();
    ASSERT_GT(strokes, 0u);
    EXPECT_EQ(I32At(b, at), static_cast<std::int32_t>(156 + 3 + 12 * strokes));
    EXPECT_EQ(b[at + 4], 2);
    EXPECT_EQ(b[at + 152], 3);              // length of "Hi" + NUL
    EXPECT_EQ(b[at + 153], 1);              // font chosen
    EXPECT_EQ(b[at + 154], 1);              // reserved flag
    EXPECT_EQ(b[at + 155], strokes & 0xFF); // low byte of the count
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[at + 156])), "Hi");
    at += I32At(b, at);

    EXPECT_EQ(I32At(b, at), 158 + 3 + 12 * 6); // label "90"
    EXPECT_EQ(b[at + 4], 3);
    EXPECT_EQ(b[at + 152], 3); // kind: angle
    EXPECT_EQ(b[at + 154], 3);
    EXPECT_EQ(b[at + 156], 1);
    EXPECT_EQ(b[at + 157], 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[at + 158])), "90");
    at += I32At(b, at);
    EXPECT_EQ(at, b.size());
}

TEST(SceneFileLayout, GroupMembersShareANumber) {
    OwnedList scene;
    auto* group = new CSceneObject();
    auto* a = new CPolyline();
    a->points = {Vec3(0, 0, 0), Vec3(1, 1, 1)};
    auto* b = new CPolyline();
    b->points = {Vec3(5, 0, 0), Vec3(6, 1, 1)};
    group->AddChild(a);
    group->AddChild(b);
    group->transform = Translation(Vec3(0, 100, 0));
    scene.Add(group);
    const std::vector<std::uint8_t> bytes = EncodeScene(scene.list);
    ASSERT_EQ(bytes.size(), 219u + 2 * (158 + 24));
    EXPECT_EQ(bytes[219 + 5], 1);
    EXPECT_EQ(bytes[219 + 182 + 5], 1);
    EXPECT_EQ(F32At(bytes, 219 + 158 + 4), 100.0f); // member points placed by the group
    EXPECT_EQ(a->groupNumber, 0);                   // cleared once written

    // Read back: one group object owning both members, at the same world place.
    OwnedList read;
    EXPECT_EQ(Reencode(bytes, read), bytes);
    ASSERT_EQ(read.list.size(), 3u);
    EXPECT_EQ(read.list[0]->type, kTypeGroup);
    EXPECT_EQ(read.list[0]->children.size(), 2u);
    EXPECT_EQ(read.list[1]->parent, read.list[0]);
}

TEST(SceneFileRoundTrip, EveryDrawingKindRereadsToTheSameBytes) {
    OwnedList scene;
    const std::vector<std::pair<int, std::vector<Vec3>>> faces = {
        {kShapeSphere, {Vec3(1, 2, 3), Vec3(1, 2, 7.5)}},
        {kShapeRectangle, {Vec3(0, 0, 0), Vec3(3.3, 4.1, 0)}},
        {kShapeCylinder, {Vec3(0, 0, 0), Vec3(2, 0, 0), Vec3(2, 7, 0)}},
        {kShapeCone, {Vec3(0, 0, 0), Vec3(2, 3, 0), Vec3(2, 9, 0)}},
        {kShapeTorus, {Vec3(-4, 0, 1), Vec3(6, 0, 1), Vec3(6, 1.5, 1)}}};
    for (const auto& [shape, points] : faces) {
        auto* f = new CPolyface();
        f->Build(shape, points);
        f->transform = RotationY(33) * Translation(Vec3(0.1, 0.2, 0.3));
        scene.Add(f);
    }
    for (int shape : {kShapeLine, kShapeCurve, kShapeCircle}) {
        auto* l = new CPolyline();
        l->Build(shape, {Vec3(0.5, 0.25, 0), Vec3(9, 7, 1.5), Vec3(3, -2, 0)});
        scene.Add(l);
    }
    auto* text = new CText3D();
    text->text = "Load 25 lb"; // more than 255 stroke points
    text->Build({Vec3(3, 4, 5)});
    ASSERT_GT(text->strokes.size(), 255u);
    scene.Add(text);
    for (int kind = 0; kind <= 3; ++kind) {
        auto* d = new CDimension(kind);
        d->Build({Vec3(0, 0, 0), Vec3(30, 40, 0), Vec3(-3, 4, 0)}, 3);
        scene.Add(d);
    }
    const std::vector<std::uint8_t> first = EncodeScene(scene.list);
    OwnedList read;
    const std::vector<std::uint8_t> second = Reencode(first, read);
    ASSERT_EQ(second.size(), first.size());
    const auto diff = std::mismatch(first.begin(), first.end(), second.begin());
    EXPECT_TRUE(diff.first == first.end())
        << "first difference at byte " << (diff.first - first.begin());
    // The text kept every stroke although its count byte holds only the low byte.
    for (CSceneObject* o : read.list)
        if (o->type == kTypeText) {
            EXPECT_EQ(static_cast<CText3D*>(o)->strokes.size(), text->strokes.size());
            EXPECT_EQ(static_cast<CText3D*>(o)->text, "Load 25 lb");
        }
    // Drawing objects come back with their origin at their centre and the same world bounds.
    BoundingBox original, reread;
    scene.list[0]->CollectBounds(original);
    read.list[0]->CollectBounds(reread);
    EXPECT_NEAR(reread.min.x, original.min.x, 1e-5);
    EXPECT_NEAR(reread.max.z, original.max.z, 1e-5);
    EXPECT_NEAR(TranslationOf(read.list[0]->transform).y, 2.2, 1e-5); // centre, moved by 0.2
}

TEST(SceneFileSave, KeepsABackupAndNeverLeavesAHalfFile) {
    ScopedDataDirectory dir;
    OwnedList scene;
    const std::string path = dir.Path("scene.tvr");
    ASSERT_EQ(WriteSceneFile(path, scene.list), 1);
    auto* line = new CPolyline();
    line->points = {Vec3(), Vec3(1, 1, 1)};
    scene.Add(line);
    ASSERT_EQ(WriteSceneFile(path, scene.list), 1);
    EXPECT_EQ(ReadAll(dir.Path("scene.BAK")).size(), 219u);
    EXPECT_EQ(ReadAll(path).size(), 219u + 182u);

    // An extension that is not three characters long still loses its last four characters.
    ASSERT_EQ(WriteSceneFile(dir.Path("a.scene"), scene.list), 1);
    ASSERT_EQ(WriteSceneFile(dir.Path("a.scene"), scene.list), 1);
    EXPECT_EQ(ReadAll(dir.Path("a.s.BAK")).size(), 219u + 182u);

    // A folder that cannot be written: failure, and the previous file is untouched.
    const std::string locked = dir.Path("locked");
    ::mkdir(locked.c_str(), 0700);
    ASSERT_EQ(WriteSceneFile(locked + "/x.tvr", scene.list), 1);
    ::chmod(locked.c_str(), 0500);
    if (::access((locked + "/probe").c_str(), W_OK) != 0 && geteuid() != 0) {
        CObjectList empty;
        EXPECT_EQ(WriteSceneFile(locked + "/x.tvr", empty), 0);
        EXPECT_EQ(ReadAll(locked + "/x.tvr").size(), 219u + 182u);
    }
    ::chmod(locked.c_str(), 0700);
    EXPECT_EQ(WriteSceneFile(dir.Path("missing/x.tvr"), scene.list), 0);
    // No temporary files are left beside the targets.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path("")))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 4); // scene.tvr, scene.BAK, a.scene, a.s.BAK
}

TEST(SceneFileRead, RejectsWhatIsNotASceneFile) {
    OwnedList read;
    const SceneReadContext none{};
    EXPECT_EQ(ReadSceneFile("/nonexistent/x.tvr", read.list, none), 0);
    const std::vector<std::uint8_t> shortFile(40, 'T');
    EXPECT_EQ(DecodeScene(shortFile.data(), shortFile.size(), read.list, none), 0);
    std::vector<std::uint8_t> wrong = ExpectedHeader().b;
    wrong[0] = 'X';
    EXPECT_EQ(DecodeScene(wrong.data(), wrong.size(), read.list, none), 0);
    // A view count that runs past the end.
    std::vector<std::uint8_t> views = ExpectedHeader().b;
    views[60] = 0xFF;
    views[61] = 0x7F;
    EXPECT_EQ(DecodeScene(views.data(), views.size(), read.list, none), 0);
    views[61] = 0xFF; // negative
    EXPECT_EQ(DecodeScene(views.data(), views.size(), read.list, none), 0);
    EXPECT_TRUE(read.list.empty());
    // Version 3 files carry no view entries.
    ExpectedBytes old;
    old.text("Tavro", 56);
    old.f32(3.0f);
    EXPECT_EQ(DecodeScene(old.b.data(), old.b.size(), read.list, none), 1);
}

// A valid file of several kinds, cut at every length, then mangled: never a crash, never a read
// past the end (the sanitizer build checks that), only whole records kept.
TEST(SceneFileRead, TruncatedAndHostileFiles) {
    OwnedList scene;
    auto* sphere = new CPolyface();
    sphere->Build(kShapeSphere, {Vec3(), Vec3(0, 0, 1)});
    scene.Add(sphere);
    auto* text = new CText3D();
    text->text = "A";
    text->Build({});
    scene.Add(text);
    auto* d = new CDimension(kDimensionAligned);
    d->Build({Vec3(), Vec3(3, 4, 0)}, 0);
    scene.Add(d);
    const std::vector<std::uint8_t> good = EncodeScene(scene.list);
    std::vector<std::size_t> ends{219};
    while (ends.back() < good.size())
        ends.push_back(ends.back() + I32At(good, ends.back()));
    ASSERT_EQ(ends.size(), 4u);
    const std::size_t firstEnd = ends[1];

    for (std::size_t size = 0; size < good.size(); ++size) {
        OwnedList read;
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + size);
        EXPECT_EQ(DecodeScene(cut.data(), cut.size(), read.list, {}), size >= 219 ? 1 : 0);
        const auto whole = std::count_if(ends.begin() + 1, ends.end(),
                                         [size](std::size_t end) { return end <= size; });
        ASSERT_EQ(read.list.size(), static_cast<std::size_t>(whole)) << size;
    }

    auto decode = [](std::vector<std::uint8_t> bytes) {
        OwnedList read;
        DecodeScene(bytes.data(), bytes.size(), read.list, {});
        return read.list.size();
    };
    std::vector<std::uint8_t> bad = good;
    bad[219 + 152] = 0xFF; // vertex count far beyond the record
    bad[219 + 155] = 0x7F;
    EXPECT_EQ(decode(bad), 2u); // the sphere is skipped, the rest read
    bad = good;
    bad[219 + 160 + 182 * 12] = 200; // a face index past the vertices
    EXPECT_EQ(decode(bad), 2u);
    bad = good;
    bad[219 + 156] = 0xFF; // negative face count
    bad[219 + 159] = 0xFF;
    EXPECT_EQ(decode(bad), 2u);
    bad = good;
    bad[219] = 10; // a record length below the header: the whole records after it are read
    EXPECT_EQ(decode(bad), 2u);
    bad = good;
    bad[219 + 3] = 0x7F; // a length beyond the file
    EXPECT_EQ(decode(bad), 2u);
    bad = good;
    bad[219 + 5] = 255; // a group number: the members land in group 255
    EXPECT_EQ(decode(bad), 4u);
    bad = good;
    bad[firstEnd + 152] = 250; // a text length beyond the record
    EXPECT_EQ(decode(bad), 2u);
    for (std::uint8_t type : {4, 5, 6, 7, 8, 9, 200}) { // kinds without drawing data
        bad = good;
        bad[219 + 4] = type;
        EXPECT_EQ(decode(bad), 2u) << int(type);
    }

    // Random damage after the header.
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        bad = good;
        for (int k = 0; k < 8; ++k)
            bad[219 + random() % (bad.size() - 219)] = static_cast<std::uint8_t>(random());
        decode(bad);
    }
}

} // namespace
