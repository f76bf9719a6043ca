#include "anthro/AnthropometrySummary.h"
#include "anthro/Anthropometry.h"

#include <gtest/gtest.h>

namespace {

CAnthropometry UnitFigure() {
    CAnthropometry record;
    for (Vec3& s : record.scale)
        s = Vec3(1.0, 1.0, 1.0);
    record.gender = 1;
    record.population = 1;
    record.sizeRow = 2;
    record.stature = 174.8f;
    record.weight = 78.0f;
    return record;
}

} // namespace

TEST(AnthropometrySummary, ReportLayoutAndNumbers) {
    const std::string text = AnthropometrySummaryText(UnitFigure());
    // 174.8 cm * 0.39370078 = 68.81889...; 78 kg * 2.2046 = 171.9588 lb.
    // Head of the male reference: 15.5 x 19.7 x 20.23 cm = 6.1024 x 7.7559 x 7.9646 in.
    const std::string expected = "Gender: \tMale\n"
                                 "Percentile: \t50%\n"
                                 "Height: \t68.8189\n"
                                 "Weight: \t171.9588\n"
                                 "Country: \tUSA (1988 US Army)\n"
                                 "Type: \tAdult\n"
                                 "Head: \tX\tY\tZ\n\t6.1024\t7.7559\t7.9646\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    // Ten rows, feet last: 9.9 x 9.3 x 26.7 cm.
    EXPECT_NE(text.find("Feet: \tX\tY\tZ\n\t3.8976\t3.6614\t10.5118\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6 + 2 * kSummaryRowCount);
}

TEST(AnthropometrySummary, CustomSizeAndChildFigure) {
    CAnthropometry record = UnitFigure();
    record.sizeRow = 999;
    record.gender = 0;
    record.population = 37; // 7 years
    const std::string text = AnthropometrySummaryText(record);
    EXPECT_NE(text.find("Gender: \tFemale\n"), std::string::npos);
    EXPECT_NE(text.find("Percentile: \t\n"), std::string::npos);
    EXPECT_NE(text.find("Country: \tUSA\n"), std::string::npos);
    EXPECT_NE(text.find("Type: \t7 yrs\n"), std::string::npos);
}
