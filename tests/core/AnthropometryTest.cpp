#include "anthro/Anthropometry.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// A scale file of `rows` size rows. Row r: stature 150 + 10 r, weight 50 + 5 r; segment i scale
// x = 1 + r/10 + i/100, y = 0.5 + r/10 + i/100, z = 2 + r/10 + i/100.
std::string ScaleFileText(int rows) {
    std::string text;
    char line[80];
    for (int r = 0; r < rows; ++r) {
        std::snprintf(line, sizeof line, "%d.5 %d 0 7 %g %g\n", r, r, 150.0 + 10 * r, 50.0 + 5 * r);
        text += line;
        for (int i = 0; i < 16; ++i) {
            std::snprintf(line, sizeof line, "%d %.2f %.2f %.2f\n", i, 1 + r / 10.0 + i / 100.0,
                          0.5 + r / 10.0 + i / 100.0, 2 + r / 10.0 + i / 100.0);
            text += line;
        }
    }
    return text;
}

class AnthropometryTest : public ::testing::Test {
protected:
    ScopedDataDirectory data;
    RecordingReporter reporter;
    CAnthropometry record;

    void ExpectVec(const Vec3& v, double x, double y, double z, double tol = 1e-5) {
        EXPECT_NEAR(v.x, x, tol);
        EXPECT_NEAR(v.y, y, tol);
        EXPECT_NEAR(v.z, z, tol);
    }
};

TEST_F(AnthropometryTest, DefaultsOfANewRecord) {
    for (const Vec3& s : record.scale)
        EXPECT_EQ(s, Vec3(0, 0, 0));
    EXPECT_EQ(record.gender, 1);
    EXPECT_EQ(record.bodyType, 1);
    EXPECT_EQ(record.population, 1);
    EXPECT_EQ(record.sizeRow, 999);
    EXPECT_EQ(record.stature, 0.0f);
    EXPECT_EQ(record.weight, 0.0f);
    EXPECT_EQ(record.childTable, 0);
}

TEST_F(AnthropometryTest, AverageMaleReadsTheThirdBlockOfTheUsaFile) {
    data.Write("usa2.dat", ScaleFileText(5));
    ASSERT_EQ(record.LoadFromDatabase(1, 1, -1, 2, 1, 0, reporter), 1);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_FLOAT_EQ(record.stature, 170.0f);
    EXPECT_FLOAT_EQ(record.weight, 60.0f);
    ExpectVec(record.scale[0], 1.2, 0.7, 2.2);
    ExpectVec(record.scale[15], 1.35, 0.85, 2.35);
    EXPECT_EQ(record.childTable, 0); // adults are recorded with child table 0
    EXPECT_EQ(record.sizeRow, 2);
    EXPECT_EQ(record.population, 1);
}

TEST_F(AnthropometryTest, HeavyFemaleWidensWidthsDepthsAndWeightOnly) {
    data.Write("usa3.dat", ScaleFileText(5));
    ASSERT_EQ(record.LoadFromDatabase(0, 1, -1, 4, 2, 0, reporter), 1);
    EXPECT_FLOAT_EQ(record.stature, 190.0f);
    EXPECT_NEAR(record.weight, 70.0 * 1.23, 1e-4); // 86.1 kg
    // Segment 3 of row 4: file (1.43, 0.93, 2.43); width and depth x 1.23.
    ExpectVec(record.scale[3], 1.7589, 0.93, 2.9889);
}

TEST_F(AnthropometryTest, ThinMaleNarrowsByItsOwnFactor) {
    data.Write("germany2.dat", ScaleFileText(1));
    ASSERT_EQ(record.LoadFromDatabase(1, 3, -1, 0, 0, 0, reporter), 1);
    EXPECT_NEAR(record.weight, 50.0 * 0.85, 1e-4);
    ExpectVec(record.scale[0], 0.85, 0.5, 1.7);
}

