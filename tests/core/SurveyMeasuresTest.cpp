// The shipped US figures measured as the 1988 US Army survey measured its soldiers, against the
// survey's own percentiles (the data generator's copy of populations.csv): the 5th, 50th and
// 95th percentile man and woman, built as New Mannequin builds them, standing and seated.
#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "FloorHull.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kCm = 2.54; // the figure works in inches

// Percentile (mm or kg) of an ANSUR 1988 measure: population,sex,measure,unit,p2_5,p5,p50,p95...
double Survey(bool male, const std::string& measure, int column) {
    static std::map<std::string, std::vector<double>> table = [] {
        std::map<std::string, std::vector<double>> rows;
        std::ifstream in(std::string(TAVRONA_SOURCE_DIR) +
                         "/tools/datagen/sources/populations.csv");
        std::string line;
        while (std::getline(in, line)) {
            std::stringstream fields(line);
            std::vector<std::string> f;
            for (std::string field; f.size() < 9 && std::getline(fields, field, ',');)
                f.push_back(field);
            if (f.size() == 9 && f[0] == "USA_Army_ANSUR1988")
                rows[f[1] + "/" + f[2]] = {std::stod(f[4]), std::stod(f[5]), std::stod(f[6]),
                                           std::stod(f[7]), std::stod(f[8])};
        }
        return rows;
    }();
    const auto row = table.find(std::string(male ? "male/" : "female/") + measure);
    return row == table.end() ? NAN : row->second[column];
}

// The figure's surface in cm, segment by segment, in its current posture.
class Body {
public:
    Body(bool male, int sizeRow, RecordingReporter& reporter)
        : figure(0, male ? 1 : 0, -1, sizeRow, 1, 1, 0, 2, 0, CAnthropometryContext{reporter}) {}

    void Turn(int segment, double degrees, int axis) {
        figure.RotateSegment(segment, degrees, axis);
    }
    void Place() { figure.UpdatePosture(); }
    bool Valid() const { return figure.valid == 1; }

    std::vector<Vec3> Points(std::initializer_list<int> segments) const {
        std::vector<Vec3> points;
        for (int s : segments)
            for (const Vec3& v : figure.GetSegment(s)->worldVertices)
                points.push_back(v * kCm);
        return points;
    }
    Vec3 Vertex(int segment, int index) const {
        return figure.GetSegment(segment)->worldVertices[index] * kCm;
    }
    Vec3 Joint(int segment) const { return Vertex(segment, 0); }

private:
    CMannequin figure;
};

using Points = std::vector<Vec3>;

Points Where(const Points& points, const std::function<bool(const Vec3&)>& keep) {
    Points kept;
    std::copy_if(points.begin(), points.end(), std::back_inserter(kept), keep);
    return kept;
}
double Extent(const Points& points, double Vec3::*axis) {
    double lo = 1e9, hi = -1e9;
    for (const Vec3& p : points) {
        lo = std::min(lo, p.*axis);
        hi = std::max(hi, p.*axis);
    }
    return points.empty() ? 0.0 : hi - lo;
}
double Lowest(const Points& points) {
    double y = 1e9;
    for (const Vec3& p : points)
        y = std::min(y, p.y);
    return y;
}
double Highest(const Points& points) {
    double y = -1e9;
    for (const Vec3& p : points)
        y = std::max(y, p.y);
    return y;
}
Points Band(const Points& points, double y, double half) {
    return Where(points, [&](const Vec3& p) { return std::fabs(p.y - y) <= half; });
}

// What a tape laid round the points in a horizontal plane reads: their convex hull's perimeter.
double Girth(const Points& points) {
    const Points hull = FloorHull(points);
    double perimeter = 0.0;
    for (size_t i = 1; i < hull.size(); ++i)
        perimeter += std::hypot(hull[i].x - hull[i - 1].x, hull[i].z - hull[i - 1].z);
    return perimeter;
}

// Fingers: thumb, index, middle, ring, little; phalanges proximal, middle, distal.
int LeftFinger(int finger, int phalanx) {
    return kFirstLeftFinger + 3 * finger + phalanx;
}

// The acromion, felt as the top of the shoulder: the highest surface point above the shoulder
// joint, which lies 1 cm inside the acromion's lateral edge.
Vec3 Acromion(const Body& body, int arm) {
    const Vec3 joint = body.Joint(arm);
    const Points above = Where(body.Points({kChest, arm}), [&](const Vec3& p) {
        return std::hypot(p.x - joint.x, p.z - joint.z) < 2.0;
    });
    return {joint.x + (joint.x > 0 ? 1.0 : -1.0), Highest(above), joint.z};
}

