#pragma once

// Interaction modes of a 3D view (the stored number is the mode's value). The document sets
// them by code; the view interprets them.
enum ViewMode : int {
    MODE_SELECT = 0,
    MODE_PICK_POINT = 1,
    MODE_ROTATE = 2,
    MODE_TRANSLATE = 3,
    MODE_SCALE = 4,
    MODE_WALK_PATH = 5,
    MODE_WALK_RECORD_PATH = 6,
    MODE_WALK_MOVE = 7,
    MODE_ZOOM_IN = 8,
    MODE_ZOOM_WINDOW_FIRST = 9,
    MODE_ZOOM_WINDOW_SECOND = 10,
    MODE_ORBIT = 11,
    MODE_REACH_RIGHT = 12,
    MODE_REACH_LEFT = 13,
    MODE_LINE = 14,
    MODE_CURVE = 15,
    MODE_SPHERE = 16,
    MODE_TEXT = 17,
    MODE_RECTANGLE = 18,
    MODE_BOX = 19,
    MODE_CONE = 20,
    MODE_TORUS = 21,
    MODE_CIRCLE = 22,
    MODE_CYLINDER = 23,
    MODE_ADD_FORCE = 24,
    MODE_DIMENSION = 25,
};
