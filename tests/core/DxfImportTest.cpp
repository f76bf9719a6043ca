// DXF import: drawings written by ezdxf (R12 and R2018, ASCII and binary) against hand values,
// the reading rules for faces, arcs, layers, colours and units, and hostile files.
#include "DocTestSupport.h"
#include "ExchangeTestSupport.h"
#include "ExpectNear.h"

#include "core/ColourPalette.h"
#include "core/UserReporter.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "io/DxfGroups.h"
#include "io/DxfImport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The objects of an import by name (several per name in file order).
std::multimap<std::string, const CSceneObject*> ByName(const ObjectVector& objects) {
    std::multimap<std::string, const CSceneObject*> byName;
    for (const auto& o : objects)
        byName.emplace(o->name, o.get());
    return byName;
}

const std::vector<Vec3>& PointsOf(const CSceneObject* o) {
    return o->type == kTypePolyline ? static_cast<const CPolyline*>(o)->points
                                    : static_cast<const CPolyface*>(o)->vertices;
}

const CSceneObject* Only(const std::multimap<std::string, const CSceneObject*>& byName,
                         const std::string& name) {
    EXPECT_EQ(byName.count(name), 1u) << name;
    const auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

// ASCII DXF from its lines.
std::string Dxf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\n";
    return text;
}

ExchangeStatus ReadText(const std::string& text, ObjectVector& objects,
                        RecordingReporter& reporter) {
    return ReadDxfData(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), objects,
                       reporter);
}

const std::string kEdgeCases =
    Dxf({"0",  "SECTION", "2",  "TABLES",   "0",  "TABLE", "2",  "LAYER",  "70", "2",
         "0",  "LAYER",   "2",  "RED",      "70", "0",     "62", "1",      "0",  "LAYER",
         "2",  "ICE",     "70", "1",        "62", "7",     "0",  "ENDTAB", "0",  "ENDSEC",
         "0",  "SECTION", "2",  "ENTITIES", "0",  "SOLID", "8",  "S",      "10", "0",
         "20", "0",       "30", "0",        "11", "4",     "21", "0",      "31", "0",
         "12", "0",       "22", "3",        "32", "0",     "0",  "ARC",    "8",  "A",
         "10", "1",       "20", "2",        "30", "3",     "40", "2",      "50", "0",
         "51", "90",      "0",  "CIRCLE",   "8",  "C",     "10", "0",      "20", "0",
         "30", "0",       "40", "1",        "0",  "LINE",  "8",  "ICE",    "10", "0",
         "20", "0",       "11", "1",        "21", "0",     "0",  "LINE",   "8",  "RED",
         "10", "0",       "20", "0",        "30", "0",     "11", "25.4",   "21", "0",
         "31", "0",       "0",  "LINE",     "8",  "RED",   "62", "4",      "10", "0",
         "20", "0",       "11", "1",        "21", "0",     "0",  "ENDSEC", "0",  "EOF"});

} // namespace

