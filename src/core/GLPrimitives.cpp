#include "core/GLPrimitives.h"

#include <GL/glu.h>

void GLSolidSphere(double radius, int slices, int stacks) {
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluSphere(quadric, radius, slices, stacks);
    gluDeleteQuadric(quadric);
}
