#include "core/SceneBounds.h"

#include "core/BoundingBox.h"
#include "core/ObjectList.h"
#include "core/SceneObject.h"

void SceneBounds(const CObjectList& objects, Vec3& boxMin, Vec3& boxMax) {
    BoundingBox box;
    for (const CSceneObject* object : objects)
        if (object->IsTopLevel())
            object->CollectBounds(box);
    if (!box.valid) {
        boxMin = Vec3(-1000.0, -1000.0, -1000.0);
        boxMax = Vec3(1000.0, 1000.0, 1000.0);
        return;
    }
    boxMin = box.min;
    boxMax = box.max;
}
