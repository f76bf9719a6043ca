#pragma once

// Solid shapes drawn with GLU quadrics in place of the GLUT solids, same sizes and tessellation.
// Centred on the origin of the current model-view matrix, with smooth normals.
void GLSolidSphere(double radius, int slices, int stacks);
