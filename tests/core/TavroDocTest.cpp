#include "biomech/Force.h"
#include "core/ViewModes.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "human/Posture.h"

#include "DocTestSupport.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

CPolyline* AddLine(CTavroDoc& doc, const Vec3& a, const Vec3& b) {
    auto* line = new CPolyline();
    line->points = {a, b};
    doc.AddObject(line);
    return line;
}

CMannequin* AddFigure(CTavroDoc& doc, const Vec3& at) {
    CMannequin* figure = MakeFixtureFigure().release();
    figure->transform = Translation(at);
    figure->UpdatePosture();
    doc.AddObject(figure);
    return figure;
}

int CountType(const CTavroDoc& doc, int type) {
    int n = 0;
    for (const CSceneObject* o : doc.Objects())
        n += o->type == type;
    return n;
}

TEST(DocumentSelection, RulesOfTheSelectedObject) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc, Vec3());
    CPolyline* line = AddLine(f.doc, Vec3(), Vec3(1, 0, 0));
    EXPECT_EQ(f.doc.SelectedObject(), nullptr);

    // Only body parts selected: the first of them in the list.
    figure->GetSegment(kHead)->Select();
    figure->GetSegment(kNeck)->Select();
    EXPECT_EQ(f.doc.SelectedObject(), figure->GetSegment(kNeck));
    EXPECT_EQ(f.doc.SelectedTopObject(), figure);
    EXPECT_EQ(f.doc.CurrentMannequin(), figure);

    // The figure selected too (listed before its parts): the figure.
    figure->Select();
    EXPECT_EQ(f.doc.SelectedObject(), figure);
    // Two selected top-level objects: the later one; no current mannequin for a line.
    line->Select();
    EXPECT_EQ(f.doc.SelectedObject(), line);
    EXPECT_EQ(f.doc.CurrentMannequin(), nullptr);
    EXPECT_EQ(f.doc.FindById(line->id), line);
    EXPECT_EQ(f.doc.FindById(-5), nullptr);
}

TEST(DocumentUndo, EmptyStackAndNoCurrentMannequin) {
    DocFixture f;
    f.views.mode = MODE_ROTATE;
    f.doc.OnUndo();
    EXPECT_EQ(f.views.mode, MODE_SELECT);
    ASSERT_EQ(f.reporter.messages.size(), 1u);
    EXPECT_EQ(f.reporter.messages[0], "Nothing to Undo!");
    EXPECT_EQ(f.reporter.captions[0], "Error");
    f.doc.OnSavePosture();
    f.doc.OnSetPosture(false);
    EXPECT_EQ(f.reporter.messages.back(), "No current mannequin.");
    EXPECT_EQ(f.doc.UndoDepth(), 0u);
    EXPECT_EQ(f.doc.InitialPosture(), nullptr);
}

TEST(DocumentDrawing, ToolStepsRebuildUnderOneIdAndUndo) {
    DocFixture f;
    f.doc.OnDrawingTool(kToolSphere);
    EXPECT_EQ(f.views.mode, MODE_SPHERE);
    ASSERT_EQ(f.doc.Objects().size(), 1u);
    const int id = f.doc.DrawnObjectId();
    f.doc.DrawingStep(1, kShapeSphere, {Vec3(1, 1, 1), Vec3(1, 1, 3)});
    f.doc.DrawingStep(1, kShapeSphere, {Vec3(1, 1, 1), Vec3(1, 1, 4)});
    ASSERT_EQ(f.doc.Objects().size(), 1u);
    auto* sphere = static_cast<CPolyface*>(f.doc.FindById(id));
    ASSERT_NE(sphere, nullptr);
    EXPECT_EQ(sphere->vertices.size(), 182u);
    EXPECT_STREQ(sphere->name, "Sphere");
    EXPECT_TRUE(f.doc.IsModified());
    // Already in the mode: no second object.
    f.doc.OnDrawingTool(kToolSphere);
    EXPECT_EQ(f.doc.Objects().size(), 1u);

    // Another tool keeps the sphere as one step; the dimension is a step once finished, and a
    // cancelled tool leaves nothing behind.
    f.doc.OnDrawingTool(kToolDimensionAligned);
    f.doc.DrawingStep(3, 0, {Vec3(), Vec3(3, 4, 0)});
    EXPECT_EQ(f.views.mode, MODE_DIMENSION);
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    f.doc.FinishDrawing();
    f.doc.FinishDrawing();
    EXPECT_EQ(f.doc.UndoDepth(), 2u);
    f.views.mode = MODE_SELECT;
    f.doc.OnDrawingTool(kToolLine);
    f.doc.CancelDrawing();
    EXPECT_EQ(f.doc.Objects().size(), 2u);
    EXPECT_EQ(f.doc.UndoDepth(), 2u);
    f.doc.OnUndo();
    f.doc.OnUndo();
    EXPECT_TRUE(f.doc.Objects().empty());
}