TEST_F(AnthropometryTest, HandSelectionReplacesOnlyThePalmsButStatureAndWeight) {
    data.Write("usa2.dat", ScaleFileText(5));
    for (Vec3& s : record.scale)
        s = Vec3(9, 9, 9);
    ASSERT_EQ(record.LoadFromDatabase(1, 1, -1, 1, 1, 6, reporter), 1);
    for (int i = 0; i < 16; ++i) {
        if (i == 12 || i == 13)
            continue;
        EXPECT_EQ(record.scale[i], Vec3(9, 9, 9)) << "segment " << i;
    }
    ExpectVec(record.scale[12], 1.22, 0.72, 2.22);
    ExpectVec(record.scale[13], 1.23, 0.73, 2.23);
    EXPECT_FLOAT_EQ(record.stature, 160.0f);
    EXPECT_FLOAT_EQ(record.weight, 55.0f);
}

TEST_F(AnthropometryTest, EachSelectionReplacesItsSegments) {
    data.Write("usa2.dat", ScaleFileText(1));
    const std::vector<std::vector<int>> expected = {
        {}, {15}, {1}, {0}, {2, 3}, {7, 8}, {12, 13}, {4}, {5, 6}, {9, 10}, {11, 14}};
    for (int selection = 1; selection <= 10; ++selection) {
        CAnthropometry r;
        ASSERT_EQ(r.LoadFromDatabase(1, 1, -1, 0, 1, selection, reporter), 1);
        for (int i = 0; i < 16; ++i) {
            const bool replaced = r.scale[i] != Vec3(0, 0, 0);
            const bool wanted = std::find(expected[selection].begin(), expected[selection].end(),
                                          i) != expected[selection].end();
            EXPECT_EQ(replaced, wanted) << "selection " << selection << " segment " << i;
        }
    }
}

TEST_F(AnthropometryTest, ChildTableChoosesTheChildFileWhateverThePopulation) {
    data.Write("mch65_75.dat", ScaleFileText(1));
    // Population 5 has no adult files and the gender is female: the child file still wins.
    ASSERT_EQ(record.LoadFromDatabase(0, 5, 4, 0, 1, 0, reporter), 1);
    EXPECT_FLOAT_EQ(record.stature, 150.0f);
    EXPECT_EQ(record.childTable, 4);
    EXPECT_EQ(record.GetScaleFilePath(), data.Path("mch65_75.dat"));
}

TEST_F(AnthropometryTest, ScaleFilePaths) {
    record.childTable = -1;
    record.gender = 1;
    record.population = 13;
    EXPECT_EQ(record.GetScaleFilePath(), data.Path("nasa2.dat"));
    record.gender = 0;
    record.population = 8;
    EXPECT_EQ(record.GetScaleFilePath(), data.Path("indian3.dat"));
    record.childTable = 9;
    EXPECT_EQ(record.GetScaleFilePath(), data.Path("mc115125.dat"));
    record.childTable = 0;
    EXPECT_EQ(record.GetScaleFilePath(), data.Path("mch2_35.dat"));
    record.childTable = -1;
    record.population = 7; // no files: the directory alone
    EXPECT_EQ(record.GetScaleFilePath(), data.Path(""));
}

TEST_F(AnthropometryTest, PopulationsWithoutFilesFailWithTheMessage) {
    data.Write("usa2.dat", ScaleFileText(5));
    ASSERT_EQ(record.LoadFromDatabase(1, 1, -1, 2, 1, 0, reporter), 1);
    const CAnthropometry loaded = record;
    for (int population : {0, 5, 7, 14, 32, 300, -1}) {
        reporter.messages.clear();
        EXPECT_EQ(record.LoadFromDatabase(0, population, -1, 1, 2, 0, reporter), 0);
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0], "Cannot open Scale data file.");
        EXPECT_EQ(reporter.captions[0], "Error");
        // The choice is stored, the size is not touched.
        EXPECT_EQ(record.gender, 0);
        EXPECT_EQ(record.sizeRow, 1);
        EXPECT_EQ(record.bodyType, 2);
        EXPECT_EQ(record.stature, loaded.stature);
        EXPECT_EQ(record.weight, loaded.weight);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(record.scale[i], loaded.scale[i]);
    }
}

