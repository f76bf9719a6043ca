#include "document/TavroDoc.h"

#include "human/Mannequin.h"

#include "DocTestSupport.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

namespace {

CMannequin* AddFigure(CTavroDoc& doc) {
    CMannequin* figure = MakeFixtureFigure().release();
    figure->UpdatePosture();
    doc.AddObject(figure);
    return figure;
}

TEST(ShapeCommandsTest, NeedACurrentMannequin) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc);
    f.doc.OnViewCone(kViewConeOptimum);
    f.doc.OnRangeVolume(kRangeLeftLeg);
    ASSERT_EQ(f.reporter.messages.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(f.reporter.messages[i], "No current mannequin.");
        EXPECT_EQ(f.reporter.captions[i], "Error");
    }
    EXPECT_EQ(figure->viewConeMode, kViewConeNone);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftLeg], 0);
    EXPECT_EQ(f.views.redraws, 0);
}

TEST(ShapeCommandsTest, ViewConeToggles) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc);
    figure->Select();
    // Optimum twice: shown, then hidden again.
    f.doc.OnViewCone(kViewConeOptimum);
    EXPECT_EQ(figure->viewConeMode, kViewConeOptimum);
    f.doc.OnViewCone(kViewConeOptimum);
    EXPECT_EQ(figure->viewConeMode, kViewConeNone);
    // Maximum while Optimum is shown replaces it by the two maximum cones.
    f.doc.OnViewCone(kViewConeOptimum);
    f.doc.OnViewCone(kViewConeMaximum);
    EXPECT_EQ(figure->viewConeMode, kViewConeMaximum);
    EXPECT_TRUE(figure->viewCones[0] && figure->viewCones[1]);
    // Optimum while Maximum is shown: back to one cone.
    f.doc.OnViewCone(kViewConeOptimum);
    EXPECT_EQ(figure->viewConeMode, kViewConeOptimum);
    EXPECT_FALSE(figure->viewCones[1]);
    EXPECT_EQ(f.views.redraws, 5);
    // A display switch: no undo step, the document stays unmodified.
    EXPECT_EQ(f.doc.UndoDepth(), 0u);
    f.doc.SetModified(false);
    f.doc.OnViewCone(kViewConeOptimum);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_TRUE(f.reporter.messages.empty());
}

TEST(ShapeCommandsTest, RangeVolumesToggleOneByOne) {
    DocFixture f;
    CMannequin* figure = AddFigure(f.doc);
    // A selected segment makes its figure current.
    figure->GetSegment(kRightFoot)->Select();
    f.doc.OnRangeVolume(kRangeRightHand);
    f.doc.OnRangeVolume(kRangeLeftLeg);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeRightHand], 1);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftLeg], 1);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftHand], 0);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeRightLeg], 0);
    f.doc.OnRangeVolume(kRangeRightHand);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeRightHand], 0);
    EXPECT_FALSE(figure->rangeVolumes[kRangeRightHand]);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftLeg], 1);
    EXPECT_EQ(f.views.redraws, 3);
    // No such volume: nothing happens.
    f.doc.OnRangeVolume(4);
    EXPECT_EQ(f.views.redraws, 3);
}

} // namespace
