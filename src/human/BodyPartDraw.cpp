#include "human/BodyPart.h"

#include "biomech/Force.h"
#include "core/ColourScheme.h"
#include "core/GeometryCache.h"
#include "core/GlobalSettings.h"
#include "core/Overlay.h"
#include "human/Mannequin.h"
#include "human/NaturalColours.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr int kSelectedColour = 0x9B9B;
// Length of CForce's arrow (shaft 3 in, head 2 in).
constexpr double kForceArrowLength = 5.0;
// Corner pairs of the twelve box edges.
constexpr int kBoxEdges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                                  {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
} // namespace

void CBodyPart::Draw(bool whiteFill, int viewType) {
    // The parent chain has already applied the figure placement and the child offsets.
    glPushMatrix();
    GLMultMatrix(jointRotation);

    // The mass-centre markers are drawn by the figure, over the body (they lie inside it).
    const CGlobalSettings defaults;
    const CGlobalSettings& switches = figure && figure->settings ? *figure->settings : defaults;
    if (switches.displayExternalForces && figure) {
        // Location, force and torque are in this segment's own frame (the frame the joint
        // loads take them in), which is the current one: each arrow points the way its force
        // acts on the figure.
        // A floor reaction is drawn pushing into the sole, its head at the support point:
        // starting there it would be hidden inside the foot.
        for (CSceneObject* child : children) {
            if (child->type != kTypeForce)
                continue;
            const auto* load = static_cast<const CForce*>(child);
            const double magnitude = Length(load->force);
            const Matrix4 shift = load->IsFootPrediction() && magnitude > 0.0
                                      ? Translation(load->force * (-kForceArrowLength / magnitude))
                                      : Matrix4(true);
            load->DrawInFrame(shift, whiteFill);
        }
    }

    if (whiteFill) {
        const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glColor4fv(white);
        glMaterialfv(GL_FRONT, GL_AMBIENT, white);
        glMaterialfv(GL_FRONT, GL_DIFFUSE, white);
    } else if (DrawnColourScheme() == COLOURS_NATURAL && figure) {
        GLSetColour(selected
                        ? kNaturalSelectedColour
                        : NaturalSegmentColour(segmentIndex, figure->anthropometry.gender == kMale,
                                               figure->representation));
    } else {
        GLSetColour(selected ? kSelectedColour : colour);
    }
    glLoadName(static_cast<GLuint>(id));
    // Segment meshes are closed and wound counter-clockwise seen from outside. Identical
    // figures share their meshes, and so one compiled list.
    DrawSharedSolid({vertices.Shared(), normals.Shared(), faces.Shared()}, 0, [this] {
        glBegin(GL_QUADS);
        for (const Quad& face : faces)
            for (int corner : face) {
                const Vec3& n = normals[corner];
                const Vec3& v = vertices[corner];
                glNormal3d(n.x, n.y, n.z);
                glVertex3d(v.x, v.y, v.z);
            }
        glEnd();
    });

    for (std::size_t c = 0; c < childSegments.size(); ++c) {
        CBodyPart* child = childSegments[c];
        const bool leg = IsLegSegment(child->segmentIndex);
        double kept[16];
        if (leg) {
            // Legs hang from the pelvis's base frame, not from its rotated frame.
            glGetDoublev(GL_MODELVIEW_MATRIX, kept);
            glPopMatrix();
        }
        glPushMatrix();
        const Vec3& offset = childOffsets[c];
        glTranslated(offset.x, offset.y, offset.z);
        child->Draw(whiteFill, viewType);
        glPopMatrix();
        if (leg) {
            glPushMatrix();
            glLoadMatrixd(kept);
        }
    }
    glPopMatrix();
}

void CBodyPart::DrawHighlight(COverlay& overlay) {
    Matrix4 base(true);
    if (!figure || !figure->GetSegmentFrame(segmentIndex, base))
        return;
    double camera[16];
    double projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, camera);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double modelView[16];
    (Matrix4::FromColumnMajor(camera) * base * jointRotation).ToColumnMajor(modelView);

    double window[8][3];
    for (int i = 0; i < 8; ++i) {
        const Vec3& p = boxCorners[i];
        gluProject(p.x, p.y, p.z, modelView, projection, viewport, &window[i][0], &window[i][1],
                   &window[i][2]);
    }
    const int height = viewport[3];
    for (const auto& edge : kBoxEdges) {
        const double* a = window[edge[0]];
        const double* b = window[edge[1]];
        overlay.AddLine(static_cast<int>(a[0]), height - static_cast<int>(a[1]) + 5,
                        static_cast<int>(b[0]), height - static_cast<int>(b[1]) + 5);
    }
}