TEST(DxfImport, ReadsEzdxfDrawingsOfEveryVersionAndEncoding) {
    if (!HaveEzdxf())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    TempFolder folder;
    for (const char* version : {"R12", "R2018"})
        for (const char* format : {"asc", "bin"}) {
            SCOPED_TRACE(std::string(version) + " " + format);
            const std::string path = folder.Path(std::string(version) + format + ".dxf");
            ASSERT_EQ(
                std::system((std::string(kSystemPython) + " " + ExchangeScript("write_drawing.py") +
                             " " + path + " " + version + " " + format)
                                .c_str()),
                0);
            ObjectVector objects;
            RecordingReporter reporter;
            ASSERT_EQ(ReadDxfFile(path, objects, reporter, nullptr), kExchangeDone);
            EXPECT_TRUE(reporter.messages.empty());
            const bool modern = std::string(version) != "R12";
            EXPECT_EQ(objects.size(), modern ? 13u : 9u);
            const auto byName = ByName(objects);
            EXPECT_EQ(byName.count("FROZEN") + byName.count("OFFL"), 0u);

            const CSceneObject* walls = Only(byName, "WALLS");
            ASSERT_TRUE(walls);
            EXPECT_EQ(walls->type, kTypePolyline);
            EXPECT_EQ(walls->colour, 0xA80000); // colour 1 of its layer
            ExpectVecNear(PointsOf(walls)[1], {25.4, 0, 0});

            const CSceneObject* face = Only(byName, "FACES");
            ASSERT_TRUE(face);
            EXPECT_EQ(face->colour, 0xA8A800);
            ExpectVecNear(PointsOf(face)[3], {0, 10, 5});

            const auto& solid = PointsOf(Only(byName, "SOLIDS"));
            ASSERT_EQ(solid.size(), 4u);
            ExpectVecNear(solid[1], {4, 0, 0});
            ExpectVecNear(solid[3], solid[2]); // three corners: the fourth repeats the third
            ExpectVecNear(solid[2], {0, 3, 0});

            const auto& arc = PointsOf(Only(byName, "ARCS")); // 90 degrees: 5 segments
            ASSERT_EQ(arc.size(), 6u);
            ExpectVecNear(arc[0], {5, 100, 0}, 1e-9);
            ExpectVecNear(arc[5], {0, 105, 0}, 1e-9);

            // Extrusion (0, 0, -1): object x and z point the other way.
            const auto& mirror = PointsOf(Only(byName, "MIRROR"));
            ASSERT_EQ(mirror.size(), 21u);
            ExpectVecNear(mirror[0], {-12, 0, -3}, 1e-9);
            ExpectVecNear(mirror[5], {-10, 2, -3}, 1e-9);

            const auto* pface = static_cast<const CPolyface*>(Only(byName, "PFACE"));
            ASSERT_EQ(pface->faces.size(), 2u);
            EXPECT_EQ(pface->faces[0][3], pface->faces[0][2]); // triangle
            ExpectVecNear(pface->vertices[pface->faces[1][2]], {2, 1, 0});

            const auto* mesh = static_cast<const CPolyface*>(Only(byName, "PMESH"));
            EXPECT_EQ(mesh->vertices.size(), 9u);
            EXPECT_EQ(mesh->faces.size(), 4u);
            ExpectVecNear(mesh->vertices[8], {2, 2, 4});

            // INSERT of PART at (200, 0, 0), scale 2, turned 90 degrees, colour 5; PART holds a
            // unit line and DOT at (1, 0); DOT a unit line up y in the colour of its insert.
            const auto& part = PointsOf(Only(byName, "PARTS"));
            ExpectVecNear(part[0], {200, 0, 0}, 1e-9);
            ExpectVecNear(part[1], {200, 2, 0}, 1e-9);
            const CSceneObject* inner = Only(byName, "INNER");
            EXPECT_EQ(inner->colour, PaletteColour(5));
            ExpectVecNear(PointsOf(inner)[0], {200, 2, 0}, 1e-9);
            ExpectVecNear(PointsOf(inner)[1], {198, 2, 0}, 1e-9);

            if (!modern)
                continue;
            const auto& square = PointsOf(Only(byName, "SQUARE")); // closed: back to the start
            ASSERT_EQ(square.size(), 4u);
            ExpectVecNear(square[3], {0, 0, 0});
            // Bulge 1 from (0, 0) to (10, 0): a half circle about (5, 0), counter-clockwise.
            const auto& bulge = PointsOf(Only(byName, "BULGE"));
            ASSERT_EQ(bulge.size(), 11u);
            ExpectVecNear(bulge[5], {5, -5, 0}, 1e-9);
            ExpectVecNear(bulge[10], {10, 0, 0});
            const auto& ellipse = PointsOf(Only(byName, "ELLIPSE"));
            ASSERT_EQ(ellipse.size(), 21u);
            ExpectVecNear(ellipse[0], {70, 50, 0}, 1e-9);
            ExpectVecNear(ellipse[5], {50, 60, 0}, 1e-9); // minor axis 0.5 x 20 along y
            // Four control points of degree 3 with clamped knots: a Bezier curve, whose
            // middle is (P0 + 3 P1 + 3 P2 + P3) / 8.
            const auto& spline = PointsOf(Only(byName, "SPLINE"));
            ASSERT_EQ(spline.size(), 41u);
            ExpectVecNear(spline[0], {0, 0, 0}, 1e-9);
            ExpectVecNear(spline[20], {20, 15, 0}, 1e-9);
            ExpectVecNear(spline[40], {40, 0, 0}, 1e-9);
        }
}