// The survey's chest level (the nipples): where the chest is deepest below the armpits.
double ChestLevel(const Body& body) {
    const Points chest = body.Points({kChest});
    double best = 0.0, level = 0.0;
    for (double y = body.Joint(kChest).y; y < body.Joint(kLeftArm).y - 6.0; y += 0.25) {
        const double depth = Extent(Band(chest, y, 0.5), &Vec3::z);
        if (depth > best)
            best = depth, level = y;
    }
    return level;
}

double HeadMeasure(const Body& body, int what) {
    const Points head = body.Points({kHead});
    const double eyes = body.Vertex(kHead, 2).y;
    if (what == 0) // breadth, above the ears
        return Extent(Where(head, [&](const Vec3& p) { return p.y > eyes + 3.0; }), &Vec3::x);
    if (what == 1) // length, glabella to the back of the head
        return Extent(Where(head, [&](const Vec3& p) { return p.y > eyes + 0.5; }), &Vec3::z);
    double girth = 0.0; // circumference, the largest just above the brow ridges
    for (double y = eyes + 1.0; y < eyes + 7.0; y += 0.25)
        girth = std::max(girth, Girth(Band(head, y, 0.3)));
    return girth;
}

struct Measure {
    const char* name; // the survey's measure
    double tolerance; // share of the survey's value
    std::function<double(const Body&)> take;
    // A short difference of long measures is not additive over percentiles: a figure built of
    // 5th percentile parts has no 5th percentile elbow rest height; such measures are checked at
    // the median only. A rigid figure cannot spread its hips on a seat as flesh does: seated hip
    // breadth is shown, not checked.
    enum { kEveryRow, kMedianRow, kShownOnly } check = kEveryRow;
};

// Builds the figures, poses them, takes every measure at every percentile and prints the table.
void MeasureAll(const std::vector<Measure>& measures, const std::function<void(Body&)>& pose) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    RecordingReporter reporter;
    for (bool male : {true, false})
        for (int row : {1, 2, 3}) { // size rows 5 %, 50 %, 95 %
            Body body(male, row, reporter);
            ASSERT_TRUE(body.Valid());
            pose(body);
            body.Place();
            for (const Measure& m : measures) {
                const double survey = Survey(male, m.name, row) / 10.0;
                const double figure = m.take(body);
                const double off = figure / survey - 1.0;
                std::printf("%-6s p%-2d %-26s survey %6.1f figure %6.1f cm %+6.1f %%\n",
                            male ? "male" : "female",
                            row == 1   ? 5
                            : row == 2 ? 50
                                       : 95,
                            m.name, survey, figure, 100.0 * off);
                if (m.check == Measure::kEveryRow ||
                    (m.check == Measure::kMedianRow && row == 2)) {
                    EXPECT_LE(std::fabs(off), m.tolerance)
                        << (male ? "male p" : "female p") << row << " " << m.name << ": survey "
                        << survey << " cm, figure " << figure << " cm";
                }
            }
        }
}

constexpr double kLength = 0.03, kBreadth = 0.05, kSeated = 0.03;

double Floor(const Body& b) {
    return Lowest(b.Points({kLeftFoot, kRightFoot}));
}

TEST(SurveyMeasures, StandingFiguresMeasureLikeTheSurvey) {
    const std::vector<Measure> measures = {
        {"stature", kLength, [](const Body& b) { return Highest(b.Points({kHead})) - Floor(b); }},
        {"acromion_height", kLength,
         [](const Body& b) { return Acromion(b, kLeftArm).y - Floor(b); }},
        {"crotch_height", kLength,
         [](const Body& b) {
             return Lowest(Where(b.Points({kAbdomen}),
                                 [](const Vec3& p) { return std::fabs(p.x) < 1.0; })) -
                    Floor(b);
         }},
        {"biacromial_breadth", kBreadth,
         [](const Body& b) { return Acromion(b, kLeftArm).x - Acromion(b, kRightArm).x; }},
        {"bideltoid_breadth", kBreadth,
         [](const Body& b) {
             const double elbow = b.Joint(kLeftForearm).y, shoulder = b.Joint(kLeftArm).y;
             return Extent(Where(b.Points({kLeftArm, kRightArm}),
                                 [&](const Vec3& p) { return p.y > 0.5 * (elbow + shoulder); }),
                           &Vec3::x);
         }},
        {"chest_depth", kBreadth,
         [](const Body& b) {
             return Extent(Band(b.Points({kChest}), ChestLevel(b), 0.5), &Vec3::z);
         }},
        {"chest_breadth", kBreadth,
         [](const Body& b) {
             return Extent(Band(b.Points({kChest}), ChestLevel(b), 0.5), &Vec3::x);
         }},
        {"hip_breadth_standing", kBreadth,
         [](const Body& b) {
             const Points hips = b.Points({kAbdomen, kLeftLeg, kRightLeg});
             return Extent(Where(hips, [&](const Vec3& p) { return p.y > -12.0 && p.y < 8.0; }),
                           &Vec3::x);
         }},
        {"head_breadth", kBreadth, [](const Body& b) { return HeadMeasure(b, 0); }},
        {"head_length", kBreadth, [](const Body& b) { return HeadMeasure(b, 1); }},
        {"head_circumference", kBreadth, [](const Body& b) { return HeadMeasure(b, 2); }},
        {"hand_length", kLength,
         [](const Body& b) { return b.Joint(kLeftPalm).y - Lowest(b.Points({LeftFinger(2, 2)})); }},
        {"hand_breadth", kBreadth, // across the knuckles of the four fingers
         [](const Body& b) {
             const double knuckles = b.Joint(LeftFinger(2, 0)).y;
             return Extent(Band(b.Points({kLeftPalm, LeftFinger(1, 0), LeftFinger(2, 0),
                                          LeftFinger(3, 0), LeftFinger(4, 0)}),
                                knuckles, 1.0),
                           &Vec3::x);
         }},
        {"foot_length", kLength,
         [](const Body& b) { return Extent(b.Points({kLeftFoot}), &Vec3::z); }},
        {"foot_breadth", kBreadth,
         [](const Body& b) { return Extent(b.Points({kLeftFoot}), &Vec3::x); }},
    };
    MeasureAll(measures, [](Body&) {});
}

