#include "WheelchairModel.h"

#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kSeatHeight = 19.7;    // in (50 cm)
constexpr double kWheelRadius = 12.0;   // in, outer (24 in, 61 cm wheel)
constexpr double kTyreRadius = 0.6;     // in
constexpr double kRimRadius = 10.6;     // in
constexpr double kRimTube = 0.3;        // in
constexpr double kCasterRadius = 2.5;   // in, outer (5 in caster)
constexpr double kCasterTyre = 0.5;     // in
constexpr double kTubeRadius = 0.45;    // in (about 2.3 cm tubing)
constexpr double kLowestFootrest = 3.0; // in above the floor
constexpr int kFrameColour = 0x505050;  // dark grey
constexpr int kUpholstery = 0x302020;   // dark blue-black
constexpr int kTyreColour = 0x202020;   // black
constexpr int kRimColour = 0xC0C0C0;    // silver

struct Extent {
    Vec3 min{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::max()};
    Vec3 max{-std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
             -std::numeric_limits<double>::max()};
    void Add(const Vec3& p) {
        for (int a = 0; a < 3; ++a) {
            min[a] = std::min(min[a], p[a]);
            max[a] = std::max(max[a], p[a]);
        }
    }
};

Extent SegmentsExtent(const CMannequin& figure, std::initializer_list<int> segments) {
    Extent e;
    for (int index : segments)
        for (const Vec3& v : figure.GetSegment(index)->worldVertices)
            e.Add(v);
    return e;
}

CPolyface* Part(const char* name, int colour) {
    auto* part = new CPolyface();
    part->SetName(name);
    part->colour = colour;
    return part;
}

CPolyface* Box(const char* name, int colour, const Vec3& a, const Vec3& b) {
    CPolyface* box = Part(name, colour);
    box->Build(kShapeBox, {a, b});
    box->SetName(name);
    return box;
}

// A straight tube from `a` to `b` (both ends open).
CPolyface* Tube(const Vec3& a, const Vec3& b) {
    CPolyface* tube = Part("Tube", kFrameColour);
    const Vec3 d = b - a;
    const double length = Length(d);
    tube->BuildConeMesh(0, 0, length, kTubeRadius, kAxisZ, true);
    // Turn the +Z mesh onto the tube's direction, then move it to `a`.
    const Vec3 u = d / length;
    const double pitch = std::asin(std::clamp(-u.y, -1.0, 1.0)) * 57.295779578552306;
    const double yaw = std::atan2(u.x, u.z) * 57.295779578552306;
    const Matrix4 place = Translation(a) * RotationY(yaw) * RotationX(pitch);
    for (Vec3& v : tube->vertices)
        v = TransformPoint(place, v);
    return tube;
}

// A ring in the YZ plane (axle along X) around `centre`.
CPolyface* Ring(const char* name, int colour, const Vec3& centre, double radius, double tube) {
    CPolyface* ring = Part(name, colour);
    ring->Build(kShapeTorus, {Vec3(), Vec3(radius, 0, 0), Vec3(radius, tube, 0)});
    ring->SetName(name);
    const Matrix4 place = Translation(centre) * RotationY(90);
    for (Vec3& v : ring->vertices)
        v = TransformPoint(place, v);
    return ring;
}

} // namespace

SeatedFit SeatFigure(CMannequin& figure) {
    figure.UpdatePosture();
    const Extent hips = SegmentsExtent(figure, {kAbdomen, kLeftLeg, kRightLeg});
    figure.transform = Translation(Vec3(0, kSeatHeight - hips.min.y, 0)) * figure.transform;
    figure.UpdatePosture();

    SeatedFit fit;
    fit.seatTop = kSeatHeight;
    const Extent trunk = SegmentsExtent(figure, {kAbdomen, kChest});
    const Extent thighs = SegmentsExtent(figure, {kLeftLeg, kRightLeg});
    const Extent feet = SegmentsExtent(figure, {kLeftFoot, kRightFoot});
    fit.seatBack = trunk.min.z;
    // The seat ends a hand's width short of the knees.
    fit.seatFront = std::max(fit.seatBack + 12.0, thighs.max.z - 3.0);
    fit.halfWidth = std::max(std::fabs(hips.min.x), std::fabs(hips.max.x)) + 1.0;
    fit.footTop = std::max(kLowestFootrest, feet.min.y);
    fit.footBack = feet.min.z;
    fit.footFront = feet.max.z;
    return fit;
}

CSceneObject* BuildWheelchair(const SeatedFit& fit) {
    auto* chair = new CSceneObject();
    auto add = [chair](CSceneObject* part) { chair->AddChild(part); };
    const double w = fit.halfWidth;
    const double seat = fit.seatTop;
    const double back = fit.seatBack;
    const double front = fit.seatFront;

    add(Box("Seat", kUpholstery, Vec3(-w, seat - 1.0, back), Vec3(w, seat, front)));
    add(Box("Back", kUpholstery, Vec3(-w, seat + 1.0, back - 1.0), Vec3(w, seat + 17.0, back)));
    const double axleZ = back + 2.0;
    const double casterZ = front + 1.0;
    for (double side : {-1.0, 1.0}) {
        const double x = side * w;
        // Frame: seat rail, back post with push handle, front post, lower rail, arm rest.
        add(Tube(Vec3(x, seat - 1.5, back - 1.0), Vec3(x, seat - 1.5, front)));
        add(Tube(Vec3(x, kWheelRadius - 2.0, back - 1.5), Vec3(x, seat + 18.0, back - 1.5)));
        add(Tube(Vec3(x, seat + 18.0, back - 1.5), Vec3(x, seat + 18.0, back - 5.0)));
        add(Tube(Vec3(x, seat - 1.5, front), Vec3(x, kCasterRadius * 2 + 1.0, casterZ)));
        add(Tube(Vec3(x, kWheelRadius - 2.0, back - 1.5),
                 Vec3(x, kCasterRadius * 2 + 1.0, casterZ)));
        add(Box("Armrest", kUpholstery, Vec3(x - side * 2.0, seat + 8.5, back + 1.0),
                Vec3(x, seat + 9.5, back + 11.0)));
        add(Tube(Vec3(x, seat - 1.5, back + 10.0), Vec3(x, seat + 8.5, back + 10.0)));
        // Rear wheel and push rim outside the frame; the caster under the front post.
        const double wheelX = x + side * 1.6;
        add(Ring("Wheel", kTyreColour, Vec3(wheelX, kWheelRadius, axleZ),
                 kWheelRadius - kTyreRadius, kTyreRadius));
        add(Ring("PushRim", kRimColour, Vec3(wheelX + side * 1.0, kWheelRadius, axleZ), kRimRadius,
                 kRimTube));
        add(Tube(Vec3(x, kWheelRadius, axleZ), Vec3(wheelX + side * 1.0, kWheelRadius, axleZ)));
        add(Ring("Caster", kTyreColour, Vec3(x, kCasterRadius, casterZ),
                 kCasterRadius - kCasterTyre, kCasterTyre));
        add(Tube(Vec3(x, kCasterRadius, casterZ), Vec3(x, kCasterRadius * 2 + 1.0, casterZ)));
        // Footrest hanger and plate.
        const double plateInner = side * 0.5;
        add(Tube(Vec3(x, seat - 1.5, front), Vec3(x, fit.footTop, fit.footFront)));
        add(Box("Footrest", kFrameColour, Vec3(plateInner, fit.footTop - 0.5, fit.footBack - 1.0),
                Vec3(x, fit.footTop, fit.footFront + 1.0)));
    }
    return chair;
}
