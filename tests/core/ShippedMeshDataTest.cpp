// The mesh and footprint files shipped in data/ load and follow the conventions the figure
// relies on: joint first, mass centre last, soles that fit the feet.
#include "human/Mannequin.h"
#include "human/Representation.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

class ShippedMeshDataTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1); }
    RecordingReporter reporter;
};

TEST_F(ShippedMeshDataTest, EveryRepresentationLoadsForBothSexes) {
    for (int sex : {kFemale, kMale})
        for (int representation = 0; representation < kRepresentationCount; ++representation) {
            CMannequin figure;
            figure.anthropometry.gender = static_cast<std::uint8_t>(sex);
            ASSERT_EQ(figure.LoadMesh(representation, reporter), 1)
                << figure.MeshFileName(representation);
            for (int n = 0; n < kSegmentCount; ++n) {
                const CBodyPart& s = *figure.GetSegment(n);
                ASSERT_FALSE(s.vertices.empty());
                if (n != kAbdomen)
                    EXPECT_EQ(s.vertices.front(), Vec3(0, 0, 0)) << s.name;
                EXPECT_EQ(s.massCentre, s.vertices.back());
                for (const Vec3& normal : s.normals) {
                    const double length = Length(normal);
                    EXPECT_TRUE(length == 0.0 || std::fabs(length - 1.0) < 1e-9);
                }
            }
        }
    EXPECT_TRUE(reporter.messages.empty());
}

// Shaded views leave out the back faces of the segments, which is only invisible for closed
// surfaces wound counter-clockwise seen from outside: every edge between two distinct points is
// crossed once each way, and the enclosed volume comes out positive.
TEST_F(ShippedMeshDataTest, EverySegmentIsAClosedSurfaceWoundOutwards) {
    for (int sex : {kFemale, kMale})
        for (int representation = 0; representation < kRepresentationCount; ++representation) {
            CMannequin figure;
            figure.anthropometry.gender = static_cast<std::uint8_t>(sex);
            ASSERT_EQ(figure.LoadMesh(representation, reporter), 1);
            for (int n = 0; n < kSegmentCount; ++n) {
                const CBodyPart& s = *figure.GetSegment(n);
                // Corners at the same place are one point of the surface.
                std::map<std::tuple<double, double, double>, int> places;
                std::vector<int> point;
                for (const Vec3& v : s.vertices)
                    point.push_back(places.emplace(std::make_tuple(v.x, v.y, v.z), places.size())
                                        .first->second);
                std::map<std::pair<int, int>, int> crossings;
                double volume = 0.0;
                for (const Quad& q : s.faces) {
                    for (int c = 0; c < 4; ++c) {
                        const int a = point[q[c]], b = point[q[(c + 1) % 4]];
                        if (a != b)
                            ++crossings[{a, b}];
                    }
                    for (int t = 1; t < 3; ++t)
                        volume +=
                            Dot(s.vertices[q[0]], Cross(s.vertices[q[t]], s.vertices[q[t + 1]])) /
                            6.0;
                }
                int unpaired = 0;
                for (const auto& [edge, count] : crossings) {
                    const auto back = crossings.find({edge.second, edge.first});
                    unpaired += back == crossings.end() || back->second != count;
                }
                EXPECT_EQ(unpaired, 0) << figure.MeshFileName(representation) << " " << s.name;
                EXPECT_GT(volume, 0.0) << figure.MeshFileName(representation) << " " << s.name;
            }
        }
}

TEST_F(ShippedMeshDataTest, SolesLieOnTheFeet) {
    CMannequin figure;
    figure.anthropometry.gender = kMale;
    ASSERT_EQ(figure.LoadMesh(kRepresentationHuman, reporter), 1);
    ASSERT_EQ(figure.LoadFootprints(reporter), 1);
    for (int foot : {kLeftFoot, kRightFoot}) {
        Matrix4 frame;
        figure.GetSegmentLocalFrame(foot, frame);
        const Vec3 anchor = TransformPoint(frame, figure.GetSegment(foot)->vertices[3]);
        const Footprint& sole = foot == kLeftFoot ? figure.leftFootprint : figure.rightFootprint;
        EXPECT_NEAR(Distance(sole[0], anchor), 0.0, 1e-6);
        // The outline spans the foot's own length between vertices 2 and 3.
        const std::vector<Vec3>& v = figure.GetSegment(foot)->vertices;
        EXPECT_NEAR(Distance(sole[0], sole[14]), Distance(v[2], v[3]), 1e-4);
    }
    // Left sole on the left (+x) side of the figure, right sole on the right.
    EXPECT_GT(figure.leftFootprint[0].x, figure.rightFootprint[0].x);
}

} // namespace
