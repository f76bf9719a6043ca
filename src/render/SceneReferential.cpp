#include "render/SceneReferential.h"

#include "draw/DrawStyle.h"
#include "render/GLRender.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double kLabelSize = 2.5; // glyph height of the axis letters, in referential units

void SetColour(float r, float g, float b) {
    const float rgba[4] = {r, g, b, 1.0f};
    glColor4fv(rgba);
    glMaterialfv(GL_FRONT, GL_AMBIENT, rgba);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, rgba);
}

} // namespace

void DrawAxes(double scale, CGLRender* labels) {
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    glPushMatrix();
    glScaled(scale, scale, scale);
    struct Axis {
        float r, g, b;
        double angle, ax, ay; // rotation turning the previous axis into this one
        const char* label;
    };
    const Axis axes[3] = {
        {1, 0, 0, 90.0, 0, 1, "X"}, {0, 1, 0, -90.0, 1, 0, "Y"}, {0, 0, 1, -90.0, 0, 1, "Z"}};
    for (const Axis& axis : axes) {
        SetColour(axis.r, axis.g, axis.b);
        glRotated(axis.angle, axis.ax, axis.ay, 0.0);
        glPushMatrix();
        gluCylinder(quadric, 0.2, 0.2, 5.0, 8, 1);
        glTranslated(0.0, 0.0, 5.0);
        GLSolidCone(1.0, 3.0, 8);
        glTranslated(0.0, 0.0, 4.0);
        if (labels) {
            // The label faces the viewer, whichever way its axis points: the rotation is
            // dropped from the model-view matrix at the label's place.
            double m[16];
            glGetDoublev(GL_MODELVIEW_MATRIX, m);
            for (int column = 0; column < 3; ++column)
                for (int row = 0; row < 3; ++row)
                    m[column * 4 + row] = column == row ? kLabelSize * scale : 0.0;
            glLoadMatrixd(m);
            labels->DrawText("%s", axis.label);
        }
        glPopMatrix();
    }
    glPopMatrix();
    gluDeleteQuadric(quadric);
}

void DrawFloor(double tileSize, int tileCount, float grey) {
    SetColour(grey, grey, grey);
    const double s = tileSize;
    glNormal3d(0.0, 1.0, 0.0);
    glBegin(GL_QUADS);
    for (int i = -tileCount; i < tileCount; ++i) {
        for (int k = -tileCount; k < tileCount; ++k) {
            glVertex3d(i * s, 0.0, k * s);
            glVertex3d(i * s, 0.0, (k + 1) * s);
            glVertex3d((i + 1) * s, 0.0, (k + 1) * s);
            glVertex3d((i + 1) * s, 0.0, k * s);
        }
    }
    glEnd();
}