TEST(DxfImport, FacesArcsLayersAndColoursFollowTheReadingRules) {
    ObjectVector objects;
    RecordingReporter reporter;
    ASSERT_EQ(ReadText(kEdgeCases, objects, reporter), kExchangeDone);
    ASSERT_EQ(objects.size(), 5u); // the line on the frozen layer ICE stays out
    const auto byName = ByName(objects);
    // SOLID corners come in the order 1, 2, 4, 3.
    const auto& solid = PointsOf(Only(byName, "S"));
    ExpectVecNear(solid[2], {0, 3, 0});
    ExpectVecNear(solid[3], {0, 3, 0});
    EXPECT_EQ(PointsOf(Only(byName, "A")).size(), 6u);
    ExpectVecNear(PointsOf(Only(byName, "A"))[0], {3, 2, 3});
    EXPECT_EQ(PointsOf(Only(byName, "C")).size(), 21u);
    auto red = byName.equal_range("RED");
    EXPECT_EQ(red.first->second->colour, PaletteColour(1)); // by layer
    EXPECT_EQ(std::next(red.first)->second->colour, PaletteColour(4));
    EXPECT_EQ(red.first->second->groupNumber, 0); // the first layer of the table
}

TEST(DxfImport, BinaryIsKnownByItsSentinelAndReadsLikeAscii) {
    TempFolder folder;
    const std::string path = folder.Path("drawing.txt"); // the name says nothing
    RecordingReporter reporter;
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        CDxfGroupWriter out(file, true, reporter);
        for (const char* s : {"SECTION"})
            out.String(0, s);
        out.String(2, "ENTITIES");
        out.String(0, "3DFACE");
        out.String(8, "F");
        out.Point(10, 1, 2, 3);
        out.Point(11, 4, 5, 6);
        out.Point(12, 7, 8, 9);
        out.String(0, "ENDSEC");
        out.String(0, "EOF");
        std::fclose(file);
    }
    ObjectVector objects;
    ASSERT_EQ(ReadDxfFile(path, objects, reporter, nullptr), kExchangeDone);
    ASSERT_EQ(objects.size(), 1u);
    ExpectVecNear(PointsOf(objects[0].get())[3], {7, 8, 9}); // no fourth corner: the third
}

