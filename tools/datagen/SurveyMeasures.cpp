#include "SurveyMeasures.h"

#include "FloorHull.h"
#include "Format.h"

#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <iterator>

namespace {

constexpr double kCm = 2.54; // the figure works in inches

// The figure's surface in cm, segment by segment, in its current posture.
class Figure {
public:
    Figure(Sex sex, int sizeRow, CUserReporter& reporter)
        : figure(0, static_cast<int>(sex), -1, sizeRow, 1, 1, 0, 2, 0,
                 CAnthropometryContext{reporter}) {}

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

int LeftFinger(int finger, int phalanx) {
    return FingerSegment(false, finger, phalanx);
}

// The acromion, felt as the top of the shoulder: the highest surface point above the shoulder
// joint, which lies 1 cm inside the acromion's lateral edge.
Vec3 Acromion(const Figure& body, int arm) {
    const Vec3 joint = body.Joint(arm);
    const Points above = Where(body.Points({kChest, arm}), [&](const Vec3& p) {
        return std::hypot(p.x - joint.x, p.z - joint.z) < 2.0;
    });
    return {joint.x + (joint.x > 0 ? 1.0 : -1.0), Highest(above), joint.z};
}

// The survey's chest level (the nipples): where the chest is deepest below the armpits.
double ChestLevel(const Figure& body) {
    const Points chest = body.Points({kChest});
    double best = 0.0, level = 0.0;
    for (double y = body.Joint(kChest).y; y < body.Joint(kLeftArm).y - 6.0; y += 0.25) {
        const double depth = Extent(Band(chest, y, 0.5), &Vec3::z);
        if (depth > best)
            best = depth, level = y;
    }
    return level;
}

enum class HeadMeasure { Breadth, Length, Circumference };
double Head(const Figure& body, HeadMeasure what) {
    const Points head = body.Points({kHead});
    const double eyes = body.Vertex(kHead, 2).y;
    switch (what) {
    case HeadMeasure::Breadth: // above the ears
        return Extent(Where(head, [&](const Vec3& p) { return p.y > eyes + 3.0; }), &Vec3::x);
    case HeadMeasure::Length: // glabella to the back of the head
        return Extent(Where(head, [&](const Vec3& p) { return p.y > eyes + 0.5; }), &Vec3::z);
    case HeadMeasure::Circumference: // the largest just above the brow ridges
        break;
    }
    double girth = 0.0;
    for (double y = eyes + 1.0; y < eyes + 7.0; y += 0.25)
        girth = std::max(girth, Girth(Band(head, y, 0.3)));
    return girth;
}

double Floor(const Figure& b) {
    return Lowest(b.Points({kLeftFoot, kRightFoot}));
}
double Seat(const Figure& b) {
    return Lowest(b.Points({kAbdomen, kLeftLeg, kRightLeg}));
}
double ElbowRest(const Figure& b) {
    return Lowest(b.Points({kLeftArm, kLeftForearm}));
}

constexpr double kLength = 0.03, kBreadth = 0.05, kSeated = 0.03;

struct Measure {
    const char* name; // the survey's measure
    double tolerance; // share of the survey's value
    std::function<double(const Figure&)> take;
    // A short difference of long measures is not additive over percentiles: a figure built of
    // 5th percentile parts has no 5th percentile elbow rest height; such measures are checked at
    // the median only. A rigid figure cannot spread its hips on a seat as flesh does: seated hip
    // breadth is shown, not checked.
    enum { kEveryRow, kMedianRow, kShownOnly } check = kEveryRow;
};

struct Pose {
    std::function<void(Figure&)> apply;
    std::vector<Measure> measures;
};

std::vector<Pose> Poses() {
    const Pose standing = {
        [](Figure&) {},
        {
            {"stature", kLength,
             [](const Figure& b) { return Highest(b.Points({kHead})) - Floor(b); }},
            {"acromion_height", kLength,
             [](const Figure& b) { return Acromion(b, kLeftArm).y - Floor(b); }},
            {"crotch_height", kLength,
             [](const Figure& b) {
                 return Lowest(Where(b.Points({kAbdomen}),
                                     [](const Vec3& p) { return std::fabs(p.x) < 1.0; })) -
                        Floor(b);
             }},
            {"biacromial_breadth", kBreadth,
             [](const Figure& b) { return Acromion(b, kLeftArm).x - Acromion(b, kRightArm).x; }},
            {"bideltoid_breadth", kBreadth,
             [](const Figure& b) {
                 const double elbow = b.Joint(kLeftForearm).y, shoulder = b.Joint(kLeftArm).y;
                 return Extent(Where(b.Points({kLeftArm, kRightArm}),
                                     [&](const Vec3& p) { return p.y > 0.5 * (elbow + shoulder); }),
                               &Vec3::x);
             }},
            {"chest_depth", kBreadth,
             [](const Figure& b) {
                 return Extent(Band(b.Points({kChest}), ChestLevel(b), 0.5), &Vec3::z);
             }},
            {"chest_breadth", kBreadth,
             [](const Figure& b) {
                 return Extent(Band(b.Points({kChest}), ChestLevel(b), 0.5), &Vec3::x);
             }},
            {"hip_breadth_standing", kBreadth,
             [](const Figure& b) {
                 const Points hips = b.Points({kAbdomen, kLeftLeg, kRightLeg});
                 return Extent(Where(hips, [&](const Vec3& p) { return p.y > -12.0 && p.y < 8.0; }),
                               &Vec3::x);
             }},
            {"head_breadth", kBreadth,
             [](const Figure& b) { return Head(b, HeadMeasure::Breadth); }},
            {"head_length", kBreadth, [](const Figure& b) { return Head(b, HeadMeasure::Length); }},
            {"head_circumference", kBreadth,
             [](const Figure& b) { return Head(b, HeadMeasure::Circumference); }},
            {"hand_length", kLength,
             [](const Figure& b) {
                 return b.Joint(kLeftPalm).y - Lowest(b.Points({LeftFinger(2, 2)}));
             }},
            {"hand_breadth", kBreadth, // across the knuckles of the four fingers
             [](const Figure& b) {
                 const double knuckles = b.Joint(LeftFinger(2, 0)).y;
                 return Extent(Band(b.Points({kLeftPalm, LeftFinger(1, 0), LeftFinger(2, 0),
                                              LeftFinger(3, 0), LeftFinger(4, 0)}),
                                    knuckles, 1.0),
                               &Vec3::x);
             }},
            {"foot_length", kLength,
             [](const Figure& b) { return Extent(b.Points({kLeftFoot}), &Vec3::z); }},
            {"foot_breadth", kBreadth,
             [](const Figure& b) { return Extent(b.Points({kLeftFoot}), &Vec3::x); }},
        }};
    // Arms held out sideways at shoulder height: fingertip to fingertip.
    const Pose armsOut = {
        [](Figure& b) {
            b.Turn(kLeftArm, 90, 2);
            b.Turn(kRightArm, -90, 2);
        },
        {{"span", kLength, [](const Figure& b) {
              return Extent(b.Points({LeftFinger(2, 2), FingerSegment(true, 2, 2)}), &Vec3::x);
          }}}};
    // Seated upright with the thighs level, knees and elbows at right angles, upper arms hanging.
    const Pose seated = {
        [](Figure& b) {
            for (int thigh : {kLeftLeg, kRightLeg})
                b.Turn(thigh, -90, 0);
            for (int shank : {kLeftLowerLeg, kRightLowerLeg})
                b.Turn(shank, 90, 0);
            for (int forearm : {kLeftForearm, kRightForearm})
                b.Turn(forearm, -90, 0);
        },
        {
            {"sitting_height", kSeated,
             [](const Figure& b) { return Highest(b.Points({kHead})) - Seat(b); }},
            {"eye_height_sitting", kSeated,
             [](const Figure& b) { return b.Vertex(kHead, 2).y - Seat(b); }},
            {"elbow_rest_height_sitting", 0.10, // a short measure: 3 % would be 7 mm
             [](const Figure& b) { return ElbowRest(b) - Seat(b); }, Measure::kMedianRow},
            {"shoulder_elbow_length", kLength,
             [](const Figure& b) { return Acromion(b, kLeftArm).y - ElbowRest(b); }},
            {"forearm_hand_length", kLength, // back of the elbow to the middle fingertip
             [](const Figure& b) {
                 const double elbowJoint = b.Joint(kLeftForearm).y;
                 return Extent(Where(b.Points({kLeftArm, kLeftForearm, LeftFinger(2, 2)}),
                                     [&](const Vec3& p) { return p.y < elbowJoint + 4.0; }),
                               &Vec3::z);
             }},
            {"knee_height_sitting", kSeated,
             [](const Figure& b) {
                 const double knee = b.Joint(kLeftLowerLeg).z;
                 return Highest(Where(b.Points({kLeftLeg, kLeftLowerLeg}),
                                      [&](const Vec3& p) { return p.z > knee - 4.0; })) -
                        Floor(b);
             }},
            {"popliteal_height_sitting", kSeated,
             [](const Figure& b) {
                 const double knee = b.Joint(kLeftLowerLeg).z;
                 return Lowest(Where(
                            b.Points({kLeftLeg}),
                            [&](const Vec3& p) { return p.z < knee - 4.0 && p.z > knee - 10.0; })) -
                        Floor(b);
             }},
            {"buttock_knee_length", kLength,
             [](const Figure& b) {
                 return Extent(b.Points({kAbdomen, kLeftLeg, kLeftLowerLeg}), &Vec3::z);
             }},
            {"hip_breadth_sitting", kBreadth,
             [](const Figure& b) {
                 return Extent(b.Points({kAbdomen, kLeftLeg, kRightLeg}), &Vec3::x);
             },
             Measure::kShownOnly},
        }};
    return {standing, armsOut, seated};
}

constexpr int kRows[] = {1, 2, 3}; // size rows of the 5th, 50th and 95th percentiles
int Percentile(int row) {
    return row == 1 ? 5 : row == 2 ? 50 : 95;
}

std::string Signed(double percent) {
    const std::string text = Fixed(percent, 1);
    return text[0] == '-' || text == "0.0" ? text : "+" + text;
}

} // namespace

std::vector<SurveyMeasurement> MeasureUsFigures(const CSources& sources) {
    CStderrReporter reporter;
    std::vector<SurveyMeasurement> out;
    const std::vector<Pose> poses = Poses();
    for (Sex sex : {Sex::Male, Sex::Female})
        for (int row : kRows)
            for (const Pose& pose : poses) {
                Figure body(sex, row, reporter);
                if (!body.Valid())
                    return {};
                pose.apply(body);
                body.Place();
                for (const Measure& m : pose.measures) {
                    SurveyMeasurement s;
                    s.sex = sex;
                    s.percentile = Percentile(row);
                    s.measure = m.name;
                    s.survey = sources.Population("USA_Army_ANSUR1988",
                                                  sex == Sex::Male ? "male" : "female", m.name,
                                                  "p" + std::to_string(s.percentile)) /
                               10.0;
                    s.figure = m.take(body);
                    s.tolerance = m.tolerance;
                    s.checked = m.check == Measure::kEveryRow ||
                                (m.check == Measure::kMedianRow && row == 2);
                    out.push_back(s);
                }
            }
    return out;
}

std::string SurveyMeasureTable(const std::vector<SurveyMeasurement>& measurements) {
    std::string out;
    for (Sex sex : {Sex::Male, Sex::Female}) {
        std::vector<const SurveyMeasurement*> rows[3];
        for (const SurveyMeasurement& m : measurements)
            if (m.sex == sex)
                rows[m.percentile == 5 ? 0 : m.percentile == 50 ? 1 : 2].push_back(&m);
        out += std::string("\n") + (sex == Sex::Male ? "Men" : "Women") +
               " (cm; difference = figure / survey - 1):\n\n"
               "| measure | target | 5 % survey | figure | diff | 50 % survey | figure | diff | "
               "95 % survey | figure | diff |\n"
               "|---|---|---|---|---|---|---|---|---|---|---|\n";
        for (size_t i = 0; i < rows[1].size() && i < rows[0].size() && i < rows[2].size(); ++i) {
            const SurveyMeasurement& median = *rows[1][i];
            const std::string within = "±" + Fixed(100.0 * median.tolerance, 0) + " %";
            out += "| " + median.measure + " | " +
                   (!median.checked       ? std::string("shown")
                    : rows[0][i]->checked ? within
                                          : within + " at 50 %") +
                   " |";
            for (const auto& byRow : rows) {
                const SurveyMeasurement& m = *byRow[i];
                out += " " + Fixed(m.survey, 1) + " | " + Fixed(m.figure, 1) + " | " +
                       Signed(100.0 * m.Difference()) + " % |";
            }
            out += "\n";
        }
    }
    return out;
}
