#include "biomech/Balance.h"
#include "biomech/Force.h"
#include "biomech/ForceFields.h"
#include "biomech/Niosh.h"
#include "biomech/SegmentReadouts.h"
#include "document/BiomechDialogs.h"
#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "DocTestSupport.h"
#include "ExpectNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

// Centre of gravity, balance and foot forces of figures built from the shipped body data
// (TAVRONA_DATA is the repository's data folder), and the document's load and feet commands.

namespace {

const double k = 9.81 * 0.101971634; // lbf per lb under the default gravity

// A 50th percentile US man (Human mesh) in standard posture `posture`, facing front.
std::unique_ptr<CMannequin> Man(CUserReporter& reporter, int posture = 1, int sex = kMale,
                                int representation = 0, int childAge = -1) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 0); // the shipped data unless the caller chose
    auto figure = std::make_unique<CMannequin>(representation, sex, childAge, 2, 1, 1, posture, 2,
                                               0, CAnthropometryContext{reporter});
    EXPECT_EQ(figure->valid, 1);
    return figure;
}

// Body weight in lbf: the record's kg in lb, under default gravity.
double BodyWeight(const CMannequin& figure) {
    return figure.anthropometry.weight * 2.2046 * k;
}

bool Finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Answers the biomechanics dialogs as a user would: records what was shown, presses "Auto
// balance Mannequin" when asked to, then OK (or Cancel).
struct ScriptedDialogs : CBiomechDialogs {
    bool EditForce(ForceFields& fields,
                   const std::function<void(ForceFields&)>& autoBalance) override {
        shown = fields;
        offeredBalance = static_cast<bool>(autoBalance);
        if (pressBalance && autoBalance)
            autoBalance(fields);
        if (setForce)
            fields.force = force;
        return ok;
    }
    void ShowNiosh(NioshInputs& inputs,
                   const std::function<NioshResult(NioshInputs&)>& compute) override {
        nioshInputs = inputs;
        nioshResult = compute(inputs);
        ++nioshShown;
    }
    bool ok = true;
    bool pressBalance = false;
    bool setForce = false;
    Vec3 force;
    ForceFields shown;
    bool offeredBalance = false;
    NioshInputs nioshInputs;
    NioshResult nioshResult;
    int nioshShown = 0;
};

} // namespace

TEST(Balance, PointInsideTheOutlineOfTwoSquaresIsBalanced) {
    // Two 2 x 2 squares 4 in apart (x from -3 to -1 and 1 to 3, z from 0 to 2).
    const Vec3 points[8] = {{-3, 0, 0}, {-1, 0, 0}, {-1, 0, 2}, {-3, 0, 2},
                            {1, 0, 0},  {3, 0, 0},  {3, 0, 2},  {1, 0, 2}};
    EXPECT_TRUE(InsideSupport(points, 8, {0, 5, 1}));     // between the feet
    EXPECT_TRUE(InsideSupport(points, 8, {2.5, 0, 1.5})); // over a foot
    EXPECT_FALSE(InsideSupport(points, 8, {0, 0, 2.5}));  // in front of the toes
    EXPECT_FALSE(InsideSupport(points, 8, {3.5, 0, 1}));  // beside a foot
    EXPECT_FALSE(InsideSupport(points, 8, {NAN, 0, 1}));
}

TEST(Balance, SymmetricStandingSplitsTheBodyWeightEquallyBetweenTheFeet) {
    RecordingReporter reporter;
    auto man = Man(reporter);
    const Vec3 g = man->GetCenterOfGravity();
    EXPECT_NEAR(g.x, 0.0, 1e-9); // the standing posture is symmetric
    Vec3 r, m;
    man->GetResultantLoad(false, r, m);
    ExpectVecNear(r, {0, -BodyWeight(*man), 0}, 1e-3);
    EXPECT_TRUE(man->IsBalanced());
    Vec3 left, leftPoint, right, rightPoint;
    ASSERT_TRUE(man->PredictFootForces(left, leftPoint, right, rightPoint));
    ExpectVecNear(left, right, 1e-6);
    ExpectVecNear(left + right, -r, 1e-9);
    EXPECT_NEAR(leftPoint.x, -rightPoint.x, 1e-6); // mirror images under the two soles
    EXPECT_GT(leftPoint.x, 0.0);                   // the left foot is on +x

    // With the predicted pair in place the figure carries no net force.
    EXPECT_EQ(man->AddFootPredictionForces(), CMannequin::kFeetUpdated);
    EXPECT_EQ(man->AddFootPredictionForces(), CMannequin::kFeetNothingToDo);
    EXPECT_EQ(man->forces.size(), 2u);
    Vec3 rest, unused;
    man->GetResultantLoad(true, rest, unused);
    ExpectVecNear(rest, {0, 0, 0}, 1e-6);
    EXPECT_EQ(BuildBiomechSummary(*man, 0).balanceText, "Balanced");
    EXPECT_EQ(man->GetSegment(kLeftFoot)->forceNames[1], "Extension");
}