// Every damaged file fails like a missing one and leaves the size alone.
TEST_F(AnthropometryTest, DamagedScaleFilesAreRejectedWithoutChangingTheRecord) {
    const std::string good = ScaleFileText(3);
    std::string longLine = good;
    longLine.replace(longLine.find('\n', 40), 1, std::string(85, ' ') + "\n");
    std::string badNumber = good;
    badNumber.replace(badNumber.find(" 170 "), 5, " 1x0 ");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"empty", ""},
        {"row missing", ScaleFileText(2)},
        {"row cut short", good.substr(0, good.size() - 30)},
        {"header only", ScaleFileText(2) + "0.5 0 0 7 170 60\n"},
        {"line too long", longLine},
        {"word instead of number", badNumber},
        {"not a number", ScaleFileText(2) + "0.5 0 0 7 nan 60\n" + ScaleFileText(1).substr(20)},
        {"negative scale", good.substr(0, good.rfind('\n', good.size() - 2) + 1) + "15 -1 1 1\n"},
        {"infinite weight", ScaleFileText(2) + "0.5 0 0 7 170 inf\n" + ScaleFileText(1).substr(20)},
        {"stature of 1e30", ScaleFileText(2) + "0.5 0 0 7 1e30 60\n" + ScaleFileText(1).substr(20)},
        {"binary garbage", std::string("\x7f"
                                       "ELF\0\0\xff\xfe",
                                       9) +
                               std::string(3000, '\x01')},
    };
    for (const auto& [what, text] : cases) {
        CAnthropometry r;
        r.scale[4] = Vec3(1, 2, 3);
        r.stature = 11.0f;
        r.weight = 22.0f;
        RecordingReporter rec;
        data.Write("usa2.dat", text);
        EXPECT_EQ(r.LoadFromDatabase(1, 1, -1, 2, 1, 0, rec), 0) << what;
        // The message names the file and the line after the usual text.
        ASSERT_EQ(rec.messages.size(), 1u) << what;
        EXPECT_EQ(rec.messages[0].rfind(
                      "Cannot open Scale data file.\n" + data.Path("usa2.dat") + ", line ", 0),
                  0u)
            << what << ": " << rec.messages[0];
        EXPECT_EQ(r.scale[4], Vec3(1, 2, 3)) << what;
        EXPECT_EQ(r.scale[0], Vec3(0, 0, 0)) << what;
        EXPECT_EQ(r.stature, 11.0f) << what;
        EXPECT_EQ(r.weight, 22.0f) << what;
    }
}

TEST_F(AnthropometryTest, OutOfRangeSizeRowsFail) {
    data.Write("usa2.dat", ScaleFileText(5));
    EXPECT_EQ(record.LoadFromDatabase(1, 1, -1, 5, 1, 0, reporter), 0);
    EXPECT_EQ(record.LoadFromDatabase(1, 1, -1, 999, 1, 0, reporter), 0);
    EXPECT_EQ(record.LoadFromDatabase(1, 1, -1, -1, 1, 0, reporter), 0);
    EXPECT_EQ(record.LoadFromDatabase(1, 1, -1, 2147483647, 1, 0, reporter), 0);
    EXPECT_EQ(reporter.messages.size(), 4u);
}

TEST_F(AnthropometryTest, WindowsLineEndingsAreAccepted) {
    std::string text = ScaleFileText(1);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.replace(at, 1, "\r\n");
    data.Write("usa2.dat", text);
    ASSERT_EQ(record.LoadFromDatabase(1, 1, -1, 0, 1, 0, reporter), 1);
    ExpectVec(record.scale[15], 1.15, 0.65, 2.15);
}

TEST_F(AnthropometryTest, SegmentDimensionsUseTheGendersReferenceTable) {
    record.gender = 1;
    record.scale[0] = Vec3(2, 1, 0.5);
    ExpectVec(record.GetSegmentDimensions(0), 70.2, 36.6, 11.1);
    record.gender = 0;
    record.scale[8] = Vec3(1, 1, 1);
    ExpectVec(record.GetSegmentDimensions(8), 8.9, 25.4, 8.89); // female right forearm depth
    record.scale[7] = Vec3(1, 1, 1);
    ExpectVec(record.GetSegmentDimensions(7), 8.9, 25.4, 8.9);
    ExpectVec(record.GetSegmentDimensions(16), 1, 1, 1);
    ExpectVec(record.GetSegmentDimensions(45), 1, 1, 1);
    ExpectVec(record.GetSegmentDimensions(-1), 1, 1, 1);
}

