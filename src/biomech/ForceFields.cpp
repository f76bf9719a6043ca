#include "biomech/ForceFields.h"

#include "biomech/Force.h"
#include "biomech/Units.h"
#include "human/Mannequin.h"

namespace {

Vec3 Length(const Vec3& v, int from, int to) {
    return {ConvertLength(from, v.x, to), ConvertLength(from, v.y, to),
            ConvertLength(from, v.z, to)};
}

Vec3 Force(const Vec3& v, int from, int to) {
    return {ConvertForce(from, v.x, to), ConvertForce(from, v.y, to), ConvertForce(from, v.z, to)};
}

Vec3 MomentShown(const Vec3& v, int forceUnit) {
    if (forceUnit != kNewton)
        return v;
    return {MomentToNewtonMetres(v.x), MomentToNewtonMetres(v.y), MomentToNewtonMetres(v.z)};
}

Vec3 MomentRead(const Vec3& v, int forceUnit) {
    if (forceUnit != kNewton)
        return v;
    return {MomentFromNewtonMetres(v.x), MomentFromNewtonMetres(v.y), MomentFromNewtonMetres(v.z)};
}

} // namespace

ForceFields ForceFieldsFromModel(int segment, const Vec3& location, const Vec3& force,
                                 const Vec3& torque, int lengthUnit, int forceUnit) {
    ForceFields fields;
    fields.segmentName = IsValidSegmentIndex(segment) ? SegmentInfoOf(segment).name : "";
    fields.location = Length(location, kInches, lengthUnit);
    fields.force = Force(force, kPoundForce, forceUnit);
    fields.torque = MomentShown(torque, forceUnit);
    fields.lengthLabel = LengthUnitLabel(lengthUnit);
    fields.forceLabel = ForceUnitLabel(forceUnit);
    fields.momentLabel = MomentUnitLabel(forceUnit);
    return fields;
}

ForceFields ForceFieldsOf(const CForce& load, int lengthUnit, int forceUnit) {
    ForceFields fields = ForceFieldsFromModel(load.segment, load.location, load.force, load.torque,
                                              lengthUnit, forceUnit);
    fields.atMassCentre = false;
    fields.readOnly = load.IsFootPrediction();
    fields.canAutoBalance = !fields.readOnly;
    return fields;
}

void ForceFieldsToModel(const ForceFields& fields, int lengthUnit, int forceUnit, Vec3& location,
                        Vec3& force, Vec3& torque) {
    location = Length(fields.location, lengthUnit, kInches);
    force = Force(fields.force, forceUnit, kPoundForce);
    torque = MomentRead(fields.torque, forceUnit);
}

void AutoBalanceFields(const CMannequin& figure, const CForce& load, ForceFields& fields,
                       int forceUnit) {
    Vec3 force, torque;
    figure.ComputeBalancingForce(load, force, torque);
    fields.force = Force(force, kPoundForce, forceUnit);
    fields.torque = MomentShown(torque, forceUnit);
}
