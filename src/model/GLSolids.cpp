#include "model/GLSolids.h"

#include <GL/glu.h>

void GLSolidSphere(double radius, int slices, int stacks) {
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluSphere(quadric, radius, slices, stacks);
    gluDeleteQuadric(quadric);
}

void GLSolidCone(double base, double height, int slices, int stacks) {
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluCylinder(quadric, base, 0.0, height, slices, stacks);
    // The base disk faces away from the tip.
    gluQuadricOrientation(quadric, GLU_INSIDE);
    gluDisk(quadric, 0.0, base, slices, 1);
    gluDeleteQuadric(quadric);
}
