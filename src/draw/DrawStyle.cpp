#include "draw/DrawStyle.h"

#include "core/MathConstants.h"
#include "core/SceneObject.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

void BeginObjectDrawing(const CSceneObject& object, bool whiteFill, int selectedColour) {
    if (whiteFill)
        GLSetColour(0xFFFFFF);
    else
        GLSetColour(object.selected ? selectedColour : object.colour);
    glLoadName(static_cast<GLuint>(object.id));
    glPushMatrix();
    GLMultMatrix(object.transform);
}

void EndObjectDrawing() {
    glPopMatrix();
}

void GLAlignZWith(const Vec3& direction) {
    const double length = Length(direction);
    if (length < tav::kLengthTolerance)
        return;
    const Vec3 d = direction / length;
    const Vec3 axis = Cross(Vec3(0, 0, 1), d);
    if (Length(axis) >= tav::kLengthTolerance)
        glRotated(std::acos(std::clamp(d.z, -1.0, 1.0)) * tav::kRadToDeg, axis.x, axis.y, axis.z);
    else if (d.z < 0)
        glRotated(180.0, 1.0, 0.0, 0.0);
}

void GLSolidCone(double baseRadius, double height, int slices) {
    GLUquadric* quadric = gluNewQuadric();
    gluCylinder(quadric, baseRadius, 0.0, height, slices, 1);
    gluQuadricOrientation(quadric, GLU_INSIDE);
    gluDisk(quadric, 0.0, baseRadius, slices, 1);
    gluDeleteQuadric(quadric);
}
