#include "human/Mannequin.h"

#include "biomech/Force.h"

CMannequin::CMannequin(const CMannequin& source, bool keepId)
    : CSceneObject(source, keepId), settings(source.settings),
      representation(source.representation), anthropometry(source.anthropometry),
      leftFootprint(source.leftFootprint), rightFootprint(source.rightFootprint),
      savedPosture(source.savedPosture) {
    colour = keepId ? source.colour : id;
    for (int n = 0; n < kSegmentCount; ++n)
        segments[n] = std::make_unique<CBodyPart>(*source.segments[n], false);
    LinkSegments();
    for (const CForce* f : source.forces) {
        auto* copy = new CForce(*f, false);
        copy->colour = colour;
        segments[copy->segment]->AddChild(copy);
        copy->parent = this;
        forces.push_back(copy);
    }
}
