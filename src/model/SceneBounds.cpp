#include "model/SceneBounds.h"

#include "model/BoundingBox.h"
#include "model/ObjectList.h"
#include "model/SceneObject.h"

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
