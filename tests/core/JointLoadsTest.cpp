#include "biomech/Force.h"
#include "biomech/SegmentReadouts.h"
#include "human/Mannequin.h"

#include "ExpectNear.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <cmath>

// Statics of the hand-made fixture figure (FigureFixture.h), checked against lever-arm
// arithmetic written out here. Gravity is the default (0, -9.81, 0) m/s^2, so a pound of mass
// weighs k = 9.81 / 9.80665 lbf.

namespace {

const double k = 9.81 * 0.101971634; // lbf per lb under the default gravity
// The program's degree factor (0.0174532925) leaves about 2e-9 of a quarter turn's cosine.
const double kTol = 1e-6;

// Fixture with no mass anywhere except what a test gives.
std::unique_ptr<CMannequin> MasslessFigure() {
    auto figure = MakeFixtureFigure();
    for (int s = 0; s < kMainSegmentCount; ++s)
        figure->GetSegment(s)->mass = 0.0f;
    return figure;
}

// Left forearm turned -90 degrees about x so that it points forward (+z): the elbow at
// (8, 10, 0), the wrist 10 in ahead of it. Forearm 3 lb with its mass centre 6 in from the
// elbow, palm 1 lb with its mass centre 3 in beyond the wrist, and 20 lbf straight down at the
// palm's mass centre. In the forearm's (and palm's) frame, world "down" (0, -1, 0) is
// RotationX(90) * (0, -1, 0) = (0, 0, -1).
std::unique_ptr<CMannequin> ForearmHeldForward() {
    auto figure = MasslessFigure();
    CBodyPart& forearm = *figure->GetSegment(kLeftForearm);
    forearm.angles = {-90, 0, 0};
    forearm.jointRotation = RotationX(-90);
    forearm.mass = 3.0f;
    forearm.massCentre = {0, -6, 0};
    CBodyPart& palm = *figure->GetSegment(kLeftPalm);
    palm.mass = 1.0f;
    palm.massCentre = {0, -3, 0};
    figure->AddForce(kLeftPalm, kForceExternal, {0, -3, 0}, {0, 0, -20}, {}, nullptr, false);
    return figure;
}

} // namespace

TEST(JointLoads, ForearmHeldForwardGivesTheLeverArmMomentAtTheElbow) {
    auto figure = ForearmHeldForward();
    const CBodyPart& forearm = *figure->GetSegment(kLeftForearm);
    // Force: forearm, palm and load, all straight down; in the forearm's frame down is -z.
    const double force = 3 * k + 1 * k + 20;
    ExpectVecNear(forearm.GetJointForce(true, false), {0, 0, -force}, kTol);
    // Moment about the elbow: arms 6 in (forearm), 13 in (palm and load); (0,0,L) x (0,-W,0)
    // = (L W, 0, 0), the same in the forearm's frame.
    const double moment = 6 * 3 * k + 13 * (1 * k + 20);
    EXPECT_NEAR(moment, 291.0106, 1e-4);
    ExpectVecNear(forearm.GetJointMoment(true, false, true), {moment, 0, 0}, kTol);
    // About the forearm's mass centre (6 in out) instead: 6 * force less.
    ExpectVecNear(forearm.GetJointMoment(true, false, false), {moment - 6 * force, 0, 0}, kTol);
    // Without the distal segments only the forearm's own weight remains.
    ExpectVecNear(forearm.GetJointForce(false, false), {0, 0, -3 * k}, kTol);
    // The words follow the signs; components across the turned axes are nothing, not noise.
    EXPECT_EQ(forearm.forceNames[0], "--");
    EXPECT_EQ(forearm.forceNames[1], "--");
    EXPECT_EQ(forearm.forceNames[2], "Shear back");
    EXPECT_EQ(forearm.momentNames[0], "Extension");
    // The wrist carries the palm and the load, 3 in out.
    const CBodyPart& palm = *figure->GetSegment(kLeftPalm);
    ExpectVecNear(palm.GetJointMoment(true, false, true), {3 * (k + 20), 0, 0}, kTol);
}

