#include "human/Mannequin.h"

#include "biomech/Force.h"

#include <algorithm>

CForce* CMannequin::AddForce(int segment, int kind, const Vec3& location, const Vec3& force,
                             const Vec3& torque, const char* name, bool worldPoint) {
    CBodyPart* part = GetSegment(segment);
    if (!part)
        return nullptr;
    auto* load = new CForce();
    load->segment = static_cast<std::uint8_t>(segment);
    load->kind = static_cast<std::uint8_t>(kind);
    load->location = location;
    if (worldPoint) {
        Matrix4 frame;
        GetSegmentFrame(segment, frame);
        load->location = TransformPoint(Inverse(frame * part->jointRotation), location);
    }
    load->force = force;
    load->torque = torque;
    if (name)
        load->SetName(name);
    load->colour = colour;
    part->AddChild(load);
    load->parent = this;
    forces.push_back(load);
    part->Invalidate();
    Invalidate();
    UpdateLoadLabels();
    return load;
}

void CMannequin::EditForce(CForce& force, const Vec3& location, const Vec3& forceVector,
                           const Vec3& torque) {
    force.location = location;
    force.force = forceVector;
    force.torque = torque;
    if (CBodyPart* part = GetSegment(force.segment))
        part->Invalidate();
    UpdateLoadLabels();
}

void CMannequin::DeleteForce(CForce* force) {
    auto found = std::find(forces.begin(), forces.end(), force);
    if (found == forces.end())
        return;
    forces.erase(found);
    if (CBodyPart* part = GetSegment(force->segment))
        part->children.Remove(force);
    delete force;
    Invalidate();
    UpdateLoadLabels();
}