// Arms held out sideways at shoulder height: fingertip to fingertip.
TEST(SurveyMeasures, ArmSpanMeasuresLikeTheSurvey) {
    const std::vector<Measure> measures = {
        {"span", kLength, [](const Body& b) {
             return Extent(b.Points({LeftFinger(2, 2), LeftFinger(2, 2) + 15}), &Vec3::x);
         }}};
    MeasureAll(measures, [](Body& b) {
        b.Turn(kLeftArm, 90, 2);
        b.Turn(kRightArm, -90, 2);
    });
}

// Seated upright with the thighs level, knees and elbows at right angles, upper arms hanging.
TEST(SurveyMeasures, SeatedFiguresMeasureLikeTheSurvey) {
    auto seat = [](const Body& b) { return Lowest(b.Points({kAbdomen, kLeftLeg, kRightLeg})); };
    auto elbow = [](const Body& b) { return Lowest(b.Points({kLeftArm, kLeftForearm})); };
    const std::vector<Measure> measures = {
        {"sitting_height", kSeated,
         [=](const Body& b) { return Highest(b.Points({kHead})) - seat(b); }},
        {"eye_height_sitting", kSeated,
         [=](const Body& b) { return b.Vertex(kHead, 2).y - seat(b); }},
        {"elbow_rest_height_sitting", 0.10, // a short measure: 3 % would be 7 mm
         [=](const Body& b) { return elbow(b) - seat(b); }, Measure::kMedianRow},
        {"shoulder_elbow_length", kLength,
         [=](const Body& b) { return Acromion(b, kLeftArm).y - elbow(b); }},
        {"forearm_hand_length", kLength, // back of the elbow to the middle fingertip
         [](const Body& b) {
             const double elbowJoint = b.Joint(kLeftForearm).y;
             return Extent(Where(b.Points({kLeftArm, kLeftForearm, LeftFinger(2, 2)}),
                                 [&](const Vec3& p) { return p.y < elbowJoint + 4.0; }),
                           &Vec3::z);
         }},
        {"knee_height_sitting", kSeated,
         [](const Body& b) {
             const double knee = b.Joint(kLeftLowerLeg).z;
             return Highest(Where(b.Points({kLeftLeg, kLeftLowerLeg}),
                                  [&](const Vec3& p) { return p.z > knee - 4.0; })) -
                    Floor(b);
         }},
        {"popliteal_height_sitting", kSeated,
         [](const Body& b) {
             const double knee = b.Joint(kLeftLowerLeg).z;
             return Lowest(Where(
                        b.Points({kLeftLeg}),
                        [&](const Vec3& p) { return p.z < knee - 4.0 && p.z > knee - 10.0; })) -
                    Floor(b);
         }},
        {"buttock_knee_length", kLength,
         [](const Body& b) {
             return Extent(b.Points({kAbdomen, kLeftLeg, kLeftLowerLeg}), &Vec3::z);
         }},
        {"hip_breadth_sitting", kBreadth,
         [](const Body& b) {
             return Extent(b.Points({kAbdomen, kLeftLeg, kRightLeg}), &Vec3::x);
         },
         Measure::kShownOnly},
    };
    MeasureAll(measures, [](Body& b) {
        for (int thigh : {kLeftLeg, kRightLeg})
            b.Turn(thigh, -90, 0);
        for (int shank : {kLeftLowerLeg, kRightLowerLeg})
            b.Turn(shank, 90, 0);
        for (int forearm : {kLeftForearm, kRightForearm})
            b.Turn(forearm, -90, 0);
    });
}

} // namespace
