#pragma once

// Solid markers drawn with GLU quadrics at the current model-view position, with normals for
// lighting. They stand in for the classic GLUT solids and keep their sizes and orientation.

// Sphere of the given radius (model units) centred on the origin.
void GLSolidSphere(double radius, int slices, int stacks);
// Cone with its base disk (radius `base`) on z = 0, facing -Z, and its tip at z = height.
void GLSolidCone(double base, double height, int slices, int stacks);