TEST(JointLoads, HangingPalmCarriesItsWeightAndTheForearmAddsItsOwn) {
    auto figure = MasslessFigure();
    figure->GetSegment(kLeftPalm)->mass = 1.5f;
    figure->GetSegment(kLeftForearm)->mass = 2.0f;
    ExpectVecNear(figure->GetSegment(kLeftPalm)->GetJointForce(true, false), {0, -1.5 * k, 0},
                  kTol);
    ExpectVecNear(figure->GetSegment(kLeftForearm)->GetJointForce(true, false), {0, -3.5 * k, 0},
                  kTol);
    EXPECT_EQ(figure->GetSegment(kLeftPalm)->forceNames[1], "--"); // words wait for a refresh
    figure->UpdateLoadLabels();
    EXPECT_EQ(figure->GetSegment(kLeftPalm)->forceNames[1], "Extension");
    EXPECT_EQ(figure->GetSegment(kAbdomen)->forceNames[1], "--");
    EXPECT_EQ(figure->GetSegment(kFirstLeftFinger)->momentNames[0], "--");
}

TEST(JointLoads, ResultantIsTheBodyWeightPlusTheExternalLoadsWhateverThePosture) {
    auto figure = ForearmHeldForward(); // 20 lbf down in the world
    double bodyMass = 0.0;
    for (int s = 0; s < kMainSegmentCount; ++s) {
        CBodyPart& part = *figure->GetSegment(s);
        part.mass = static_cast<float>(s + 1); // 1 .. 16 lb, 136 in all
        part.massCentre = {0.5, -1.0, 0.25};
        bodyMass += part.mass;
    }
    figure->GetSegment(kChest)->jointRotation = RotationZ(30);
    figure->GetSegment(kRightLeg)->jointRotation = RotationX(40);
    figure->GetSegment(kHead)->jointRotation = RotationY(70) * RotationX(20);
    // 5 lbf along the head's x; the head's frame turns with the chest, neck and head joints.
    CForce* onHead =
        figure->AddForce(kHead, kForceExternal, {0, 4, 0}, {5, 0, 0}, {}, nullptr, false);
    // The figure lies on its back: placed by RotationX(90), so the world's "down" is +z in
    // its own coordinates (RotationX(-90) * (0, -1, 0) = (0, 0, 1)).
    figure->transform = RotationX(90);
    Vec3 force, moment;
    figure->GetResultantLoad(false, force, moment);
    // The head's 5 lbf: its x axis in figure coordinates is chest * neck * head applied to x.
    const Vec3 headLoad =
        TransformDirection(RotationZ(30) * RotationY(70) * RotationX(20), Vec3(5, 0, 0));
    // The palm's 20 lbf is (0, -20, 0) in the chest's frame, which is turned by 30 degrees.
    const Vec3 palmLoad(20 * std::sin(30 * M_PI / 180), -20 * std::cos(30 * M_PI / 180), 0);
    ExpectVecNear(force, Vec3(0, 0, bodyMass * k) + palmLoad + headLoad, kTol);
    EXPECT_NEAR(Length(headLoad), 5.0, 1e-12);

    // Moved to the other side of the head the load changes nothing of the resultant force.
    onHead->location = {0, -4, 0};
    Vec3 again, unused;
    figure->GetResultantLoad(false, again, unused);
    ExpectVecNear(again, force, kTol);
}

TEST(JointLoads, MomentChangesSignWhenTheLoadMovesToTheOtherSide) {
    auto figure = MasslessFigure();
    // Symmetric arms: their weights balance about the lower back.
    figure->GetSegment(kLeftArm)->mass = figure->GetSegment(kRightArm)->mass = 5.0f;
    CForce* load =
        figure->AddForce(kChest, kForceExternal, {6, 5, 0}, {0, -10, 0}, {}, nullptr, false);
    const CBodyPart& chest = *figure->GetSegment(kChest);
    // (6, 5, 0) x (0, -10, 0) = (0, 0, -60): the trunk bends to the left (+x).
    ExpectVecNear(chest.GetJointMoment(true, false, true), {0, 0, -60}, kTol);
    EXPECT_EQ(chest.momentNames[2], "Bend left");
    figure->EditForce(*load, {-6, 5, 0}, {0, -10, 0}, {});
    ExpectVecNear(chest.GetJointMoment(true, false, true), {0, 0, 60}, kTol);
    EXPECT_EQ(chest.momentNames[2], "Bend right");
    // A free torque adds as it is; a foot prediction force counts only when asked for.
    figure->AddForce(kChest, kForceFootPrediction, {}, {0, 0, 0}, {1, 2, 3}, nullptr, false);
    ExpectVecNear(chest.GetJointMoment(true, true, true), {1, 2, 63}, kTol);
    ExpectVecNear(chest.GetJointMoment(true, false, true), {0, 0, 60}, kTol);
}

