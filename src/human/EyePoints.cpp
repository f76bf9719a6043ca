#include "human/EyePoints.h"

#include "core/Matrix4.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

int EyeVertices(const CBodyPart& head, Vec3& first, Vec3& second) {
    if (head.vertices.size() < 4)
        return 0;
    first = head.vertices[2];
    second = head.vertices[3];
    return 1;
}

int EyePoints(const CMannequin& figure, Vec3& eye, Vec3& target, Vec3& up) {
    const CBodyPart* head = figure.GetSegment(kHead);
    Vec3 first, second;
    if (!head || !EyeVertices(*head, first, second))
        return 0;
    const Matrix4 world = figure.HeadWorldFrame();
    const Vec3 centre = (first + second) / 2.0;
    eye = TransformPoint(world, centre);
    // The line of sight dips 10 degrees below the head's forward axis, turned about the eyes
    // themselves (turned about the head joint it would dip about 32 degrees).
    target = TransformPoint(world * Translation(centre) * RotationX(10.0), Vec3(0.0, 0.0, 1.0));
    up = TransformPoint(world, centre + Vec3(0.0, 1.0, 0.0));
    return 1;
}
