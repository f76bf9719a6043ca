// The shipped hand postures on the 5th, 50th and 95th percentile US figures of both sexes: the
// pinch grips close (thumb and finger pads meet), and the fist closes with the thumb over the
// fingers.
#include "human/Mannequin.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kCm = 2.54;
constexpr int kFist = 3, kTipPinch = 5, kKeyPinch = 6, kTripod = 7;

// Left-hand phalanx: finger 0 thumb .. 4 little, phalanx 0 proximal .. 2 distal.
int Phalanx(int finger, int phalanx) {
    return kFirstLeftFinger + 3 * finger + phalanx;
}

// Smallest distance (cm) between the surfaces of two segments, taken over their vertices.
double Gap(const CMannequin& figure, int a, int b) {
    double gap = 1e9;
    for (const Vec3& p : figure.GetSegment(a)->worldVertices)
        for (const Vec3& q : figure.GetSegment(b)->worldVertices)
            gap = std::min(gap, Length(p - q) * kCm);
    return gap;
}

Vec3 Centre(const CMannequin& figure, int segment) {
    const std::vector<Vec3>& v = figure.GetSegment(segment)->worldVertices;
    Vec3 sum;
    for (const Vec3& p : v)
        sum = sum + p;
    return sum * (kCm / v.size());
}

TEST(Grips, PinchesCloseAndTheFistHoldsTheThumbOverTheFingers) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    RecordingReporter reporter;
    for (int sex : {kMale, kFemale})
        for (int row : {1, 2, 3}) {
            // Neutral posture: hanging arms, palms forward (+z), the thumb towards +x.
            CMannequin figure(0, sex, -1, row, 1, 1, 0, 2, 0, CAnthropometryContext{reporter});
            ASSERT_EQ(figure.valid, 1);
            auto grip = [&](int posture, int finger, int phalanx) {
                EXPECT_EQ(figure.ApplyHandPosture(posture, 0), 1);
                figure.UpdatePosture();
                return Gap(figure, Phalanx(0, 2), Phalanx(finger, phalanx));
            };
            const char* who = sex == kMale ? "male" : "female";
            const double gaps[] = {grip(kTipPinch, 1, 2), grip(kKeyPinch, 1, 1),
                                   grip(kTripod, 1, 2), grip(kTripod, 2, 2)};
            const char* names[] = {"tip pinch thumb-index", "key pinch thumb-index side",
                                   "tripod thumb-index", "tripod thumb-middle"};
            for (int i = 0; i < 4; ++i) {
                std::printf("%-6s row %d %-28s gap %5.2f cm\n", who, row, names[i], gaps[i]);
                EXPECT_LE(gaps[i], 0.5) << who << " row " << row << " " << names[i];
            }

            // The fist: the thumb's tip lies on the index and middle fingers, in front of
            // their middle phalanges, and ends short of the little finger.
            const double onFingers = std::min(grip(kFist, 1, 1), grip(kFist, 2, 1));
            const Vec3 thumb = Centre(figure, Phalanx(0, 2));
            const Vec3 index = Centre(figure, Phalanx(1, 1));
            const Vec3 little = Centre(figure, Phalanx(4, 1));
            std::printf("%-6s row %d fist: thumb to fingers %5.2f cm, in front by %5.2f cm, "
                        "short of the little finger by %5.2f cm\n",
                        who, row, onFingers, thumb.z - index.z, thumb.x - little.x);
            EXPECT_LE(onFingers, 0.5) << who << " row " << row;
            EXPECT_GT(thumb.z, index.z) << who << " row " << row;
            EXPECT_GT(thumb.x, little.x + 1.0) << who << " row " << row;
        }
}

} // namespace
