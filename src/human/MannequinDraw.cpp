#include "human/Mannequin.h"

#include "core/GLPrimitives.h"
#include "core/GlobalSettings.h"
#include "core/ViewTypes.h"
#include "human/BodyPart.h"

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
    DrawMassCentres();
}

void CMannequin::DrawMassCentres() {
    constexpr int kSegmentMarkerColour = 0x9B00;
    constexpr int kBodyMarkerColour = 0x0000FF; // red
    constexpr int kTessellation = 8;
    if (!settings || !settings->displayCentreOfGravity || !ShowsMassCentres())
        return;
    // The mass centres lie inside the closed body: the markers are drawn over it, in every
    // render pass, so that the hidden-surface fill does not cover them either.
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
    glDisable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const auto marker = [](const Vec3& at, int colour, double radius) {
        GLSetColour(colour);
        glPushMatrix();
        glTranslated(at.x, at.y, at.z);
        GLSolidSphere(radius, kTessellation, kTessellation);
        glPopMatrix();
    };
    for (int index = 0; index < kMainSegmentCount; ++index) {
        const CBodyPart& part = *segments[index];
        Matrix4 base(true);
        if (!GetSegmentFrame(index, base))
            continue;
        const Vec3 centre = TransformPoint(base * part.jointRotation, part.GetMassCenter());
        glLoadName(static_cast<GLuint>(part.id));
        marker(centre, kSegmentMarkerColour, 0.5);
    }
    // The whole body's centre of gravity; a click on it picks the figure.
    glLoadName(static_cast<GLuint>(id));
    marker(TransformPoint(transform, GetCenterOfGravity()), kBodyMarkerColour, 1.0);
    glPopAttrib();
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