TEST_F(AnthropometryTest, SetSegmentDimensionsTakesTheDisplayUnit) {
    record.gender = 1;
    record.scale[0] = Vec3(1, 1, 1);
    // 10 in = 25.4 cm wide, 20 in = 50.8 cm long, 5 in = 12.7 cm deep.
    const Vec3 result = record.SetSegmentDimensions(0, 10, 20, 5, 0);
    ExpectVec(result, 25.4, 50.8, 12.7);
    ExpectVec(record.scale[0], 25.4 / 35.1, 50.8 / 36.6, 12.7 / 22.2);
    // In millimetres; a segment that had scale 0 still gets the requested size.
    const Vec3 neck = record.SetSegmentDimensions(1, 117, 140, 58.5, 4);
    ExpectVec(neck, 11.7, 14.0, 5.85);
    ExpectVec(record.scale[1], 1.0, 2.0, 0.5);
    // Only the named segment changes.
    EXPECT_EQ(record.scale[2], Vec3(0, 0, 0));
}

TEST_F(AnthropometryTest, StatureIsTheLongerChain) {
    for (Vec3& s : record.scale)
        s = Vec3(1, 1, 1);
    record.gender = 1;
    // 19.7 + 7 + 36.6 + 18.5 + 42.4 + 41.1 + 9.3 = 174.6 on both sides.
    EXPECT_NEAR(record.ComputeStature(), 174.6, 1e-4);
    record.scale[6].y = 1.1; // right thigh 46.64: the right chain is 178.84
    EXPECT_NEAR(record.ComputeStature(), 178.84, 1e-4);
    EXPECT_NEAR(record.stature, 178.84, 1e-4);
    record.scale[2].y = 3.0; // arms are not in the stature
    EXPECT_NEAR(record.ComputeStature(), 178.84, 1e-4);
}

TEST_F(AnthropometryTest, ScaleFromSegmentLengths) {
    for (Vec3& s : record.scale)
        s = Vec3(7, 7, 7);
    record.population = 9;
    record.bodyType = 2;
    record.childTable = 3;
    float lengths[16] = {};
    lengths[5] = 50.52f; // female thigh 42.1 -> 1.2
    lengths[15] = 9.15f; // female head 18.3 -> 0.5
    lengths[2] = -3.0f;
    record.ScaleFromSegmentLengths(0, 165.0f, 58.0f, lengths);
    ExpectVec(record.scale[5], 1.2, 1.2, 1.2);
    ExpectVec(record.scale[15], 0.5, 0.5, 0.5);
    EXPECT_EQ(record.scale[2], Vec3(7, 7, 7));
    EXPECT_EQ(record.scale[0], Vec3(7, 7, 7));
    EXPECT_EQ(record.gender, 0);
    EXPECT_EQ(record.population, 1);
    EXPECT_EQ(record.bodyType, 1);
    EXPECT_EQ(record.sizeRow, 999);
    EXPECT_EQ(record.childTable, 0);
    EXPECT_FLOAT_EQ(record.stature, 165.0f);
    EXPECT_FLOAT_EQ(record.weight, 58.0f);
}

TEST_F(AnthropometryTest, SemiAutomaticScaleOfTheReferenceFiguresIsOne) {
    record.ScaleFromStatureAndWeight(1, 1, -1, 1, 174.8f, 78.0f);
    for (const Vec3& s : record.scale)
        ExpectVec(s, 1, 1, 1, 1e-6);
    EXPECT_EQ(record.sizeRow, 999);
    record.ScaleFromStatureAndWeight(0, 2, -1, 1, 175.84f, 71.2f);
    for (const Vec3& s : record.scale)
        ExpectVec(s, 1, 1, 1, 1e-6);
    EXPECT_EQ(record.population, 2);
}

TEST_F(AnthropometryTest, SemiAutomaticScaleByHand) {
    // Male 180 cm, 90 kg: s = sqrt(90 * 174.8 / 180 * 0.012820513) = 1.0585428,
    // length 180 * 0.0057208235 = 1.0297482.
    record.ScaleFromStatureAndWeight(1, 1, -1, 1, 180.0f, 90.0f);
    ExpectVec(record.scale[9], 1.0585428, 1.0297482, 1.0585428, 1e-6);
    // Female 160 cm, 60 kg: s = sqrt(60 * 175.84 / 160 * 0.014044944) = 0.9623532,
    // length 160 * 0.005686988 = 0.9099181.
    record.ScaleFromStatureAndWeight(0, 1, -1, 1, 160.0f, 60.0f);
    ExpectVec(record.scale[0], 0.9623532, 0.9099181, 0.9623532, 1e-6);
}

