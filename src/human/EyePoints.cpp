#include "human/EyePoints.h"

#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"
#include "model/Matrix4.h"

int EyePoints(const CMannequin& figure, Vec3& eye, Vec3& target, Vec3& up) {
    const CBodyPart* head = figure.GetSegment(kHead);
    if (!head || head->vertices.size() < 4)
        return 0;
    Matrix4 frame;
    if (!figure.GetSegmentFrame(kHead, frame))
        return 0;
    const Matrix4 world = frame * head->jointRotation;
    const Vec3 centre = (head->vertices[2] + head->vertices[3]) / 2.0;
    eye = TransformPoint(world, centre);
    target = TransformPoint(world * RotationX(10.0), centre + Vec3(0.0, 0.0, 1.0));
    up = TransformPoint(world, centre + Vec3(0.0, 1.0, 0.0));
    return 1;
}
