#pragma once

#include "core/Vec3.h"

#include <string>

class CForce;
class CMannequin;

// The fields of the force dialog ("Segmental External Force And Location") in display units,
// and their conversion from and to the model's units (in, lbf, lbf*in).
struct ForceFields {
    std::string segmentName;     // "CHEST" .. "HEAD"
    Vec3 location;               // display length unit
    Vec3 force;                  // display force unit
    Vec3 torque;                 // lbf*in, or N*m in the newton setting
    bool atMassCentre = true;    // "Force at the segment's center of gravity"
    bool readOnly = false;       // a foot prediction force: every field disabled
    bool canAutoBalance = false; // "Auto balance Mannequin": only when editing an external load
    std::string lengthLabel;     // "[in]" .. "[mm]"
    std::string forceLabel;      // "[LbF]" / "[N]"
    std::string momentLabel;     // "[LbF.in]" / "[N.m]"
};

// Fields for model values (location in, force lbf, torque lbf*in).
ForceFields ForceFieldsFromModel(int segment, const Vec3& location, const Vec3& force,
                                 const Vec3& torque, int lengthUnit, int forceUnit);
// Fields of an existing force: read-only for a foot prediction force, auto balance otherwise.
ForceFields ForceFieldsOf(const CForce& load, int lengthUnit, int forceUnit);
// Back to model units.
void ForceFieldsToModel(const ForceFields& fields, int lengthUnit, int forceUnit, Vec3& location,
                        Vec3& force, Vec3& torque);
// "Auto balance Mannequin": replaces the fields' force and torque by those of
// CMannequin::ComputeBalancingForce for `load` at its location.
void AutoBalanceFields(const CMannequin& figure, const CForce& load, ForceFields& fields,
                       int forceUnit);