TEST(JointLoads, PanelRowsInEachUnitComeFromOneReading) {
    auto figure = ForearmHeldForward();
    const SegmentReadout readout = ReadSegment(*figure->GetSegment(kLeftForearm));
    const auto pounds = FormatSegmentProperties(readout, 0, 0);
    const auto newtons = FormatSegmentProperties(readout, 3, 1);
    ASSERT_EQ(pounds.size(), 22u);
    ASSERT_EQ(newtons.size(), 22u);
    auto row = [](const std::vector<SegmentPropertyRow>& rows, const std::string& name) {
        for (const SegmentPropertyRow& r : rows)
            if (r.name == name)
                return r;
        ADD_FAILURE() << "no row " << name;
        return SegmentPropertyRow{};
    };
    EXPECT_EQ(row(pounds, "Joint name").value, "Left elbow");
    EXPECT_EQ(row(pounds, "Mass").value, "3.00");
    // The elbow sits at (8, 10, 0) in: 20.32, 25.40 cm.
    EXPECT_EQ(row(newtons, "Position /X").value, "20.32");
    EXPECT_EQ(row(newtons, "Position /Y").value, "25.40");
    EXPECT_EQ(row(newtons, "Position /Z").unit, "[cm]");
    // Force 24.0014 lbf = 106.7634 N; moment 291.0106 lbf.in = 32.8801 N.m.
    EXPECT_EQ(row(pounds, "Force /Z").value, "-24.0");
    EXPECT_EQ(row(pounds, "Force /Z").word, "Shear back");
    EXPECT_EQ(row(newtons, "Force /Z").value, "-106.8");
    EXPECT_EQ(row(newtons, "Force /Z").unit, "[N]");
    EXPECT_EQ(row(pounds, "Force /X").value, "0.0");
    EXPECT_EQ(row(pounds, "Moment /X").value, "291.0");
    EXPECT_EQ(row(pounds, "Moment /X").unit, "[LbF.in]");
    EXPECT_EQ(row(newtons, "Moment /X").value, "32.9");
    EXPECT_EQ(row(newtons, "Moment /X").unit, "[N.m]");
    // Mass centre 6 in ahead of the elbow: (8, 10, 6) in.
    EXPECT_EQ(row(pounds, "Mass Center /Z").value, "6.00");
    EXPECT_EQ(row(pounds, "Moment of Inertia /X").unit, "[Lb.in^2]");
    EXPECT_EQ(SegmentPropertiesText(pounds).substr(0, 45),
              "Segment name\tLFARM\t\t\nJoint name\tLeft elbow\t\t\n");

    // A woman's figure shows no load rows.
    figure->anthropometry.gender = kFemale;
    EXPECT_EQ(FillSegmentProperties(*figure->GetSegment(kLeftForearm), 0, 0).size(), 10u);
}

TEST(JointLoads, SummaryListsFifteenJointsInTheForceUnit) {
    auto figure = ForearmHeldForward();
    const BiomechSummary summary = BuildBiomechSummary(*figure, 1);
    ASSERT_EQ(summary.rows.size(), 17u);
    EXPECT_EQ(summary.rows[1][4], "(N)");
    EXPECT_EQ(summary.rows[1][5], "(N.m)");
    EXPECT_EQ(summary.rows[2][0], "Head");
    EXPECT_EQ(summary.rows[16][0], "Right ankle");
    EXPECT_EQ(summary.rows[5][0], "Left elbow");
    EXPECT_EQ(summary.rows[5][1], "-90");
    EXPECT_EQ(summary.rows[5][4], "106.8");
    EXPECT_EQ(summary.rows[5][5], "32.9");
    const std::string text = BiomechSummaryText(summary);
    EXPECT_EQ(text.substr(0, 52), "Joint\tRotation/X\tRotation/Y\tRotation/Z\tForce\tMoment\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17);
}
