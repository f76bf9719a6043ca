#include "view/ConstructionShapes.h"

#include "view/ViewModes.h"

ConstructionShape ShapeOfMode(int mode) {
    switch (mode) {
    case MODE_LINE:
    case MODE_WALK_PATH:
    case MODE_WALK_RECORD_PATH:
        return {0, 1};
    case MODE_CURVE:
        return {0, 2};
    case MODE_CIRCLE:
        return {0, 9};
    case MODE_SPHERE:
        return {1, 3};
    case MODE_RECTANGLE:
        return {1, 4};
    case MODE_BOX:
        return {1, 6};
    case MODE_CONE:
        return {1, 7};
    case MODE_TORUS:
        return {1, 8};
    case MODE_CYLINDER:
        return {1, 10};
    case MODE_TEXT:
        return {2, 5};
    case MODE_DIMENSION:
        return {3, 1};
    default:
        return {0, 1};
    }
}
