#pragma once

#include "core/ObjectList.h"

// Owns what a scene file read into a list, or what a command built.
struct Scene {
    CObjectList list;
    ~Scene() { DeleteTopLevelObjects(list); }
};
