#include "biomech/Force.h"

#include "draw/DrawStyle.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr double kShaftRadius = 0.1; // in
constexpr double kShaftLength = 3.0; // in
constexpr double kHeadRadius = 0.5;  // in
constexpr double kHeadLength = 2.0;  // in
constexpr int kSlices = 8;
constexpr int kExternalColour = 0x0000FF;   // red
constexpr int kPredictionColour = 0xFF0000; // blue
constexpr int kSelectedColour = 0x009B9B;
} // namespace

CForce::CForce() {
    type = kTypeForce;
    SetName("Force");
}

CForce::CForce(const CForce& source, bool keepId)
    : CSceneObject(source, keepId), segment(source.segment), kind(source.kind),
      location(source.location), force(source.force), torque(source.torque) {}

void CForce::Draw(bool whiteFill, int viewType) {
    DrawInFrame(Matrix4(true), whiteFill);
}

void CForce::DrawInFrame(const Matrix4& frame, bool whiteFill) const {
    const double magnitude = Length(force);
    if (magnitude == 0.0)
        return;
    if (whiteFill)
        GLSetColour(0xFFFFFF);
    else
        GLSetColour(selected ? kSelectedColour
                             : (IsFootPrediction() ? kPredictionColour : kExternalColour));
    glLoadName(static_cast<GLuint>(id));
    glPushMatrix();
    glTranslated(location.x, location.y, location.z);
    GLMultMatrix(frame);
    GLAlignZWith(force);
    GLUquadric* quadric = gluNewQuadric();
    gluCylinder(quadric, kShaftRadius, kShaftRadius, kShaftLength, kSlices, 1);
    gluDeleteQuadric(quadric);
    glTranslated(0.0, 0.0, kShaftLength);
    GLSolidCone(kHeadRadius, kHeadLength, kSlices);
    glPopMatrix();
}