TEST_F(AnthropometryTest, SemiAutomaticScaleIgnoresAZeroStature) {
    record.scale[3] = Vec3(1, 2, 3);
    record.ScaleFromStatureAndWeight(1, 1, -1, 1, 0.0f, 80.0f);
    EXPECT_EQ(record.scale[3], Vec3(1, 2, 3));
}

// Stand-in for the two dialogs: records what it was shown and answers as told.
class StandInDialogs : public CAnthropometryDialogs {
public:
    bool EditStatureAndWeight(double& stature, double& weightPounds, int lengthUnit) override {
        shownStature = stature;
        shownWeight = weightPounds;
        shownUnit = lengthUnit;
        ++semiAutomaticCalls;
        stature = enteredStature;
        weightPounds = enteredWeight;
        return confirm;
    }
    bool EditSegmentDimensions(CAnthropometry& record, int lengthUnit) override {
        ++manualCalls;
        shownUnit = lengthUnit;
        // The user lengthens the left thigh to 50 (display unit) and the stature follows.
        const Vec3 d = record.GetSegmentDimensions(5);
        record.SetSegmentDimensions(5, ConvertTo(d.x, lengthUnit), 50.0, ConvertTo(d.z, lengthUnit),
                                    lengthUnit);
        record.ComputeStature();
        return confirm;
    }
    static double ConvertTo(double cm, int unit) { return unit == 3 ? cm : cm / 2.54; }

    double shownStature = 0, shownWeight = 0;
    int shownUnit = -1;
    double enteredStature = 0, enteredWeight = 0;
    bool confirm = true;
    int semiAutomaticCalls = 0, manualCalls = 0;
};

TEST_F(AnthropometryTest, SemiAutomaticCustomizeShowsAndTakesDisplayUnits) {
    data.Write("usa2.dat", ScaleFileText(5));
    StandInDialogs dialogs;
    const CAnthropometryContext context{reporter, &dialogs, 3};
    // A record never loaded is loaded first: row 2 gives 170 cm, 60 kg.
    dialogs.enteredStature = 180.0; // cm
    dialogs.enteredWeight = 200.0;  // lb -> 200 * 0.4535923 = 90.71846 kg
    ASSERT_EQ(record.Customize(1, 1, -1, 2, 1, 0, 1, context), 1);
    EXPECT_NEAR(dialogs.shownStature, 170.0, 1e-4);
    EXPECT_NEAR(dialogs.shownWeight, 60.0 * 2.204623, 1e-4); // 132.27738 lb
    EXPECT_EQ(dialogs.shownUnit, 3);
    EXPECT_NEAR(record.weight, 90.71846, 1e-4);
    EXPECT_FLOAT_EQ(record.stature, 180.0f);
    // s = sqrt(90.71846 * 174.8 / 180 * 0.012820513) = 1.0627595
    ExpectVec(record.scale[11], 1.0627595, 1.0297482, 1.0627595, 1e-5);
    EXPECT_EQ(record.sizeRow, 999);
    EXPECT_EQ(record.childTable, 0);
}

