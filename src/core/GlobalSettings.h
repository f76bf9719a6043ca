#pragma once

#include "core/ColourScheme.h"
#include "core/Vec3.h"

// Settings global to a running program (not per document). The desktop program's main frame
// owns one instance and hands it to documents, views and renderers; headless callers and tests
// make their own. No global instance exists.
struct CGlobalSettings {
    int displayCentreOfGravity = 0;
    int displayExternalForces = 1;
    int showSceneReferential = 0;
    int showSceneFloor = 0;
    int numberOfTiles = 20;        // floor tiles per half side
    int tileUnit = 10;             // floor tile size, in the display length unit
    int recordingSetting = 10;     // frames per second of the walk recording
    Vec3 gravity{0.0, -9.81, 0.0}; // m/s^2
    int lengthUnit = 0;            // 0 in, 1 ft, 2 m, 3 cm, 4 mm
    int forceUnit = 0;             // 0 lbf, 1 N
    // A ColourScheme; a user preference, kept between runs by the desktop program.
    int colourScheme = COLOURS_PALETTE;
};