TEST(DocumentClipboard, PasteTwiceAfterUndo) {
    DocFixture f;
    CPolyline* line = AddLine(f.doc, Vec3(1, 1, 1), Vec3(2, 2, 2));
    line->transform = Translation(Vec3(5, 6, 7));
    line->Select();
    ASSERT_EQ(f.doc.OnCopy(), 1);
    ASSERT_FALSE(f.clipboard.IsEmpty());
    EXPECT_NE(f.clipboard.Peek()->id, line->id);
    EXPECT_EQ(f.clipboard.Peek()->selected, 0);

    f.doc.OnPaste();
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingPaste);
    EXPECT_EQ(f.views.mode, MODE_PICK_POINT);
    f.doc.PointPicked(1, Vec3(10, 0, 0), Vec3());
    ASSERT_EQ(f.doc.Objects().size(), 2u);
    CSceneObject* pasted = f.doc.Objects()[1];
    EXPECT_EQ(TranslationOf(pasted->transform), Vec3(10, 0, 0));
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingNone);

    f.doc.OnUndo(); // removes the pasted object
    EXPECT_EQ(f.doc.Objects().size(), 1u);
    f.doc.OnPaste();
    f.doc.PointPicked(1, Vec3(0, 20, 0), Vec3());
    ASSERT_EQ(f.doc.Objects().size(), 2u);
    EXPECT_EQ(TranslationOf(f.doc.Objects()[1]->transform), Vec3(0, 20, 0));
    // A cancelled pick pastes nothing.
    f.doc.OnPaste();
    f.doc.PointPicked(0, Vec3(), Vec3());
    EXPECT_EQ(f.doc.Objects().size(), 2u);
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingNone);
}

TEST(DocumentClipboard, CutUndoThenPasteGivesAFreshObject) {
    DocFixture f;
    CPolyline* line = AddLine(f.doc, Vec3(), Vec3(1, 0, 0));
    const int id = line->id;
    line->Select();
    f.doc.OnCut();
    EXPECT_TRUE(f.doc.Objects().empty());
    EXPECT_EQ(f.clipboard.Peek()->id, id);
    f.doc.OnUndo();
    ASSERT_EQ(f.doc.Objects().size(), 1u);
    EXPECT_EQ(f.doc.Objects()[0]->id, id);
    // The cut object's id is listed again; the paste must still add an object.
    f.doc.OnPaste();
    f.doc.PointPicked(1, Vec3(3, 3, 3), Vec3());
    ASSERT_EQ(f.doc.Objects().size(), 2u);
    EXPECT_NE(f.doc.Objects()[1]->id, id);
}

TEST(DocumentDelete, DeleteAndUndoAGroupWithItsMembers) {
    DocFixture f;
    auto* group = new CSceneObject();
    auto* member = new CPolyline();
    member->points = {Vec3(), Vec3(1, 1, 1)};
    group->AddChild(member);
    f.doc.AddObject(group);
    member->Select(); // a selected member deletes its whole group
    f.doc.OnDelete();
    EXPECT_TRUE(f.doc.Objects().empty());
    f.doc.OnUndo();
    ASSERT_EQ(f.doc.Objects().size(), 2u);
    EXPECT_EQ(f.doc.Objects()[0]->children.size(), 1u);
    EXPECT_EQ(f.doc.Objects()[1]->parent, f.doc.Objects()[0]);
}

TEST(DocumentUndo, AChangedGroupMemberComesBackUnderItsGroup) {
    DocFixture f;
    auto* group = new CSceneObject();
    auto* member = new CPolyline();
    member->points = {Vec3(), Vec3(1, 1, 1)};
    group->AddChild(member);
    f.doc.AddObject(group);
    const int id = member->id;
    f.doc.PushUndo(kUndoChanged, *member);
    member->points[1] = Vec3(5, 5, 5);
    f.doc.OnUndo();
    auto* back = static_cast<CPolyline*>(f.doc.FindById(id));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->points[1], Vec3(1, 1, 1));
    EXPECT_EQ(back->parent, group);
    ASSERT_EQ(group->children.size(), 1u);
    EXPECT_EQ(group->children[0], back);
}

