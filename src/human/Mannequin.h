#pragma once

#include "anthro/Anthropometry.h"
#include "human/BodyPart.h"
#include "human/SegmentTable.h"
#include "model/SceneObject.h"

#include <array>
#include <memory>
#include <vector>

class CForce;
struct CGlobalSettings;

// Joint state of one segment kept by the figure's saved posture.
struct SavedJointState {
    Vec3 upperLimits; // degrees
    Vec3 lowerLimits; // degrees
    Vec3 angles;      // degrees
    Matrix4 jointRotation{true};
};

// A human figure (type 5): 46 body segments in a fixed tree rooted at the pelvis. The figure's
// `transform` places it in the scene; each segment's `transform` holds its world frame after
// UpdatePosture(). All 46 segments are also in the child list, so the generic scene
// operations reach them; they belong to the figure and are never deleted through that list.
class CMannequin : public CSceneObject {
public:
    // A bare figure: the linked segment tree with no meshes, zero limits and zero angles.
    CMannequin();
    // Copy used by undo, the clipboard and duplication: placement, representation,
    // anthropometry, every segment (mesh, limits, angles; fresh ids) and every load. With
    // keepId the copy has the source's id and colour; otherwise its colour is its own new id.
    CMannequin(const CMannequin& source, bool keepId);
    ~CMannequin() override;

    void Deselect() override;
    void Draw(bool whiteFill, int viewType) override;
    // Recomputes every segment's world frame and placed vertices.
    virtual void UpdatePosture();

    // Segment `index` (0..45); null outside that range.
    CBodyPart* GetSegment(int index);
    const CBodyPart* GetSegment(int index) const;
    // Base frame of a segment in the scene: the figure's placement and the joints and child
    // offsets down the tree, without the segment's own joint rotation. 0 for a bad index.
    int GetSegmentFrame(int index, Matrix4& out) const;
    // The same in the figure's own coordinates (placement left out).
    int GetSegmentLocalFrame(int index, Matrix4& out) const;
    // Limited step (degrees) of segment `index` about joint axis 0 x, 1 y, 2 z; a LimitCode,
    // or kWithinLimits without effect for a bad index or axis.
    int RotateSegment(int index, double angle, int axis);

    // Whether mass-centre and centre-of-gravity markers are drawn: only for the Human
    // representation of a male adult-table figure, the one the mass data describes.
    int ShowsMassCentres() const;

    // The figure's one saved posture (joint limits, angles and rotations of every segment).
    void SavePosture();
    void RestoreSavedPosture();

    // Attaches a new load to main segment `segment` (0..15) and lists it in `forces` and in the
    // segment's children. With `worldPoint` the location is a scene point, converted into the
    // segment's frame; otherwise it is already in that frame (in). Force in lbf, torque in
    // lbf*in. A null `name` keeps "Force". Returns the force, or null for a bad segment.
    CForce* AddForce(int segment, int kind, const Vec3& location, const Vec3& force,
                     const Vec3& torque, const char* name, bool worldPoint);
    // Replaces the location (segment frame, in), force (lbf) and torque (lbf*in) of a force of
    // this figure.
    void EditForce(CForce& force, const Vec3& location, const Vec3& forceVector,
                   const Vec3& torque);
    // Unlinks and deletes a force of this figure.
    void DeleteForce(CForce* force);

    // The main frame's display switches; null means the defaults.
    const CGlobalSettings* settings = nullptr;
    int representation = 0; // 0 Human, 1 Robot, 2 Stick Figure, 3 Skeleton, 4 HumanForm
    CAnthropometry anthropometry;
    std::array<SavedJointState, kSegmentCount> savedPosture;
    // External loads and predicted foot forces in the order added. Each is also a child of the
    // segment it acts on, which owns it; its parent is the figure and its colour the figure's.
    std::vector<CForce*> forces;

private:
    // Names, tree links, counterparts and child-list entries of all segments.
    void LinkSegments();
    int SegmentFrameFrom(const Matrix4& root, int index, Matrix4& out) const;

    std::array<std::unique_ptr<CBodyPart>, kSegmentCount> segments;
};
