#pragma once

// What a drawing mode builds from its points: kind 0 polyline, 1 solid, 2 text, 3 dimension,
// and the shape code of the builder.
struct ConstructionShape {
    int kind;
    int shape;
};

ConstructionShape ShapeOfMode(int mode);