// Every command that records an undo step leaves a clean document modified: each row prepares a
// scene, the document is marked clean, and the command must add one undo step and mark it.
TEST(DocumentUndo, EveryUndoStepMarksTheDocumentModified) {
    struct Row {
        const char* command;
        std::function<void(DocFixture&)> prepare;
        std::function<void(DocFixture&)> run;
    };
    const auto figure = [](DocFixture& f) { AddFigure(f.doc, Vec3())->Select(); };
    const auto line = [](DocFixture& f) { AddLine(f.doc, Vec3(), Vec3(1, 1, 1))->Select(); };
    const auto load = [](DocFixture& f) {
        CMannequin* m = AddFigure(f.doc, Vec3());
        f.doc.AddExternalForce(*m, kRightPalm, Vec3(), true, Vec3(0, -20, 0), Vec3())->Select();
    };
    const auto loadOwner = [](DocFixture& f) {
        return static_cast<CMannequin*>(f.doc.Objects()[0]);
    };
    ScopedDataDirectory dir;
    const Row rows[] = {
        {"Set Initial Posture", figure, [](DocFixture& f) { f.doc.OnSetPosture(false); }},
        {"Set Final Posture", figure, [](DocFixture& f) { f.doc.OnSetPosture(true); }},
        {"View Initial Posture",
         [&](DocFixture& f) {
             figure(f);
             f.doc.OnSetPosture(false);
         },
         [](DocFixture& f) { f.doc.OnViewPosture(false); }},
        {"Step rotation of a figure", figure, [](DocFixture& f) { f.doc.OnStepRotation(1, 1); }},
        {"Step rotation of a joint",
         [](DocFixture& f) { AddFigure(f.doc, Vec3())->GetSegment(kRightForearm)->Select(); },
         [](DocFixture& f) { f.doc.OnStepRotation(0, 1); }},
        {"Reach", figure,
         [](DocFixture& f) { f.doc.ReachWith(kRightPalm, Vec3(-8, 10, 15), Vec3()); }},
        {"Walk", figure,
         [](DocFixture& f) {
             f.doc.BeginWalk({Vec3(0, 0, 0), Vec3(0, 0, 60)});
         }},
        {"Add external load", figure,
         [](DocFixture& f) {
             f.doc.AddExternalForce(*f.doc.CurrentMannequin(), kRightPalm, Vec3(), true,
                                    Vec3(0, -20, 0), Vec3());
         }},
        {"Edit external load", load,
         [&](DocFixture& f) {
             f.doc.EditExternalForce(*loadOwner(f)->forces[0], Vec3(), Vec3(0, -30, 0), Vec3());
         }},
        {"Delete external load", load, [](DocFixture& f) { f.doc.OnDeleteForce(); }},
        {"Delete", line, [](DocFixture& f) { f.doc.OnDelete(); }},
        {"Cut", line, [](DocFixture& f) { f.doc.OnCut(); }},
        {"Paste",
         [&](DocFixture& f) {
             line(f);
             f.doc.OnCopy();
             f.doc.OnPaste();
         },
         [](DocFixture& f) { f.doc.PointPicked(1, Vec3(5, 0, 0), Vec3()); }},
        {"New Mannequin placed",
         [](DocFixture& f) { f.doc.BeginPlaceMannequin(MakeFixtureFigure().release()); },
         [](DocFixture& f) { f.doc.PointPicked(1, Vec3(3, 0, 4), Vec3()); }},
        {"Drawing finished",
         [](DocFixture& f) {
             f.doc.OnDrawingTool(kToolDimensionAligned);
             f.doc.DrawingStep(3, 0, {Vec3(), Vec3(3, 4, 0)});
         },
         [](DocFixture& f) { f.doc.FinishDrawing(); }},
        {"Apply posture file",
         [&](DocFixture& f) {
             figure(f);
             f.views.nextPath = dir.Path("p.pos");
             f.doc.OnSavePosture();
         },
         [&](DocFixture& f) { f.doc.ApplyPostureFile(dir.Path("p.pos")); }},
        {"Import TVR",
         [&](DocFixture& f) {
             line(f);
             f.doc.SaveTo(dir.Path("s.tvr"));
         },
         [&](DocFixture& f) { f.doc.ImportTvr(dir.Path("s.tvr")); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        DocFixture f;
        row.prepare(f);
        f.doc.SetModified(false);
        const std::size_t depth = f.doc.UndoDepth();
        row.run(f);
        EXPECT_EQ(f.doc.UndoDepth(), depth + 1);
        EXPECT_TRUE(f.doc.IsModified());
    }
}

TEST(DocumentFigures, StepRotationAndItsUndo) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc, Vec3(10, 0, 0));
    const int figureId = figure->id;
    figure->Select();
    f.doc.OnStepRotation(1, -1);
    EXPECT_NEAR(figure->transform(0, 2), std::sin(-5 * 0.0174532925), 1e-12);
    f.doc.OnUndo();
    auto* restored = static_cast<CMannequin*>(f.doc.FindById(figureId));
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->transform, Translation(Vec3(10, 0, 0)));
    EXPECT_EQ(CountType(f.doc, kTypeBodyPart), 46);

    CBodyPart* elbow = restored->GetSegment(kRightForearm);
    restored->Deselect();
    elbow->Select();
    f.doc.OnStepRotation(0, 1);
    f.doc.OnStepRotation(0, 1);
    EXPECT_EQ(elbow->angles, Vec3(10, 0, 0));
    f.doc.OnUndo();
    EXPECT_EQ(elbow->angles, Vec3(5, 0, 0));
    EXPECT_NEAR(elbow->jointRotation(1, 1), std::cos(5 * 0.0174532925), 1e-12);

    // Other objects do not turn and record nothing.
    const std::size_t depth = f.doc.UndoDepth();
    elbow->Deselect();
    AddLine(f.doc, Vec3(), Vec3(1, 1, 1))->Select();
    f.doc.OnStepRotation(2, 1);
    EXPECT_EQ(f.doc.UndoDepth(), depth);
}

