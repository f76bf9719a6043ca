#include "human/Mannequin.h"

#include "core/GLPrimitives.h"
#include "core/GlobalSettings.h"
#include "core/ViewTypes.h"

#include <GL/gl.h>

namespace {
constexpr int kCentreOfGravityColour = 0x0000FF; // red
constexpr double kCentreOfGravityRadius = 1.0;   // in
constexpr int kMarkerTessellation = 8;
} // namespace

void CMannequin::Draw(bool whiteFill, int viewType) {
    // World data is refreshed on every draw so that picking and analysis see what is shown.
    GetSegment(kAbdomen)->UpdateWorld(transform);
    glPushMatrix();
    GLMultMatrix(transform);
    if (settings && settings->displayCentreOfGravity && ShowsMassCentres()) {
        const Vec3 centre = GetCenterOfGravity();
        GLSetColour(whiteFill ? 0xFFFFFF : kCentreOfGravityColour);
        glLoadName(static_cast<GLuint>(id)); // a click on the marker picks the figure
        glPushMatrix();
        glTranslated(centre.x, centre.y, centre.z);
        GLSolidSphere(kCentreOfGravityRadius, kMarkerTessellation, kMarkerTessellation);
        glPopMatrix();
    }
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
