#include "human/Mannequin.h"

#include "core/ViewTypes.h"

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
    DrawShapes(whiteFill, viewType);
}

void CMannequin::DrawShapes(bool whiteFill, int viewType) {
    const auto draw = [whiteFill](const CPolyface& shape, const Matrix4& frame) {
        GLSetColour(whiteFill ? 0xFFFFFF : shape.colour);
        glPushMatrix();
        GLMultMatrix(frame);
        shape.DrawFaces();
        glPopMatrix();
    };
    // A click on a shape picks its figure.
    glLoadName(static_cast<GLuint>(id));
    // From the eyes themselves the cones would only fill the picture.
    if (viewType != VIEW_EYE)
        for (int slot = 0; slot < ViewConeCount(viewConeMode); ++slot)
            if (viewConeTemplates[slot])
                draw(*viewConeTemplates[slot], HeadWorldFrame() * viewConePlacement[slot]);
    for (int number = 0; number < kRangeVolumeCount; ++number)
        if (rangeVolumeShown[number] && rangeVolumeTemplates[number])
            draw(*rangeVolumeTemplates[number],
                 RangeVolumeFrame(number) * rangeVolumePlacement[number]);
}
