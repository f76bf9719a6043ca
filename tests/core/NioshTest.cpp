#include "biomech/Niosh.h"
#include "biomech/LiftMeasure.h"
#include "document/BiomechDialogs.h"
#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "DocTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

// The revised NIOSH lifting equation against the Applications Manual (DHHS (NIOSH) 94-110):
// its Table 5 (frequency), Table 7 (coupling), the multiplier formulas and limits, and the
// origin of its Example 4.

namespace {

NioshInputs Lift(float h, float vOrigin, float vDestination) {
    NioshInputs in;
    in.hOrigin = in.hDestination = h;
    in.vOrigin = vOrigin;
    in.vDestination = vDestination;
    return in;
}

// Table 5 of the manual, rows F <= 0.2, 0.5, 1, 2, ..., 15 lifts/min; columns <= 1 h (V < 30,
// V >= 30), <= 2 h (V < 30, V >= 30), <= 8 h (V < 30, V >= 30).
const float kTable5[17][6] = {
    {1.00f, 1.00f, .95f, .95f, .85f, .85f}, {.97f, .97f, .92f, .92f, .81f, .81f},
    {.94f, .94f, .88f, .88f, .75f, .75f},   {.91f, .91f, .84f, .84f, .65f, .65f},
    {.88f, .88f, .79f, .79f, .55f, .55f},   {.84f, .84f, .72f, .72f, .45f, .45f},
    {.80f, .80f, .60f, .60f, .35f, .35f},   {.75f, .75f, .50f, .50f, .27f, .27f},
    {.70f, .70f, .42f, .42f, .22f, .22f},   {.60f, .60f, .35f, .35f, .18f, .18f},
    {.52f, .52f, .30f, .30f, .00f, .15f},   {.45f, .45f, .26f, .26f, .00f, .13f},
    {.41f, .41f, .00f, .23f, .00f, .00f},   {.37f, .37f, .00f, .21f, .00f, .00f},
    {.00f, .34f, .00f, .00f, .00f, .00f},   {.00f, .31f, .00f, .00f, .00f, .00f},
    {.00f, .28f, .00f, .00f, .00f, .00f}};
const float kRowFrequency[17] = {0.2f, 0.5f, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

} // namespace

TEST(Niosh, FrequencyMultiplierSweepsTheTablesBands) {
    // Each band (previous row, row] takes the row's value: test the row itself and a point
    // just inside the band; durations at and inside each band's bound; V on both sides of 30.
    const float durations[][2] = {{0.0f, 0}, {1.0f, 0}, {1.5f, 1}, {2.0f, 1}, {5.0f, 2}, {8.0f, 2}};
    for (int row = 0; row < 17; ++row) {
        const float below = row == 0 ? 0.0f : (kRowFrequency[row - 1] + kRowFrequency[row]) / 2;
        for (float f : {kRowFrequency[row], below})
            for (const auto& d : durations)
                for (int high = 0; high < 2; ++high) {
                    const float v = high ? 30.0f : 29.5f;
                    EXPECT_FLOAT_EQ(NioshFrequencyMultiplier(f, d[0], v),
                                    kTable5[row][2 * static_cast<int>(d[1]) + high])
                        << "F " << f << " D " << d[0] << " V " << v;
                }
    }
    EXPECT_EQ(NioshFrequencyMultiplier(15.5f, 0.5f, 40), 0.0f); // beyond the table
    EXPECT_EQ(NioshFrequencyMultiplier(1, 8.5f, 40), 0.0f);     // beyond 8 hours
    EXPECT_EQ(NioshFrequencyMultiplier(NAN, 1, 40), 0.0f);
}

TEST(Niosh, PublishedLimitsOfEachMultiplier) {
    // HM = 10 / H, H below 10 counts as 10, 0 beyond 25 in.
    EXPECT_FLOAT_EQ(NioshHorizontalMultiplier(6), 1.0f);
    EXPECT_FLOAT_EQ(NioshHorizontalMultiplier(20), 0.5f);
    EXPECT_FLOAT_EQ(NioshHorizontalMultiplier(25), 0.4f);
    EXPECT_EQ(NioshHorizontalMultiplier(25.5f), 0.0f);
    // VM = 1 - 0.0075 |V - 30|, 0 above 70 in.
    EXPECT_FLOAT_EQ(NioshVerticalMultiplier(30), 1.0f);
    EXPECT_FLOAT_EQ(NioshVerticalMultiplier(0), 0.775f);
    EXPECT_FLOAT_EQ(NioshVerticalMultiplier(70), 0.7f);
    EXPECT_EQ(NioshVerticalMultiplier(70.5f), 0.0f);
    // DM = 0.82 + 1.8 / D, at most 1 (D below 10 in), 0 beyond 70 in.
    EXPECT_FLOAT_EQ(NioshDistanceMultiplier(0), 1.0f);
    EXPECT_FLOAT_EQ(NioshDistanceMultiplier(-5), 1.0f);
    EXPECT_FLOAT_EQ(NioshDistanceMultiplier(40), 0.865f);
    EXPECT_FLOAT_EQ(NioshDistanceMultiplier(70), 0.82f + 1.8f / 70);
    EXPECT_EQ(NioshDistanceMultiplier(70.5f), 0.0f);
    // AM = 1 - 0.0032 A, 0 beyond 135 degrees.
    EXPECT_FLOAT_EQ(NioshAsymmetryMultiplier(90), 0.712f);
    EXPECT_FLOAT_EQ(NioshAsymmetryMultiplier(135), 0.568f);
    EXPECT_EQ(NioshAsymmetryMultiplier(136), 0.0f);
    // Table 7.
    EXPECT_FLOAT_EQ(NioshCouplingMultiplier(kCouplingGood, 20), 1.0f);
    EXPECT_FLOAT_EQ(NioshCouplingMultiplier(kCouplingFair, 29.9f), 0.95f);
    EXPECT_FLOAT_EQ(NioshCouplingMultiplier(kCouplingFair, 30), 1.0f);
    EXPECT_FLOAT_EQ(NioshCouplingMultiplier(kCouplingPoor, 50), 0.9f);
}

TEST(Niosh, EdgeCasesOfTheDialog) {
    // Ideal lift: everything at its best gives the load constant.
    NioshInputs ideal = Lift(10, 30, 30);
    NioshResult r = ComputeNiosh(ideal);
    EXPECT_FLOAT_EQ(r.origin.rwl, 51.0f);
    EXPECT_FLOAT_EQ(r.destination.rwl, 51.0f);

    // H = 6 is shown as 10 after computing, with HM = 1.
    NioshInputs close = Lift(6, 30, 30);
    r = ComputeNiosh(close);
    EXPECT_EQ(close.hOrigin, 10.0f);
    EXPECT_EQ(close.hDestination, 10.0f);
    EXPECT_FLOAT_EQ(r.origin.hm, 1.0f);

    // Faster than 15 lifts/min: no safe weight, and with a load no lifting index either.
    NioshInputs fast = Lift(10, 30, 30);
    fast.frequency = 16;
    fast.weight = 20;
    r = ComputeNiosh(fast);
    EXPECT_EQ(r.origin.rwl, 0.0f);
    EXPECT_EQ(r.destination.rwl, 0.0f);
    EXPECT_FALSE(r.origin.liDefined);
    EXPECT_EQ(FormatLiftingIndex(r.origin), "--");

    // F = 9.5 over 8 hours: the origin (V 25) is past the table's V < 30 column, the
    // destination (V 35) takes 0.13; Fair coupling 0.95 below 30 in, 1.0 above.
    NioshInputs split = Lift(10, 25, 35);
    split.frequency = 9.5f;
    split.duration = 8;
    split.coupling = kCouplingFair;
    r = ComputeNiosh(split);
    EXPECT_EQ(r.origin.fm, 0.0f);
    EXPECT_FLOAT_EQ(r.destination.fm, 0.13f);
    EXPECT_FLOAT_EQ(r.origin.cm, 0.95f);
    EXPECT_FLOAT_EQ(r.destination.cm, 1.0f);

    // Non-finite fields count as empty ones (0): nothing non-finite comes out.
    NioshInputs bad = Lift(NAN, INFINITY, 30);
    bad.weight = NAN;
    r = ComputeNiosh(bad);
    EXPECT_EQ(bad.hOrigin, 10.0f);
    EXPECT_EQ(bad.vOrigin, 0.0f);
    EXPECT_EQ(bad.weight, 0.0f);
    const std::string report = NioshReportText(bad, r);
    EXPECT_EQ(report.find("nan"), std::string::npos);
    EXPECT_EQ(report.find("inf"), std::string::npos);
}

TEST(Niosh, ExampleFourOfTheManualAtItsOrigin) {
    // Package inspection: V 22 in at the origin, 59 in at the destination (travel 37 in), H at
    // most 10 in, fair coupling, FM .88 (up to 3 lifts/min for up to an hour). The worksheet
    // prints 51 x 1.0 x .94 x .87 x 1.0 x .88 x .95 = 34.9 lb (34.8 at full precision).
    NioshInputs in = Lift(10, 22, 59);
    in.frequency = 3;
    in.duration = 1;
    in.coupling = kCouplingFair;
    in.weight = 20;
    const NioshResult r = ComputeNiosh(in);
    EXPECT_FLOAT_EQ(r.origin.vm, 0.94f);
    EXPECT_NEAR(r.origin.dm, 0.87f, 0.005f);
    EXPECT_FLOAT_EQ(r.origin.fm, 0.88f);
    EXPECT_FLOAT_EQ(r.origin.cm, 0.95f);
    EXPECT_NEAR(r.origin.rwl, 34.9f, 0.1f);
    EXPECT_NEAR(r.origin.rwl, 34.8f, 0.05f);
    EXPECT_NEAR(r.origin.li, 20.0f / 34.83f, 0.001f);
    // The destination is above 30 in: coupling 1.0.
    EXPECT_FLOAT_EQ(r.destination.cm, 1.0f);
}

TEST(Niosh, ReportTextWithTheLiftingIndex) {
    NioshInputs in = Lift(20, 30, 30); // HM 0.5: RWL 25.5 lb
    in.weight = 30;
    in.frequency = 0.2f;
    in.coupling = kCouplingPoor; // 0.9: RWL 22.95 lb
    const NioshResult r = ComputeNiosh(in);
    EXPECT_EQ(NioshReportText(in, r), "NIOSH Refised Lifting Equation Report :\n"
                                      "Measure\tUnit\twhen\tValue\n"
                                      "Weight\tLb\t\t30\n"
                                      "Frequency lift\tLifts/mn\t\t0.2\n"
                                      "duration\tHours\t\t0\n"
                                      "Hand to object coupling\t\t\tPoor\n"
                                      "Horizontal Distance\tInch\tOrigin\t20\n"
                                      "Horizontal Distance\tInch\tDestination\t20\n"
                                      "Vertical Distance\tInch\tOrigin\t30\n"
                                      "Vertical Distance\tInch\tDestination\t30\n"
                                      "Angle of asymmetry\tDegrees\tOrigin\t0\n"
                                      "Angle of asymmetry\tDegrees\tDestination\t0\n"
                                      "Recommended weigth limits\tLb\tOrigin\t22.95\n"
                                      "Recommended weigth limits\tLb\tDestination\t22.95\n"
                                      "Lifting index\t\tOrigin\t1.3072\n"
                                      "Lifting index\t\tDestination\t1.3072\n");
}

TEST(Niosh, DocumentMeasuresTheStoredPosturesAndLeavesTheFigureAsItWas) {
    RecordingReporter reporter;
    DocFixture f;
    auto* man = new CMannequin(0, kMale, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    ASSERT_EQ(man->valid, 1);
    f.doc.AddObject(man);
    man->Select();
    struct : CBiomechDialogs {
        bool EditForce(ForceFields&, const std::function<void(ForceFields&)>&) override {
            return false;
        }
        void ShowNiosh(NioshInputs& in, const std::function<NioshResult(NioshInputs&)>&) override {
            inputs = in;
            ++shown;
        }
        NioshInputs inputs;
        int shown = 0;
    } dialogs;
    f.doc.OnComputeNiosh(dialogs);
    EXPECT_EQ(f.reporter.messages,
              std::vector<std::string>{"Please set initial and final postures first."});
    EXPECT_EQ(dialogs.shown, 0);

    // Origin: standing with the arms at the sides; destination: arms raised overhead.
    const std::size_t depth = f.doc.UndoDepth();
    f.doc.OnSetPosture(false);
    f.doc.OnSetPosture(false); // only the first Set adds an undo step
    EXPECT_EQ(f.doc.UndoDepth(), depth + 1);
    ASSERT_EQ(man->ApplyStandardPosture(3), 1);
    man->UpdatePosture();
    f.doc.OnSetPosture(true);
    EXPECT_TRUE(f.doc.CanAnimate());
    const LiftPoint overhead = MeasureLiftPoint(*man);
    ASSERT_EQ(man->ApplyStandardPosture(7), 1); // bent forward: the figure's own posture
    man->UpdatePosture();
    const Vec3 chestAngles = man->GetSegment(kChest)->angles;

    f.doc.OnComputeNiosh(dialogs);
    ASSERT_EQ(dialogs.shown, 1);
    // Hands hang beside the thighs: well below the raised hands, within the reach of the
    // NIOSH table; the raised hands are above 70 in from the ankles.
    EXPECT_GT(dialogs.inputs.vOrigin, 20.0f);
    EXPECT_LT(dialogs.inputs.vOrigin, 40.0f);
    EXPECT_LT(dialogs.inputs.hOrigin, 10.0f);
    EXPECT_FLOAT_EQ(dialogs.inputs.vDestination, overhead.v);
    EXPECT_GT(dialogs.inputs.vDestination, 70.0f);
    EXPECT_EQ(man->GetSegment(kChest)->angles, chestAngles);

    // View brings the stored posture back with one undo step.
    f.doc.OnViewPosture(false);
    EXPECT_EQ(man->GetSegment(kChest)->angles, Vec3());
    EXPECT_EQ(f.doc.UndoDepth(), depth + 3);
}
