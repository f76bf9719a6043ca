#include "biomech/Force.h"
#include "document/SceneFileWriter.h"
#include "draw/Polyline.h"
#include "human/Mannequin.h"

#include "DocTestSupport.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <random>

namespace {

CMannequin* AddFigure(CTavroDoc& doc, const Vec3& at) {
    CMannequin* figure = MakeFixtureFigure().release();
    figure->transform = Translation(at);
    figure->UpdatePosture();
    doc.AddObject(figure);
    return figure;
}

void SelectOnly(CTavroDoc& doc, CSceneObject* object) {
    for (CSceneObject* o : doc.Objects())
        o->Deselect();
    object->Select();
}

std::vector<CMannequin*> Figures(const CTavroDoc& doc) {
    std::vector<CMannequin*> figures;
    for (CSceneObject* o : doc.Objects())
        if (o->type == kTypeMannequin)
            figures.push_back(static_cast<CMannequin*>(o));
    return figures;
}

std::vector<CSceneObject*> TopLevel(const CTavroDoc& doc) {
    std::vector<CSceneObject*> top;
    for (CSceneObject* o : doc.Objects())
        if (!o->parent)
            top.push_back(o);
    return top;
}

// Two figures between a line and a group of two lines.
void BuildScene(CTavroDoc& doc) {
    auto* line = new CPolyline();
    line->points = {Vec3(0, 0, 0), Vec3(10, 5, 0)};
    doc.AddObject(line);
    AddFigure(doc, Vec3(-30, 0, 0));
    auto* group = new CSceneObject();
    for (int i = 0; i < 2; ++i) {
        auto* member = new CPolyline();
        member->points = {Vec3(i, 0, 0), Vec3(i, 8, 3)};
        group->AddChild(member);
    }
    doc.AddObject(group);
    AddFigure(doc, Vec3(30, 0, 0));
}

TEST(UndoSequence, SegmentRecordsSurviveAFigureUndo) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc, Vec3());
    const int id = figure->id;
    SelectOnly(f.doc, figure->GetSegment(kRightForearm));
    f.doc.OnStepRotation(0, 1); // the arm
    SelectOnly(f.doc, figure);
    f.doc.OnStepRotation(1, 1); // the figure
    f.doc.OnUndo();
    f.doc.OnUndo();
    auto* back = static_cast<CMannequin*>(f.doc.FindById(id));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetSegment(kRightForearm)->angles, Vec3());
    EXPECT_EQ(f.doc.UndoDepth(), 0u);
}

// Walks a long seeded sequence of figure, segment, load, clipboard and delete commands, then
// undoes every one: the scene must come back byte for byte, in its list order.
TEST(UndoSequence, RandomCommandsUndoneGiveTheFirstSceneBack) {
    DocFixture f;
    BuildScene(f.doc);
    const std::vector<std::uint8_t> first = EncodeScene(f.doc.Objects());
    std::mt19937 rng(20261208);
    const auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    std::size_t commands = 0;
    for (int step = 0; step < 400; ++step) {
        const std::size_t before = f.doc.UndoDepth();
        const std::vector<CMannequin*> figures = Figures(f.doc);
        const std::vector<CSceneObject*> top = TopLevel(f.doc);
        CMannequin* figure = figures.empty() ? nullptr : figures[pick(figures.size())];
        switch (pick(7)) {
        case 0: // a joint
        case 1:
            if (!figure)
                break;
            SelectOnly(f.doc, figure->GetSegment(static_cast<int>(pick(kSegmentCount))));
            f.doc.OnStepRotation(static_cast<int>(pick(3)), pick(2) ? 1 : -1);
            break;
        case 2: // the whole figure
            if (!figure)
                break;
            SelectOnly(f.doc, figure);
            f.doc.OnStepRotation(static_cast<int>(pick(3)), pick(2) ? 1 : -1);
            break;
        case 3: // an external load, or deleting one
            if (!figure)
                break;
            if (!figure->forces.empty() && pick(2)) {
                SelectOnly(f.doc, figure->forces[pick(figure->forces.size())]);
                f.doc.OnDeleteForce();
            } else {
                f.doc.AddExternalForce(*figure, static_cast<int>(pick(kSegmentCount)), Vec3(), true,
                                       Vec3(0, -double(pick(50)), 0), Vec3());
            }
            break;
        case 4: // copy and paste somewhere
            SelectOnly(f.doc, top[pick(top.size())]);
            f.doc.OnCopy();
            f.doc.OnPaste();
            f.doc.PointPicked(1, Vec3(double(pick(100)), 0, double(pick(100))), Vec3());
            break;
        case 5: // delete, or cut, anything but the last object
            if (top.size() < 2)
                break;
            SelectOnly(f.doc, top[pick(top.size())]);
            pick(2) ? f.doc.OnDelete() : f.doc.OnCut();
            break;
        case 6: // a figure's initial posture, set and viewed
            if (!figure)
                break;
            SelectOnly(f.doc, figure);
            pick(2) ? f.doc.OnSetPosture(false) : f.doc.OnViewPosture(false);
            break;
        }
        commands += f.doc.UndoDepth() - before;
    }
    ASSERT_GT(commands, 300u);
    ASSERT_EQ(f.doc.UndoDepth(), commands);
    EXPECT_FALSE(EncodeScene(f.doc.Objects()) == first);
    while (f.doc.UndoDepth() > 0)
        f.doc.OnUndo();
    EXPECT_TRUE(f.reporter.messages.empty());
    EXPECT_TRUE(EncodeScene(f.doc.Objects()) == first);
}

} // namespace