TEST_F(AnthropometryTest, SemiAutomaticCustomizeInInches) {
    // A loaded record is not read again in semi-automatic mode: no file is needed.
    record.ScaleFromStatureAndWeight(1, 1, -1, 1, 174.8f, 78.0f);
    StandInDialogs dialogs;
    dialogs.confirm = false;
    ASSERT_EQ(record.Customize(1, 1, -1, 2, 1, 0, 1, {reporter, &dialogs, 0}), 1);
    EXPECT_NEAR(dialogs.shownStature, 68.8189348, 1e-5); // 174.8 cm * 0.393701
    EXPECT_NEAR(dialogs.shownWeight, 171.960594, 1e-4);  // 78 kg * 2.204623
    // Cancelled: nothing changes but the size row.
    EXPECT_EQ(record.sizeRow, 999);
    ExpectVec(record.scale[0], 1, 1, 1, 1e-6);
    EXPECT_FLOAT_EQ(record.stature, 174.8f);
    EXPECT_EQ(record.childTable, 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(AnthropometryTest, ManualCustomizeKeepsOrRestoresTheEdits) {
    data.Write("usa2.dat", ScaleFileText(5));
    StandInDialogs dialogs;
    ASSERT_EQ(record.Customize(1, 1, -1, 2, 1, 0, 2, {reporter, &dialogs, 3}), 1);
    EXPECT_EQ(dialogs.manualCalls, 1);
    EXPECT_EQ(record.sizeRow, 999);
    ExpectVec(record.scale[5], 1.25, 50.0 / 42.4, 2.25);

    const CAnthropometry before = record;
    dialogs.confirm = false;
    ASSERT_EQ(record.Customize(1, 1, -1, 2, 1, 0, 2, {reporter, &dialogs, 0}), 1);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(record.scale[i], before.scale[i]);
    EXPECT_EQ(record.stature, before.stature);
    EXPECT_EQ(record.sizeRow, 2); // the stored choice; only OK makes it custom
}

TEST_F(AnthropometryTest, HeadlessCustomizeLoadsAutomaticallyAndCancelsDialogs) {
    data.Write("usa2.dat", ScaleFileText(5));
    ASSERT_EQ(record.Customize(1, 1, -1, 3, 1, 0, 0, {reporter}), 1);
    EXPECT_FLOAT_EQ(record.stature, 180.0f);
    const CAnthropometry before = record;
    ASSERT_EQ(record.Customize(1, 1, -1, 3, 1, 0, 2, {reporter}), 1);
    EXPECT_EQ(record.scale[5], before.scale[5]);
}

TEST_F(AnthropometryTest, CustomizeFailsWhenTheFileCannotBeRead) {
    StandInDialogs dialogs;
    EXPECT_EQ(record.Customize(1, 5, -1, 2, 1, 0, 0, {reporter, &dialogs}), 0);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Cannot open Scale data file."});
    // A record that was never loaded must be read even in semi-automatic mode.
    EXPECT_EQ(record.Customize(1, 5, -1, 2, 1, 0, 1, {reporter, &dialogs}), 0);
    EXPECT_EQ(dialogs.semiAutomaticCalls, 0);
}

TEST(PopulationTablesTest, NamesLabelsAndFiles) {
    EXPECT_STREQ(PopulationDisplayName(1), "USA (1988 US Army)");
    EXPECT_STREQ(PopulationDisplayName(7), "HongKong");
    EXPECT_STREQ(PopulationDisplayName(13), "NASA STD-3000");
    EXPECT_STREQ(PopulationDisplayName(0), "");
    EXPECT_STREQ(PopulationDisplayName(20), "");
    EXPECT_STREQ(PopulationDisplayName(33), "USA");
    EXPECT_STREQ(PopulationDisplayName(42), "USA");
    EXPECT_STREQ(PopulationDisplayName(43), "");
    EXPECT_STREQ(AgeLabel(33), "3 yrs");
    EXPECT_STREQ(AgeLabel(42), "12 yrs");
    EXPECT_STREQ(AgeLabel(1), "Adult");
    EXPECT_STREQ(AgeLabel(43), "Adult");
    EXPECT_STREQ(SizeRowLabel(0), "2.5%");
    EXPECT_STREQ(SizeRowLabel(1), "5.0%");
    EXPECT_STREQ(SizeRowLabel(4), "97.5%");
    EXPECT_STREQ(SizeRowLabel(999), "");
    EXPECT_STREQ(AdultScaleFileName(11, 1), "schina2.dat");
    EXPECT_STREQ(AdultScaleFileName(12, 0), "neurope3.dat");
    EXPECT_STREQ(AdultScaleFileName(5, 1), "");
    EXPECT_STREQ(ChildScaleFileName(7), "mch95105.dat");
    EXPECT_STREQ(ChildScaleFileName(10), "");
}

TEST(PopulationTablesTest, StatureChainIsHeadToFeet) {
    for (int i : {15, 1, 0, 4, 5, 6, 9, 10, 11, 14})
        EXPECT_TRUE(IsStatureChainSegment(i)) << i;
    for (int i : {2, 3, 7, 8, 12, 13, 16, -1})
        EXPECT_FALSE(IsStatureChainSegment(i)) << i;
}

} // namespace
