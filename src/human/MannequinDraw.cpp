#include "human/Mannequin.h"

#include <GL/gl.h>

void CMannequin::Draw(bool whiteFill, int viewType) {
    // World data is refreshed on every draw so that picking and analysis see what is shown.
    GetSegment(kAbdomen)->UpdateWorld(transform);
    glPushMatrix();
    GLMultMatrix(transform);
    GetSegment(kAbdomen)->Draw(whiteFill, viewType);
    for (CSceneObject* child : children)
        if (child->type != kTypeBodyPart)
            child->Draw(whiteFill, viewType);
    glPopMatrix();
}
