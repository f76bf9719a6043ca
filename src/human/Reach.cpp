#include "human/Mannequin.h"

#include "core/MathConstants.h"
#include "core/UserReporter.h"

#include <cmath>
#include <initializer_list>

namespace {

// The segments of one arm, hand first.
struct ArmChain {
    int palm;
    int forearm;
    int upperArm;
};

bool ArmOf(int hand, ArmChain& arm) {
    if (hand == kRightPalm)
        arm = {kRightPalm, kRightForearm, kRightArm};
    else if (hand == kLeftPalm)
        arm = {kLeftPalm, kLeftForearm, kLeftArm};
    else
        return false;
    return true;
}

// The far end of an arm segment in its own frame: the second vertex of its mesh (the elbow of
// the upper arm, the wrist of the forearm, the grip point of the palm).
bool SegmentEnd(const CBodyPart& part, Vec3& end) {
    if (part.vertices.size() < 2)
        return false;
    end = part.vertices[1];
    return true;
}

struct ArmEnds {
    Vec3 elbow; // h, in the upper arm's frame
    Vec3 wrist; // m, in the forearm's frame
    Vec3 grip;  // t, in the palm's frame
};

bool ArmEndsOf(const CMannequin& figure, const ArmChain& arm, ArmEnds& ends) {
    return SegmentEnd(*figure.GetSegment(arm.upperArm), ends.elbow) &&
           SegmentEnd(*figure.GetSegment(arm.forearm), ends.wrist) &&
           SegmentEnd(*figure.GetSegment(arm.palm), ends.grip);
}

// The joints a reach may change, kept bit for bit so that a failed reach leaves no trace.
class JointBackup {
public:
    JointBackup(CMannequin& figure, std::initializer_list<int> indices) : figure(figure) {
        for (int index : indices) {
            const CBodyPart& part = *figure.GetSegment(index);
            saved[count++] = {index, part.angles, part.jointRotation};
        }
    }
    void Restore() {
        for (int k = 0; k < count; ++k) {
            CBodyPart& part = *figure.GetSegment(saved[k].index);
            part.angles = saved[k].angles;
            part.jointRotation = saved[k].rotation;
            part.Invalidate();
        }
    }

private:
    struct Joint {
        int index = 0;
        Vec3 angles;
        Matrix4 rotation;
    };
    CMannequin& figure;
    Joint saved[4];
    int count = 0;
};

// acos and asin only inside their domain; NaN (from a zero length) counts as outside.
bool InUnitRange(double value) {
    return value >= -1.0 && value <= 1.0;
}

} // namespace

Vec3 CMannequin::GripPoint(int hand) const {
    ArmChain arm;
    Matrix4 base(true);
    Vec3 grip;
    if (!ArmOf(hand, arm) || !SegmentEnd(*segments[hand], grip) || !GetSegmentFrame(hand, base))
        return Vec3();
    return TransformPoint(base * segments[hand]->jointRotation, grip);
}

int CMannequin::Reach(int hand, const Vec3& point, const Vec3& direction, CUserReporter& reporter) {
    // The point of the ray nearest to the hand: the user picked a line of sight, not a depth.
    Vec3 target = point;
    if (Length(direction) > tav::kLengthTolerance) {
        const Vec3 u = Normalize(direction);
        target = point + u * Dot(u, GripPoint(hand) - point);
    }
    const int result = ReachPoint(hand, target);
    if (!result)
        reporter.Message("Failed to Reach Point");
    return result;
}

int CMannequin::ReachPoint(int hand, const Vec3& target) {
    ArmChain arm;
    ArmEnds ends;
    if (!ArmOf(hand, arm) || !ArmEndsOf(*this, arm, ends))
        return 0;
    JointBackup backup(*this, {kChest, arm.upperArm, arm.forearm, arm.palm});
    const double armLength = Length(ends.grip) + Length(ends.wrist) + Length(ends.elbow);

    CBodyPart& chest = *segments[kChest];
    chest.ResetJoint();
    const double forward = chest.upperLimits.x;
    const double range = forward - chest.lowerLimits.x;
    if (!(range > 0.0)) {
        backup.Restore();
        return 0;
    }
    // Chest angles tried: 0 (twice), 1, 2, ... up to the forward limit, then from one degree
    // past the backward limit towards upright.
    int result = 0;
    int count = 0;
    do {
        Matrix4 shoulder(true);
        GetSegmentFrame(arm.upperArm, shoulder);
        const Vec3 local = TransformPoint(Inverse(shoulder), target);
        if (Length(local) < armLength && (result = SolveArm(hand, local)) == 1)
            break;
        chest.ResetJoint();
        chest.RotateAxisX(count <= forward ? count : count - range);
        ++count;
    } while (count < range);
    if (!result)
        backup.Restore();
    return result;
}

int CMannequin::SolveArm(int hand, const Vec3& local) {
    ArmChain arm;
    ArmEnds ends;
    if (!ArmOf(hand, arm) || !ArmEndsOf(*this, arm, ends))
        return 0;
    const Vec3& h = ends.elbow;
    const Vec3& m = ends.wrist;
    const Vec3& t = ends.grip;

    // Azimuth: turn the arm's plane about the shoulder's y axis so that the straight arm, which
    // stands off sideways by r, passes through the target.
    const double d = std::sqrt(local.x * local.x + local.z * local.z);
    const double r = std::fabs((h + m + t).x);
    const double sideRatio = d > 0.0 ? r / d : (r > 0.0 ? 2.0 : 0.0);
    if (!InUnitRange(sideRatio))
        return 0;
    const double side = std::asin(sideRatio);
    const double azimuth = std::atan2(local.x, local.z) + (hand == kLeftPalm ? -side : side);

    // In the arm's plane: the target at forward distance p and height y, distance l.
    const double e = d * d - r * r;
    const double p = e >= 1e-6 ? std::sqrt(e) : 0.0;
    const double l = std::sqrt(p * p + local.y * local.y);
    const double elevation = -0.5 * tav::kPi - std::atan2(local.y, p);
    const double o = std::fabs(h.y);       // upper arm
    const double w = std::fabs(m.y + t.y); // forearm and hand
    const double elbowCos = (o * o + w * w - l * l) / (2.0 * o * w);
    const double shoulderCos = (o * o + l * l - w * w) / (2.0 * o * l);
    if (!InUnitRange(elbowCos) || !InUnitRange(shoulderCos))
        return 0;
    const double elbow = std::acos(elbowCos) - tav::kPi;
    const double shoulder = std::acos(shoulderCos) + elevation;

    CBodyPart& upperArm = *segments[arm.upperArm];
    CBodyPart& forearm = *segments[arm.forearm];
    upperArm.ResetJoint();
    forearm.ResetJoint();
    segments[arm.palm]->ResetJoint();
    if (upperArm.FreeRotateY(azimuth * tav::kRadToDeg) != kWithinLimits ||
        upperArm.FreeRotateX(shoulder * tav::kRadToDeg) != kWithinLimits ||
        forearm.FreeRotateX(elbow * tav::kRadToDeg) != kWithinLimits)
        return 0;
    return 1;
}
