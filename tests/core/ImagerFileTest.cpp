// Body imager files: each mode gives the figure the size dialogs give for the same values, the
// file's tokens and their codes, and the 3DS file written beside it.
#include "DocTestSupport.h"
#include "ExchangeTestSupport.h"

#include "human/Mannequin.h"
#include "io/ImagerFile.h"

#include <gtest/gtest.h>
#include <lib3ds/file.h>
#include <lib3ds/mesh.h>

namespace {

std::string Landmarks() {
    std::string text;
    for (int i = 0; i < 16; ++i)
        text += " 0 , " + std::to_string(i) + " , 0";
    return text;
}

void ExpectSameSize(const CAnthropometry& a, const CAnthropometry& b) {
    EXPECT_EQ(a.gender, b.gender);
    EXPECT_EQ(a.population, b.population);
    EXPECT_EQ(a.sizeRow, b.sizeRow);
    EXPECT_FLOAT_EQ(a.stature, b.stature);
    EXPECT_FLOAT_EQ(a.weight, b.weight);
    for (int i = 0; i < kScaledSegmentCount; ++i)
        EXPECT_EQ(a.scale[i], b.scale[i]) << i;
}

} // namespace

TEST(ImagerFile, TokensGiveTheirCodesAndBadOnesKeepTheDefaults) {
    ImagerRecord r = ParseImagerText("0 automatic JAPAN 97.5 thin HEAD 7" + Landmarks());
    EXPECT_EQ(r.gender, 0);
    EXPECT_EQ(r.mode, ImagerRecord::kAutomatic);
    EXPECT_EQ(r.population, 10);
    EXPECT_EQ(r.sizeRow, 4);
    EXPECT_EQ(r.bodyType, 0);
    EXPECT_EQ(r.selection, 1);
    EXPECT_EQ(r.childTable, 4); // 7 years
    EXPECT_EQ(r.landmarks[15], Vec3(0, 15, 0));

    r = ParseImagerText("1 automatic MARS 51 plump WHOLE adult" + Landmarks());
    EXPECT_EQ(r.population, 1); // unknown words leave the codes
    EXPECT_EQ(r.sizeRow, 2);
    EXPECT_EQ(r.bodyType, 1);
    EXPECT_EQ(r.childTable, -1);

    r = ParseImagerText("1 semi-automatic 180 nan 0 , 1 , 2");
    EXPECT_EQ(r.numbers, std::vector<double>{180}); // reading stops at the bad number
    EXPECT_EQ(r.landmarks[0], Vec3());
    r = ParseImagerText("7");
    EXPECT_EQ(r.gender, 1); // no such gender: a man

    EXPECT_EQ(ImagerOutputPath("/scans/a.3di/B.3DI"), "/scans/a.3di/B.3ds");
    EXPECT_EQ(ImagerOutputPath("c.3Di"), "c.3ds");
}

TEST(ImagerFile, EachModeBuildsTheFigureOfTheSizeDialogs) {
    RecordingReporter reporter;
    const CAnthropometryContext context{reporter};
    {
        // Automatic: as New Mannequin builds a 95th percentile heavy British man.
        auto figure = BuildImagerFigure(
            ParseImagerText("1 automatic BRITAIN 95 heavy WHOLE adult" + Landmarks()), reporter);
        ASSERT_TRUE(figure);
        CMannequin dialogs(0, 1, -1, 3, 2, 2, 0, 2, kSizeAutomatic, context);
        ExpectSameSize(figure->anthropometry, dialogs.anthropometry);
    }
    {
        auto figure = BuildImagerFigure(
            ParseImagerText("0 semi-automatic 171.5 64.25" + Landmarks()), reporter);
        ASSERT_TRUE(figure);
        CAnthropometry dialogs;
        dialogs.ScaleFromStatureAndWeight(0, 1, -1, 1, 171.5f, 64.25f);
        ExpectSameSize(figure->anthropometry, dialogs);
        EXPECT_EQ(figure->anthropometry.sizeRow, kCustomSizeRow);
    }
    {
        std::string lengths;
        float given[kScaledSegmentCount];
        for (int i = 0; i < kScaledSegmentCount; ++i) {
            given[i] = i == 15 ? 30.0f : 0.0f; // only the head is measured
            lengths += " " + std::to_string(given[i]);
        }
        auto figure =
            BuildImagerFigure(ParseImagerText("1 manual" + lengths + Landmarks()), reporter);
        ASSERT_TRUE(figure);
        CMannequin dialogs(0, 1, -1, 2, 1, 1, 0, 2, kSizeAutomatic, context);
        dialogs.anthropometry.ScaleFromSegmentLengths(1, dialogs.anthropometry.stature,
                                                      dialogs.anthropometry.weight, given);
        dialogs.anthropometry.ComputeStature();
        ExpectSameSize(figure->anthropometry, dialogs.anthropometry);
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(ImagerFile, OpeningOneWritesItsMeshesBesideItAsThreeDs) {
    TempFolder folder;
    const std::string path = folder.Path("scan.3DI");
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::fputs(("1 semi-automatic 180 80" + Landmarks()).c_str(), file);
    std::fclose(file);
    DocFixture d;
    EXPECT_EQ(d.doc.ConvertImagerFile(path), 1);
    EXPECT_FALSE(d.doc.IsModified());
    Lib3dsFile* written = lib3ds_file_load(folder.Path("scan.3ds").c_str());
    ASSERT_TRUE(written);
    int meshes = 0;
    for (Lib3dsMesh* m = written->meshes; m; m = m->next)
        ++meshes;
    lib3ds_file_free(written);
    EXPECT_EQ(meshes, kSegmentCount);

    EXPECT_EQ(d.doc.ConvertImagerFile(folder.Path("none.3di")), 0);
    EXPECT_EQ(d.reporter.messages.back(), "Cannot open 3D Imager file: " + folder.Path("none.3di"));
}
