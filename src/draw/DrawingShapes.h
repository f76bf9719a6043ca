#pragma once

// Shape codes the drawing tools hand to the polyline and polyface builders.
enum DrawingShape {
    kShapeLine = 1,
    kShapeCurve = 2,
    kShapeSphere = 3,
    kShapeRectangle = 4,
    kShapeBox = 6,
    kShapeCone = 7,
    kShapeTorus = 8,
    kShapeCircle = 9,
    kShapeCylinder = 10,
};

// Axis codes of the cone/cylinder mesh.
enum MeshAxis { kAxisX = 0, kAxisY = 1, kAxisZ = 2 };
