#include "anim/PostureTransition.h"

#include "human/Mannequin.h"

#include "../core/FigureFixture.h"

#include <gtest/gtest.h>

#include <vector>

// The transition shows eleven frames from the initial to the final posture and stops there.
TEST(PostureTransition, ElevenFramesEndingInTheFinalPosture) {
    auto figure = MakeFixtureFigure();
    CPosture initial, final;
    CapturePosture(*figure, initial);
    final = initial;
    final.angles[kLeftForearm] = {-100, 0, 0};
    final.orientation[kLeftForearm] = {-100, 0, 0};
    std::vector<int> percents;
    std::vector<double> elbow;
    const int frames = AnimatePostureTransition(*figure, initial, final, [&](int percent) {
        percents.push_back(percent);
        elbow.push_back(figure->GetSegment(kLeftForearm)->angles.x);
    });
    EXPECT_EQ(frames, 11);
    EXPECT_EQ(percents, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    for (int i = 0; i <= 10; ++i)
        EXPECT_NEAR(elbow[i], -10.0 * i, 1e-12);
    // The world data follow each frame: the palm's joint has swung forward with the elbow.
    Matrix4 palm;
    figure->GetSegmentLocalFrame(kLeftPalm, palm);
    EXPECT_GT(TranslationOf(palm).z, 9.0); // 10 in of forearm turned by 100 degrees
    EXPECT_NEAR(figure->GetSegment(kLeftPalm)->transform.m[11], TranslationOf(palm).z, 1e-9);
}
