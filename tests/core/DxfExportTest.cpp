// DXF export: what an independent reader (ezdxf) finds in our file, and the Part's layout rules
// checked on the text itself.
#include "ExchangeTestSupport.h"

#include "core/ColourPalette.h"
#include "core/ObjectList.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "io/DxfExport.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// A polyline placed by its transform, a polyface holding two triangles as quadrilaterals, a
// dashed polyline of three points and a group object (a layer but no entity).
struct ExportScene {
    ExportScene() {
        auto* path = new CPolyline;
        path->SetName("Path");
        path->colour = PaletteColour(1);
        path->closed = 1;
        path->points = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
        path->transform = Translation({1, 2, 3});
        auto* plate = new CPolyface;
        plate->SetName("Plate");
        plate->colour = 0x123456; // outside the palette
        plate->vertices = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0.0000004}};
        plate->faces = {{0, 1, 2, 2}, {0, 2, 3, 3}};
        auto* dash = new CDashedPolyline;
        dash->SetName("Dash");
        dash->colour = PaletteColour(12);
        dash->points = {{0, 0, 0}, {0, 5, 0}, {0, 9, 9}};
        auto* group = new CSceneObject;
        group->SetName("Group");
        for (CSceneObject* o : {static_cast<CSceneObject*>(path), static_cast<CSceneObject*>(plate),
                                static_cast<CSceneObject*>(dash), group})
            o->AddToList(list);
    }
    ~ExportScene() { DeleteTopLevelObjects(list); }
    CObjectList list;
};

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(DxfExport, EzdxfReadsTheSameEntitiesLayersColoursAndCoordinates) {
    if (!HaveEzdxf())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    TempFolder folder;
    ExportScene scene;
    RecordingReporter reporter;
    const std::string path = folder.Path("scene.dxf");
    ASSERT_EQ(ExportDxf(scene.list, path, reporter, nullptr), kExchangeDone);
    const std::string read = CommandOutput(std::string(kSystemPython) + " " +
                                           ExchangeScript("read_export.py") + " " + path);
    EXPECT_EQ(read, "LAYER Path 1\n"
                    "LAYER Plate 16\n"
                    "LAYER Dash 12\n"
                    "LAYER Group 16\n"
                    "POLYLINE Path 1 3d 3 0 1 1.000000 2.000000 3.000000 11.000000 2.000000 "
                    "3.000000 11.000000 12.000000 3.000000\n"
                    "POLYLINE Plate 16 pface 4 2 0 0.000000 0.000000 0.000000 2.000000 0.000000 "
                    "0.000000 2.000000 2.000000 0.000000 0.000000 2.000000 0.000000\n"
                    "LINE Dash 12 0.000000 0.000000 0.000000 0.000000 5.000000 0.000000\n");
}

TEST(DxfExport, LayoutFollowsThePairRules) {
    TempFolder folder;
    RecordingReporter reporter;
    {
        CObjectList empty;
        const std::string path = folder.Path("empty.dxf");
        ASSERT_EQ(ExportDxf(empty, path, reporter, nullptr), kExchangeDone);
        EXPECT_EQ(FileText(path), "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\n"
                                  "TABLE\n2\nLAYER\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\n"
                                  "ENTITIES\n0\nENDSEC\n0\nEOF\n");
    }
    ExportScene scene;
    const std::string path = folder.Path("scene.dxf");
    ASSERT_EQ(ExportDxf(scene.list, path, reporter, nullptr), kExchangeDone);
    const std::string text = FileText(path);
    // Triangles stored with a repeated last index write three indices; 4e-7 is written as 0.
    EXPECT_NE(text.find("70\n128\n71\n1\n72\n2\n73\n3\n0\nVERTEX"), std::string::npos);
    EXPECT_EQ(text.find("\n74\n"), std::string::npos);
    EXPECT_NE(text.find("10\n0.000000\n20\n2.000000\n30\n0.000000\n70\n192"), std::string::npos);
    EXPECT_TRUE(reporter.messages.empty());

    // Cancel deletes the file; a folder that does not exist cannot be opened.
    CancellingProgress cancel(1);
    EXPECT_EQ(ExportDxf(scene.list, path, reporter, &cancel), kExchangeCancelled);
    EXPECT_FALSE(std::ifstream(path).good());
    EXPECT_EQ(ExportDxf(scene.list, folder.Path("none/x.dxf"), reporter, nullptr), kExchangeFailed);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Cannot open DXF file."});
}
