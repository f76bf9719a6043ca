#include "render/SoftLighting.h"

#include <GL/gl.h>
#include <initializer_list>

void SetSoftLighting() {
    const GLfloat black[] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat keyAmbient[] = {kKeyLightAmbient, kKeyLightAmbient, kKeyLightAmbient, 1.0f};
    const GLfloat key[] = {kKeyLightDiffuse, kKeyLightDiffuse, kKeyLightDiffuse, 1.0f};
    const GLfloat fill[] = {kFillLightDiffuse, kFillLightDiffuse, kFillLightDiffuse, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, keyAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, key);
    glLightfv(GL_LIGHT1, GL_AMBIENT, black);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, fill);
    // Matte: no highlights on skin or cloth.
    for (GLenum light : {GL_LIGHT0, GL_LIGHT1})
        glLightfv(light, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT, GL_SPECULAR, black);
    PlaceAndEnableTwoLights(kKeyLightDirection, kFillLightDirection);
}

void PlaceAndEnableTwoLights(const float keyDirection[4], const float fillDirection[4]) {
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, keyDirection);
    glLightfv(GL_LIGHT1, GL_POSITION, fillDirection);
    glPopMatrix();
    // Objects and glyphs may be drawn scaled; keep their normals unit length.
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_DEPTH_TEST);
}
