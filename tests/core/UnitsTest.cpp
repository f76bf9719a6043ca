#include "biomech/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(UnitsTest, LengthFactorsAreTheProgramsRoundedOnes) {
    // 1 inch in feet is 0.083333 (not 1/12); back to inches 0.083333 * 12 = 0.999996.
    EXPECT_DOUBLE_EQ(ConvertLength(kInches, 1.0, kFeet), 0.083333);
    EXPECT_DOUBLE_EQ(ConvertLength(kFeet, 0.083333, kInches), 0.999996);
    EXPECT_DOUBLE_EQ(ConvertLength(kInches, 2.0, kMetres), 0.0508);
    EXPECT_DOUBLE_EQ(ConvertLength(kInches, 10.0, kCentimetres), 25.4);
    EXPECT_DOUBLE_EQ(ConvertLength(kInches, 1.0, kMillimetres), 25.4);
    EXPECT_DOUBLE_EQ(ConvertLength(kFeet, 2.0, kMetres), 0.6096);
    EXPECT_DOUBLE_EQ(ConvertLength(kFeet, 1.0, kCentimetres), 30.48);
    EXPECT_DOUBLE_EQ(ConvertLength(kFeet, 1.0, kMillimetres), 304.8);
    EXPECT_DOUBLE_EQ(ConvertLength(kMetres, 1.0, kInches), 39.370079);
    EXPECT_DOUBLE_EQ(ConvertLength(kMetres, 1.0, kFeet), 3.28083989501);
    EXPECT_DOUBLE_EQ(ConvertLength(kMetres, 1.5, kCentimetres), 150.0);
    EXPECT_DOUBLE_EQ(ConvertLength(kMetres, 1.5, kMillimetres), 1500.0);
    // 174.8 cm * 0.393701 = 68.8189348 in
    EXPECT_DOUBLE_EQ(ConvertLength(kCentimetres, 174.8, kInches), 68.8189348);
    EXPECT_DOUBLE_EQ(ConvertLength(kCentimetres, 100.0, kFeet), 3.28083989501);
    EXPECT_DOUBLE_EQ(ConvertLength(kCentimetres, 250.0, kMetres), 2.5);
    EXPECT_DOUBLE_EQ(ConvertLength(kCentimetres, 2.5, kMillimetres), 25.0);
    EXPECT_DOUBLE_EQ(ConvertLength(kMillimetres, 1000.0, kInches), 39.3701);
    EXPECT_DOUBLE_EQ(ConvertLength(kMillimetres, 1000.0, kFeet), 3.281);
    EXPECT_DOUBLE_EQ(ConvertLength(kMillimetres, 250.0, kMetres), 0.25);
    EXPECT_DOUBLE_EQ(ConvertLength(kMillimetres, 25.0, kCentimetres), 2.5);
}

TEST(UnitsTest, LengthDiagonalAndUnknownCodesLeaveTheValue) {
    for (int code = 0; code < 5; ++code)
        EXPECT_EQ(ConvertLength(code, 3.25, code), 3.25);
    EXPECT_EQ(ConvertLength(-1, 3.25, kFeet), 3.25);
    EXPECT_EQ(ConvertLength(kInches, 3.25, 5), 3.25);
    EXPECT_EQ(ConvertLength(99, 3.25, 99), 3.25);
}

TEST(UnitsTest, ForceAndMomentFactors) {
    EXPECT_DOUBLE_EQ(ConvertForce(kPoundForce, 10.0, kNewton), 44.4822161526);
    EXPECT_DOUBLE_EQ(ConvertForce(kNewton, 100.0, kPoundForce), 22.48089431);
    EXPECT_EQ(ConvertForce(kNewton, 7.0, kNewton), 7.0);
    EXPECT_EQ(ConvertForce(kPoundForce, 7.0, 2), 7.0);
    EXPECT_DOUBLE_EQ(MomentToNewtonMetres(100.0), 11.29848);
    EXPECT_DOUBLE_EQ(MomentFromNewtonMetres(10.0), 88.50748031);
}

TEST(UnitsTest, Labels) {
    EXPECT_STREQ(LengthUnitLabel(kInches), "[in]");
    EXPECT_STREQ(LengthUnitLabel(kFeet), "[ft]");
    EXPECT_STREQ(LengthUnitLabel(kMetres), "[m]");
    EXPECT_STREQ(LengthUnitLabel(kCentimetres), "[cm]");
    EXPECT_STREQ(LengthUnitLabel(kMillimetres), "[mm]");
    EXPECT_STREQ(LengthUnitLabel(5), "");
    EXPECT_STREQ(ForceUnitLabel(kPoundForce), "[LbF]");
    EXPECT_STREQ(ForceUnitLabel(kNewton), "[N]");
    EXPECT_STREQ(MomentUnitLabel(kPoundForce), "[LbF.in]");
    EXPECT_STREQ(MomentUnitLabel(kNewton), "[N.m]");
    EXPECT_STREQ(SummaryForceUnitLabel(kNewton), "(N)");
    EXPECT_STREQ(SummaryMomentUnitLabel(kPoundForce), "(LbF.in)");
}

TEST(UnitsTest, FormatTrimmedDropsTrailingZeros) {
    EXPECT_EQ(FormatTrimmed(51.0, 4), "51");
    EXPECT_EQ(FormatTrimmed(12.5, 4), "12.5");
    EXPECT_EQ(FormatTrimmed(0.05, 4), "0.05");
    EXPECT_EQ(FormatTrimmed(0.0, 4), "0");
    EXPECT_EQ(FormatTrimmed(100.0, 1), "100");
    EXPECT_EQ(FormatTrimmed(-0.5, 4), "-0.5");
    EXPECT_EQ(FormatTrimmed(1.23456, 4), "1.2346");
    EXPECT_EQ(FormatTrimmed(1.99999, 2), "2");
    EXPECT_EQ(FormatTrimmed(250.0, 0), "250");
    EXPECT_EQ(FormatTrimmed(-0.00001, 4), "0");
}

TEST(UnitsTest, FormatTrimmedNegativeDecimalsUsesShortestForm) {
    EXPECT_EQ(FormatTrimmed(2.5, -1), "2.5");
    EXPECT_EQ(FormatTrimmed(1e-7, -1), "1e-07");
    EXPECT_EQ(FormatTrimmed(1234567.0, -1), "1.23457e+06");
}

TEST(UnitsTest, FormatTrimmedSurvivesExtremeValues) {
    EXPECT_EQ(FormatTrimmed(1e308, 2).size(), 309u);
    EXPECT_EQ(FormatTrimmed(1.0, 1000), "1");
}

} // namespace
