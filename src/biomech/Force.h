#pragma once

#include "core/SceneObject.h"

#include <cstdint>

enum ForceKind : std::uint8_t {
    kForceExternal = 0,       // a load the user placed
    kForceFootPrediction = 1, // a predicted foot reaction
};

// A load attached to one main segment of a mannequin: a force and a free torque applied at a
// point of the segment's frame. Type 7, default name "Force"; its parent is the mannequin and
// its colour value the mannequin's id (how scene files and the Delete command find the owner).
class CForce : public CSceneObject {
public:
    CForce();
    // Copies segment, kind, the three vectors and the base fields; the id only with keepId.
    CForce(const CForce& source, bool keepId);

    // Draws the arrow in the current frame (see DrawInFrame).
    void Draw(bool whiteFill, int viewType) override;
    // Draws the arrow at `location`, in the current model-view frame multiplied by `frame`:
    // a cylinder of radius 0.1 and length 3 (8 slices), then a cone of base 0.5 and height 2,
    // along the force direction. Its size does not depend on the magnitude; a zero force draws
    // nothing.
    void DrawInFrame(const Matrix4& frame, bool whiteFill) const;

    bool IsFootPrediction() const { return kind == kForceFootPrediction; }

    std::uint8_t segment = 0; // main segment 0..15
    std::uint8_t kind = kForceExternal;
    Vec3 location; // point of application in the segment's frame, in
    Vec3 force;    // lbf, in the segment's frame
    Vec3 torque;   // lbf*in, in the segment's frame
};
