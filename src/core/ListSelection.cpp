#include "core/ListSelection.h"

#include "core/ObjectList.h"
#include "core/SceneObject.h"

void DeselectAll(const CObjectList& list) {
    for (CSceneObject* object : list)
        object->Deselect();
}

int SelectOnly(const CObjectList& list, int id) {
    CSceneObject* hit = nullptr;
    for (CSceneObject* object : list) {
        if (object->id == id) {
            object->Select();
            if (!hit)
                hit = object;
        } else {
            object->Deselect();
        }
    }
    if (!hit)
        return 0;
    if (hit->parent && hit->type != kTypeBodyPart)
        return SelectGroup(list, id);
    return 1;
}

int SelectGroup(const CObjectList& list, int id) {
    CSceneObject* hit = nullptr;
    for (CSceneObject* object : list) {
        if (object->id != id)
            object->Deselect();
        else if (!hit)
            hit = object;
    }
    if (!hit)
        return 0;
    CSceneObject* current = hit;
    while (current->parent) {
        CSceneObject* owner = current->parent;
        owner->Select();
        for (CSceneObject* child : owner->children)
            child->Select();
        current = owner;
    }
    current->Select();
    return 1;
}
