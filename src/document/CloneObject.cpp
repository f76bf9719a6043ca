#include "document/CloneObject.h"

#include "biomech/Force.h"
#include "document/SceneFileMannequin.h"
#include "draw/Dimension.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"
#include "human/Mannequin.h"

namespace {

CSceneObject* CopyOfClass(const CSceneObject& source, bool keepId) {
    switch (source.type) {
    case kTypePolyline:
        return new CPolyline(static_cast<const CPolyline&>(source), keepId);
    case kTypeDashedPolyline:
        return new CDashedPolyline(static_cast<const CDashedPolyline&>(source), keepId);
    case kTypePolyface:
        return new CPolyface(static_cast<const CPolyface&>(source), keepId);
    case kTypeText:
        return new CText3D(static_cast<const CText3D&>(source), keepId);
    case kTypeDimension:
        return new CDimension(static_cast<const CDimension&>(source), keepId);
    case kTypeBodyPart:
        return new CBodyPart(static_cast<const CBodyPart&>(source), keepId);
    case kTypeMannequin:
        return new CMannequin(static_cast<const CMannequin&>(source), keepId);
    case kTypeForce:
        return new CForce(static_cast<const CForce&>(source), keepId);
    case kTypeUnreadFigure:
        return new CUnreadFigure(static_cast<const CUnreadFigure&>(source), keepId);
    default:
        return new CSceneObject(source, keepId);
    }
}

} // namespace

CSceneObject* CloneObject(const CSceneObject& source, bool keepId) {
    CSceneObject* copy = CopyOfClass(source, keepId);
    for (const CSceneObject* child : source.children)
        if (child->type != kTypeBodyPart)
            copy->AddChild(CloneObject(*child, keepId));
    return copy;
}
