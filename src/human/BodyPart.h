#pragma once

#include "core/Matrix4.h"
#include "core/Quad.h"
#include "core/SceneObject.h"
#include "core/SharedArray.h"
#include "core/Vec3.h"

#include <array>
#include <string>
#include <vector>

class CMannequin;

// Result of a limited joint step: within limits, cut at a limit, or limits switched off.
enum LimitCode : int {
    kWithinLimits = 0,
    kAtUpperLimit = 1, // also: limit checking is off for this segment
    kAtLowerLimit = 2,
};

// One rigid segment of a human figure (type 6): its mesh, its joint (three angles with limits
// and the rotation built from them) and its place in the figure's segment tree. Segments are
// members of their figure and are never deleted through a child list.
class CBodyPart : public CSceneObject {
public:
    CBodyPart();
    // Copy with mesh, limits, angles, joint rotation and names; tree links, figure and children
    // are left empty for the new figure to set.
    CBodyPart(const CBodyPart& source, bool keepId);

    int IsLinkedSelected() const override;
    void Draw(bool whiteFill, int viewType) override;
    void DrawHighlight(COverlay& overlay) override;
    // Adds the vertices placed by the segment's base frame; `world` is not used.
    void ExtendBounds(BoundingBox& box, const Matrix4& world) const override;
    // Saving and restoring act on the whole figure's posture.
    void SaveTransform() override;
    void RestoreTransform() override;

    // Limited steps about one joint axis (degrees); return a LimitCode.
    int RotateAxisX(double delta);
    int RotateAxisY(double delta);
    int RotateAxisZ(double delta);
    int RotateAxis(int axis, double delta);
    // Turns about the joint's current local x (or y) axis. The step is taken whole or not at
    // all: any angle that would leave its limits rejects it (result 1, nothing changes).
    int FreeRotateX(double delta);
    int FreeRotateY(double delta);
    // Sets the joint so that the segment's angles relative to the world come close to `target`
    // (degrees), each axis limited.
    void SetGlobalAngles(const Vec3& target);
    void ResetJoint();
    // Rebuilds jointRotation from the three angles.
    void RebuildJointRotation();
    // The step (degrees) that may be applied to angle `axis` (0 x, 1 y, 2 z); returns a LimitCode.
    int ClampDelta(int axis, double delta, double& adjusted) const;

    // Refreshes `transform` (the segment's world frame) and worldVertices from `base`, the
    // segment's base frame, then recurses into the children.
    void UpdateWorld(const Matrix4& base);
    // Base frame handed to `child`: `base` (this segment's base frame) for a leg hanging from
    // the pelvis, so that a pelvis rotation leaves the legs in place; otherwise `world`.
    Matrix4 ChildBase(int childNumber, const Matrix4& base, const Matrix4& world) const;
    void UpdateMotionNames();

    // Mass properties of a main segment (lb, in^3, lb.in^2; mass centre in the segment frame).
    float GetMass() const { return mass; }
    void SetMass(float pounds) { mass = pounds; }
    float GetVolume() const { return volume; }
    void SetVolume(float cubicInches) { volume = cubicInches; }
    const Vec3& GetMassCenter() const { return massCentre; }
    const Vec3& GetInertia() const { return inertia; }
    void SetInertia(const Vec3& poundSquareInches) { inertia = poundSquareInches; }

    // Static joint loads of a main segment (JointLoads.cpp), under the figure's gravity vector
    // (CGlobalSettings::gravity, m/s^2) with the segment weights, the external loads and, with
    // `includeFeet`, the predicted foot forces. Both are given in the segment's own frame (the
    // frame of its mesh, mass centre and attached loads). `recursive` adds everything distal
    // to the segment (CHEST: neck, head and arms; ABDOMEN: the legs; a limb: its distal links).
    // A finger segment, or a segment of no figure, has no load: (0, 0, 0).
    // Force the rest of the body supplies at the proximal joint, lbf.
    Vec3 GetJointForce(bool recursive, bool includeFeet) const;
    // Moment at the proximal joint, lbf*in. With `includeWeight` it is taken about the joint
    // (the segment origin); without, about the segment's mass centre (the segment's own weight
    // then has no arm).
    Vec3 GetJointMoment(bool recursive, bool includeFeet, bool includeWeight) const;
    // Recomputes the three force and three moment words from GetJointForce(1, 0) and
    // GetJointMoment(1, 0, 1): first word when a component is > 0, second when < 0, "--" when
    // 0 (within 1e-4). ABDOMEN and the fingers always read "--".
    void UpdateLoadLabels();

    int segmentIndex = 0;
    // The mesh, shared with every figure of the same mesh file (and scale, for the vertices);
    // it is replaced whole, never changed in place. Views keep it compiled: whoever replaces
    // vertices, normals or faces of a segment already drawn calls Invalidate() so that the
    // compiled copies are rebuilt.
    SharedArray<Vec3> vertices; // mesh in the segment frame (origin at the joint), in
    SharedArray<Vec3> normals;  // unit normal per vertex
    SharedArray<Quad> faces;
    std::vector<Vec3> worldVertices; // vertices placed by the last UpdateWorld, in
    Matrix4 jointRotation{true};     // relative to the parent's frame
    Vec3 upperLimits;                // per axis, degrees
    Vec3 lowerLimits;                // per axis, degrees
    int limitsEnabled = 1;
    Vec3 angles; // about the joint's x, y, z axes, degrees
    CMannequin* figure = nullptr;
    CBodyPart* counterpart = nullptr;
    CBodyPart* parentSegment = nullptr;
    std::vector<CBodyPart*> childSegments;
    std::vector<Vec3> childOffsets; // per child, its joint in this segment's frame, in
    std::array<Vec3, 8> boxCorners; // mesh bounding box in the segment frame, in
    Vec3 massCentre;                // in the segment frame, in
    Vec3 meshOrigin;                // the joint in mesh file coordinates, in
    Vec3 inertia;                   // principal moments, lb*in^2
    float mass = 0.0f;              // lb
    float volume = 0.0f;            // in^3
    std::string motionNames[3];
    std::string forceNames[3] = {"--", "--", "--"}; // load words (UpdateLoadLabels)
    std::string momentNames[3] = {"--", "--", "--"};
};