TEST(DxfImport, MalformedFilesAreReportedWithTheirLineAndKeepWhatWasRead) {
    struct Case {
        const char* what;
        std::string text;
        std::size_t objectsKept;
        const char* message;
    };
    const std::string head = Dxf(
        {"0", "SECTION", "2", "ENTITIES", "0", "LINE", "10", "0", "20", "0", "11", "1", "21", "0"});
    const Case cases[] = {
        {"a code that is no number", head + Dxf({"0", "LINE", "x1", "0"}), 1,
         "Error in DXF file on line 17."},
        {"a real that is no number", head + Dxf({"0", "LINE", "10", "1.5x"}), 1,
         "Error in DXF file on line 18."},
        {"a code outside the table", head + Dxf({"0", "LINE", "2000", "0"}), 1,
         "Error in DXF file on line 17."},
        {"not a number", head + Dxf({"0", "LINE", "10", "nan", "20", "0"}), 1,
         "Error in DXF file on line 18."},
        {"the end in the middle", head + Dxf({"0", "LINE", "10"}), 1,
         "Error in DXF file on line 18."}, // where the value should be
        {"an unknown block", head + Dxf({"0", "INSERT", "2", "NONE", "0", "ENDSEC", "0", "EOF"}), 1,
         "Error in DXF file on line 15."},
        {"a missing x", head + Dxf({"0", "LINE", "20", "0", "0", "ENDSEC", "0", "EOF"}), 1,
         "Error in DXF file on line 15."},
        {"a block inserting itself",
         Dxf({"0",  "SECTION", "2", "BLOCKS", "0",  "BLOCK",   "2",  "LOOP",     "10", "0",
              "20", "0",       "0", "LINE",   "10", "0",       "20", "0",        "11", "1",
              "21", "0",       "0", "INSERT", "2",  "LOOP",    "0",  "INSERT",   "2",  "LOOP",
              "0",  "ENDBLK",  "0", "ENDSEC", "0",  "SECTION", "2",  "ENTITIES", "0",  "INSERT",
              "2",  "LOOP",    "0", "ENDSEC", "0",  "EOF"}),
         kDxfMaxInsertDepth, "Error in DXF file on line 23."}, // the block's first INSERT
        {"a nameless block",
         Dxf({"0", "SECTION", "2", "BLOCKS", "0", "BLOCK", "10", "0", "20", "0", "0", "ENDBLK"}), 0,
         "BLOCK name missing."},
        {"a mesh larger than its vertices",
         head + Dxf({"0",  "POLYLINE", "70", "16", "71", "1000",   "72", "1000",   "0", "VERTEX",
                     "10", "0",        "20", "0",  "0",  "SEQEND", "0",  "ENDSEC", "0", "EOF"}),
         1, "Error in DXF file on line 15."},
        {"an empty file", "", 0, "Error in DXF file on line 0."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ObjectVector objects;
        RecordingReporter reporter;
        EXPECT_EQ(ReadText(c.text, objects, reporter), kExchangeFailed);
        EXPECT_EQ(objects.size(), c.objectsKept);
        ASSERT_FALSE(reporter.messages.empty());
        EXPECT_EQ(reporter.messages[0], c.message);
    }
}

TEST(DxfImport, EveryTruncationOfAFileIsReportedWithoutACrash) {
    for (std::size_t length = 0; length < kEdgeCases.size(); ++length) {
        ObjectVector objects;
        RecordingReporter reporter;
        const ExchangeStatus status = ReadText(kEdgeCases.substr(0, length), objects, reporter);
        // Reading ends with the entities section.
        if (status == kExchangeDone)
            EXPECT_GE(length, kEdgeCases.rfind("ENDSEC") + 6) << length;
        else
            EXPECT_FALSE(reporter.messages.empty()) << length;
        EXPECT_LE(objects.size(), 5u);
    }
    // A line of a megabyte is read through and cut to its first 255 bytes.
    ObjectVector objects;
    RecordingReporter reporter;
    EXPECT_EQ(ReadText(Dxf({"0", "SECTION", "2"}) + std::string(1 << 20, 'A') +
                           Dxf({"", "0", "ENDSEC", "0", "EOF"}),
                       objects, reporter),
              kExchangeDone);
}

namespace {

// A document whose imports answer with these units and show a cancelling progress display.
class ExchangeViews : public RecordingViews {
public:
    bool ChooseImportUnits(int& code) override {
        code = unitCode;
        return true;
    }
    std::unique_ptr<CExchangeProgress> BeginProgress(const std::string& title) override {
        titles.push_back(title);
        return cancelAt ? std::make_unique<CancellingProgress>(cancelAt) : nullptr;
    }
    int unitCode = 0;
    int cancelAt = 0;
    std::vector<std::string> titles;
};

struct ExchangeDoc {
    ExchangeViews views;
    RecordingReporter reporter;
    CSceneClipboard clipboard;
    CGlobalSettings settings;
    CTavroDoc doc{views, reporter, clipboard, settings};
};

} // namespace

TEST(DxfImportCommand, ScalesByTheUnitsAddsOneUndoStepAndCancelLeavesTheSceneAlone) {
    TempFolder folder;
    const std::string path = folder.Path("mm.dxf");
    std::string text = Dxf({"0", "SECTION", "2", "ENTITIES"});
    for (int i = 0; i < 40; ++i) // enough lines for the progress display to be asked
        text += Dxf({"0", "LINE", "8", "L", "10", "0", "20", "0", "11", "25.4", "21", "0"});
    text += Dxf({"0", "ENDSEC", "0", "EOF"});
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);

    ExchangeDoc d;
    d.views.unitCode = 2; // millimetres
    d.views.nextPath = path;
    d.doc.OnImportDxf();
    ASSERT_EQ(d.doc.Objects().size(), 40u);
    EXPECT_EQ(d.views.filters.back(), kFilterDxf);
    EXPECT_EQ(d.doc.UndoDepth(), 1u);
    EXPECT_TRUE(d.doc.IsModified());
    const auto* line = static_cast<const CPolyline*>(d.doc.Objects()[0]);
    const Matrix4 world = WorldMatrix(*line);
    EXPECT_NEAR(
        Distance(TransformPoint(world, line->points[0]), TransformPoint(world, line->points[1])),
        1.0, 1e-12);                                              // 25.4 mm
    ExpectVecNear(TransformPoint(world, {0, 0, 0}), {0.5, 0, 0}); // origin at the centre

    d.views.cancelAt = 1;
    EXPECT_EQ(d.doc.ImportDxf(path, 0), 0);
    EXPECT_EQ(d.doc.Objects().size(), 40u);
    EXPECT_EQ(d.doc.UndoDepth(), 1u);
    EXPECT_EQ(d.views.titles.back(), "DXF");

    d.doc.OnUndo(); // the whole import goes in one step
    EXPECT_TRUE(d.doc.Objects().empty());
}