TEST(DocumentFigures, InitialPostureSetViewAndUndo) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc, Vec3());
    const int id = figure->id;
    figure->GetSegment(kLeftForearm)->RotateAxisX(30);
    figure->Select();
    f.doc.OnSetPosture(false);
    ASSERT_NE(f.doc.InitialPosture(), nullptr);
    EXPECT_EQ(f.doc.InitialPosture()->angles[kLeftForearm], Vec3(30, 0, 0));
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    f.doc.OnSetPosture(false); // later uses record nothing
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    f.doc.OnUndo(); // restores the figure; the posture stays set
    EXPECT_NE(f.doc.InitialPosture(), nullptr);

    auto* again = static_cast<CMannequin*>(f.doc.FindById(id));
    again->GetSegment(kLeftForearm)->ResetJoint();
    again->Select();
    f.doc.OnViewPosture(false);
    EXPECT_EQ(again->GetSegment(kLeftForearm)->angles, Vec3(30, 0, 0));
    f.doc.OnViewPosture(true); // not set: nothing
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
}

TEST(DocumentFigures, PostureFileCommands) {
    ScopedDataDirectory dir;
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc, Vec3());
    const int id = figure->id;
    figure->GetSegment(kNeck)->RotateAxisY(12);
    figure->Select();
    f.views.nextPath = dir.Path("p.pos");
    f.doc.OnSavePosture();
    EXPECT_EQ(f.views.filters.back(), "Position Files (*.pos)|*.pos||");
    EXPECT_EQ(ReadAll(dir.Path("p.pos")).size(), 4416u);
    f.views.nextPath = dir.Path("missing/p.pos");
    f.doc.OnSavePosture();
    EXPECT_EQ(f.reporter.messages.back(),
              "Failed to save file.\n" + dir.Path("missing/p.pos") + ": No such file or directory");

    figure->GetSegment(kNeck)->ResetJoint();
    ASSERT_EQ(f.doc.ApplyPostureFile(dir.Path("p.pos")), 1);
    auto* posed = static_cast<CMannequin*>(f.doc.FindById(id));
    EXPECT_EQ(posed->GetSegment(kNeck)->angles, Vec3(0, 12, 0));
    f.doc.OnUndo();
    EXPECT_EQ(static_cast<CMannequin*>(f.doc.FindById(id))->GetSegment(kNeck)->angles, Vec3());

    dir.Write("bad.pos", "short");
    f.doc.FindById(id)->Select();
    EXPECT_EQ(f.doc.ApplyPostureFile(dir.Path("bad.pos")), 0);
    EXPECT_EQ(f.reporter.messages.back(), "Failed to read file.");
    EXPECT_EQ(f.doc.BeginPlaceMannequin(MakeFixtureFigure().release(), dir.Path("bad.pos")), 0);
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingNone);
}