TEST(Balance, CentreOfGravityInFrontOfTheToesIsUnbalanced) {
    RecordingReporter reporter;
    auto man = Man(reporter);
    Footprint left, right;
    ASSERT_TRUE(man->CurrentFootprints(left, right));
    double toes = -1e9;
    for (const Vec3& p : left)
        toes = std::max(toes, p.z);
    // Shift the chest's mass centre forward until G lies 2 in in front of the toes:
    // G moves by m_chest * d / W.
    const Vec3 g = man->GetCenterOfGravity();
    CBodyPart& chest = *man->GetSegment(kChest);
    const double weightPounds = BodyWeight(*man) / k;
    const double d = (toes + 2.0 - g.z) * weightPounds / chest.mass;
    chest.massCentre.z += d;
    EXPECT_NEAR(man->GetCenterOfGravity().z, toes + 2.0, 1e-3);
    EXPECT_FALSE(man->IsBalanced());
    Vec3 a, b, c, e;
    EXPECT_FALSE(man->PredictFootForces(a, b, c, e));
    EXPECT_EQ(BuildBiomechSummary(*man, 0).balanceText, "Unbalanced");
    // The pair is added but reads zero, and the user is told.
    DocFixture f;
    CMannequin* figure = man.release();
    f.doc.AddObject(figure);
    figure->Select();
    f.doc.OnAddFeetForces();
    ASSERT_EQ(figure->forces.size(), 2u);
    EXPECT_EQ(figure->forces[0]->force, Vec3());
    EXPECT_EQ(figure->forces[1]->location, Vec3());
    EXPECT_EQ(f.reporter.messages, std::vector<std::string>{"Unbalanced posture."});
    f.doc.OnUpdateFeetForces();
    EXPECT_EQ(f.reporter.messages.size(), 2u);
}

TEST(Balance, NoVerticalLoadOrNoOutlinesLeaveNothingNonFinite) {
    RecordingReporter reporter;
    auto man = Man(reporter);
    CGlobalSettings weightless;
    weightless.gravity = {0, 0, 0};
    man->settings = &weightless;
    Vec3 a(7, 7, 7), b = a, c = a, e = a;
    EXPECT_FALSE(man->PredictFootForces(a, b, c, e)); // R.y = 0: no centre of pressure
    EXPECT_EQ(a, Vec3(7, 7, 7));
    EXPECT_EQ(man->AddFootPredictionForces(), CMannequin::kFeetUnbalanced);
    const std::string texts =
        BiomechSummaryText(BuildBiomechSummary(*man, 1)) +
        SegmentPropertiesText(FillSegmentProperties(*man->GetSegment(kLeftFoot), 2, 1));
    EXPECT_EQ(texts.find("nan"), std::string::npos);
    EXPECT_EQ(texts.find("inf"), std::string::npos);

    // A figure of no mass has its centre of gravity at its origin.
    for (int s = 0; s < kMainSegmentCount; ++s)
        man->GetSegment(s)->mass = 0.0f;
    EXPECT_EQ(man->GetCenterOfGravity(), Vec3());

    // Without the outline file nothing counts as balanced.
    ScopedDataDirectory empty;
    EXPECT_FALSE(man->IsBalanced());
    EXPECT_FALSE(man->PredictFootForces(a, b, c, e));
}

TEST(Balance, FeetCommandsLeaveWomenChildrenAndOtherRepresentationsAlone) {
    RecordingReporter reporter;
    DocFixture f;
    CMannequin* figures[] = {Man(reporter, 1, kFemale).release(),
                             Man(reporter, 1, kMale, 1).release(),
                             Man(reporter, 1, kMale, 0, 3).release()};
    for (CMannequin* raw : figures) {
        f.doc.AddObject(raw);
        raw->Select();
        f.doc.OnAddFeetForces();
        EXPECT_TRUE(raw->forces.empty());
        EXPECT_FALSE(raw->IsBiomechanicsEnabled());
        raw->Deselect();
    }
    EXPECT_FALSE(f.doc.IsModified());
}

