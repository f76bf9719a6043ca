#include "view/ViewModes.h"

const char* ModePrompt(int mode) {
    switch (mode) {
    case MODE_PICK_POINT:
        return "Select a point on the screen with the crosshair, F3 to enter coordinates, ESC to "
               "cancel.";
    case MODE_ROTATE:
        return "LEFT, Shift-LEFT and RIGHT button to rotate around X, Y and Z axes.";
    case MODE_TRANSLATE:
        return "LEFT button to move on screen.  RIGHT button to change depth.";
    case MODE_SCALE:
        return "LEFT button to scale on screen. F3 to enter scale factor";
    case MODE_WALK_PATH:
    case MODE_WALK_RECORD_PATH:
        return "Draw the walk path with the LEFT button.  End with RIGHT button.";
    case MODE_WALK_MOVE:
        return "Move Mode, Press ESCAPE to end";
    case MODE_ZOOM_IN:
        return "Select a zoom center with the crosshair, ESC to cancel.";
    case MODE_ZOOM_WINDOW_FIRST:
        return "Select a corner of the zoom window.";
    case MODE_ZOOM_WINDOW_SECOND:
        return "Select the second corner of the zoom window.";
    case MODE_ORBIT:
        return "Click and drag the mouse to orbit. ESC to cancel";
    case MODE_REACH_RIGHT:
    case MODE_REACH_LEFT:
        return "Select a point on the screen to reach to, ESC to cancel.";
    case MODE_LINE:
        return "LEFT button to pick the vertices, RIGHT button to end, F3 to enter coordinates, "
               "ESC to cancel";
    case MODE_CURVE:
        return "LEFT button to select control points of the curve, RIGHT button to end, F3 to "
               "enter coordinates, ESC to cancel";
    case MODE_SPHERE:
        return "LEFT button to select center and radius of the sphere, RIGHT button to end, F3 "
               "to enter coordinates, ESC to cancel";
    case MODE_TEXT:
        return "LEFT button to select where to insert text, F3 to enter coordinates, ESC to "
               "cancel";
    case MODE_RECTANGLE:
        return "LEFT button to select opposite points of the rectangle, RIGHT button to end, F3 "
               "to enter coordinates, ESC to cancel";
    case MODE_BOX:
        return "LEFT button to select opposite points of the box, RIGHT button to end, F3 to "
               "enter coordinates, ESC to cancel";
    case MODE_CONE:
    case MODE_CYLINDER:
        return "LEFT button to select radius and then height, RIGHT button to end, F3 to enter "
               "coordinates, ESC to cancel";
    case MODE_TORUS:
        return "LEFT button to pick the radius of the torus, RIGHT button to end, F3 to enter "
               "coordinates, ESC to cancel";
    case MODE_CIRCLE:
        return "LEFT button to pick the center and radius, RIGHT button to end, F3 to enter "
               "coordinates, ESC to cancel";
    case MODE_ADD_FORCE:
        return "LEFT button to select body segment where to add an external force, ESC to cancel";
    case MODE_DIMENSION:
        return "LEFT button to select the points, F3 to enter coordinates, ESC to cancel";
    default:
        return "";
    }
}

bool ModeUsesCrosshair(int mode) {
    switch (mode) {
    case MODE_SELECT:
    case MODE_ROTATE:
    case MODE_WALK_MOVE:
    case MODE_REACH_RIGHT:
    case MODE_REACH_LEFT:
        return false;
    default:
        return true;
    }
}

int ModePointLimit(int mode, bool angleDimension) {
    switch (mode) {
    case MODE_SPHERE:
    case MODE_RECTANGLE:
    case MODE_BOX:
    case MODE_CIRCLE:
        return 2;
    case MODE_CONE:
    case MODE_TORUS:
    case MODE_CYLINDER:
        return 3;
    case MODE_DIMENSION:
        return angleDimension ? 3 : 2;
    default:
        return -1;
    }
}