TEST(DocumentFigures, PlacingANewFigureAndCancelling) {
    DocFixture f;
    ASSERT_EQ(f.doc.BeginPlaceMannequin(MakeFixtureFigure().release()), 1);
    EXPECT_EQ(f.views.mode, MODE_PICK_POINT);
    f.doc.PointPicked(1, Vec3(3, 0, 4), Vec3());
    ASSERT_EQ(CountType(f.doc, kTypeMannequin), 1);
    EXPECT_EQ(CountType(f.doc, kTypeBodyPart), 46);
    auto* figure = static_cast<CMannequin*>(f.doc.Objects()[0]);
    EXPECT_EQ(TranslationOf(figure->GetSegment(kAbdomen)->transform), Vec3(3, 0, 4));
    f.doc.OnUndo();
    EXPECT_TRUE(f.doc.Objects().empty());

    f.doc.BeginPlaceMannequin(MakeFixtureFigure().release());
    f.doc.PointPicked(2, Vec3(), Vec3()); // cancelled: the waiting figure is dropped
    EXPECT_TRUE(f.doc.Objects().empty());
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingNone);
}

TEST(DocumentForces, AddEditDeleteWithUndo) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc, Vec3(0, 0, 0));
    const int id = figure->id;
    figure->GetSegment(kRightPalm)->massCentre = Vec3(0, -1, 0);
    CForce* load =
        f.doc.AddExternalForce(*figure, kRightPalm, Vec3(), true, Vec3(0, -20, 0), Vec3(1, 2, 3));
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->location, Vec3(0, -1, 0));
    EXPECT_EQ(load->colour, figure->colour);
    EXPECT_EQ(figure->forces.size(), 1u);
    EXPECT_EQ(CountType(f.doc, kTypeForce), 1);

    // A world point: the right palm hangs at (-8, 0, 0) in the fixture.
    CForce* atPoint =
        f.doc.AddExternalForce(*static_cast<CMannequin*>(f.doc.FindById(id)), kRightPalm,
                               Vec3(-8, -3, 0), false, Vec3(1, 0, 0), Vec3());
    EXPECT_NEAR(atPoint->location.y, -3, 1e-12);
    EXPECT_NEAR(atPoint->location.x, 0, 1e-12);
    f.doc.OnUndo();
    auto* back = static_cast<CMannequin*>(f.doc.FindById(id));
    ASSERT_EQ(back->forces.size(), 1u);
    EXPECT_EQ(CountType(f.doc, kTypeForce), 1);

    CForce* kept = back->forces[0];
    f.doc.EditExternalForce(*kept, Vec3(1, 1, 1), Vec3(0, -30, 0), Vec3());
    EXPECT_EQ(kept->force, Vec3(0, -30, 0));
    kept->Select();
    f.doc.OnDeleteForce();
    back = static_cast<CMannequin*>(f.doc.FindById(id));
    EXPECT_TRUE(back->forces.empty());
    EXPECT_EQ(CountType(f.doc, kTypeForce), 0);
    f.doc.OnUndo();
    back = static_cast<CMannequin*>(f.doc.FindById(id));
    ASSERT_EQ(back->forces.size(), 1u);
    EXPECT_EQ(back->forces[0]->force, Vec3(0, -30, 0));
    f.doc.OnUndo();
    back = static_cast<CMannequin*>(f.doc.FindById(id));
    EXPECT_EQ(back->forces[0]->force, Vec3(0, -20, 0));

    // A predicted foot force is neither edited nor deleted.
    CForce* foot = back->AddForce(kLeftFoot, kForceFootPrediction, Vec3(), Vec3(0, 50, 0), Vec3(),
                                  nullptr, false);
    foot->AddToList(f.doc.Objects());
    f.doc.EditExternalForce(*foot, Vec3(), Vec3(), Vec3());
    EXPECT_EQ(foot->force, Vec3(0, 50, 0));
    foot->Select();
    f.doc.OnDeleteForce();
    EXPECT_EQ(back->forces.size(), 2u);
}

} // namespace