TEST(Balance, EveryStandardPostureOnBothFeetIsJudged) {
    // Postures that stand on both feet (perpost_names.txt): standing, lifting, squatting and
    // reaching; not kneeling, sitting, walking, running or climbing.
    const int standing[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                            14, 15, 18, 29, 30, 31, 32, 33, 34, 35, 36, 37};
    RecordingReporter reporter;
    std::string judged;
    for (int posture : standing) {
        auto man = Man(reporter, posture);
        Vec3 left, leftPoint, right, rightPoint, r, m;
        man->GetResultantLoad(false, r, m);
        const bool balanced = man->IsBalanced();
        const bool predicted = man->PredictFootForces(left, leftPoint, right, rightPoint);
        EXPECT_EQ(predicted, balanced) << "posture " << posture;
        if (predicted) {
            EXPECT_TRUE(Finite(left) && Finite(right));
            ExpectVecNear(left + right, -r, 1e-9);
            EXPECT_GE(left.y, 0.0);
            EXPECT_GE(right.y, 0.0);
        }
        const Vec3 g = man->GetCenterOfGravity();
        char line[160];
        std::snprintf(line, sizeof line,
                      "%2d %-10s G (%.2f, %.2f, %.2f) in, feet L %.1f R %.1f lbf\n", posture,
                      balanced ? "balanced" : "UNBALANCED", g.x, g.y, g.z, left.y, right.y);
        judged += line;
    }
    std::printf("%s", judged.c_str());
    RecordProperty("postures", judged);
}

TEST(Balance, DocumentLoadCommandsUndoAndKeepTheFeetUpToDate) {
    RecordingReporter reporter;
    DocFixture f;
    CMannequin* man = Man(reporter).release();
    f.doc.AddObject(man);
    man->Select();
    f.doc.OnAddFeetForces();
    ASSERT_EQ(man->forces.size(), 2u);
    f.doc.SetModified(false);
    const std::size_t depth = f.doc.UndoDepth();

    // 20 lbf along the right palm's -y, at its mass centre.
    ScriptedDialogs dialogs;
    dialogs.setForce = true;
    dialogs.force = {0, -20, 0};
    CForce* load = f.doc.OnAddForceAt(*man, kRightPalm, {100, 100, 100}, dialogs);
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(dialogs.shown.segmentName, "RPALM");
    EXPECT_EQ(load->location, man->GetSegment(kRightPalm)->massCentre);
    EXPECT_EQ(f.doc.UndoDepth(), depth + 1);
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_NE(f.doc.FindById(load->id), nullptr);
    Vec3 r, m;
    man->GetResultantLoad(false, r, m);
    EXPECT_NEAR(Length(r - Vec3(0, -BodyWeight(*man), 0)), 20.0, 1e-3);
    Vec3 rest;
    man->GetResultantLoad(true, rest, m);
    ExpectVecNear(rest, {0, 0, 0}, 1e-6); // the feet took the load too

    // A foot force opens read-only and never changes.
    CForce* foot = man->FootPredictionForce(kLeftFoot);
    const int footId = foot->id;
    const Vec3 footForce = foot->force;
    man->Deselect();
    foot->Select();
    f.doc.OnEditForce(dialogs);
    EXPECT_TRUE(dialogs.shown.readOnly);
    EXPECT_FALSE(dialogs.offeredBalance);
    EXPECT_EQ(foot->force, footForce);
    foot->Deselect();

    // Delete the feet, then auto-balance the palm load: it then carries the whole figure.
    man->Select();
    f.doc.OnDeleteFeetForces();
    EXPECT_EQ(man->forces.size(), 1u);
    EXPECT_EQ(f.doc.FindById(footId), nullptr);
    man->Deselect();
    load->Select();
    dialogs.setForce = false;
    dialogs.pressBalance = true;
    f.doc.OnEditForce(dialogs);
    EXPECT_TRUE(dialogs.offeredBalance);
    man->GetResultantLoad(false, r, m);
    ExpectVecNear(r, {0, 0, 0}, 1e-6);
    ExpectVecNear(m, {0, 0, 0}, 1e-6);

    // Undo goes back to the 20 lbf load.
    const int manId = man->id;
    f.doc.OnUndo();
    auto* restored = static_cast<CMannequin*>(f.doc.FindById(manId));
    ASSERT_NE(restored, nullptr);
    ASSERT_EQ(restored->forces.size(), 1u);
    ExpectVecNear(restored->forces[0]->force, {0, -20, 0});
}
