#pragma once

// Camera placement of a view; scene objects receive it when they are drawn.
enum ViewType {
    VIEW_FRONT = 0,
    VIEW_TOP = 1,
    VIEW_RIGHT = 2,
    VIEW_LEFT = 3,
    VIEW_USER = 4,
    VIEW_EYE = 5,  // perspective from a mannequin's eyes
    VIEW_ORBIT = 6 // 3D orbit
};
