#include "render/EyeMask.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double kDegToRadian = 0.0174532925;
constexpr double kOneNinetieth = 0.011111111111111112;

// Direction angle theta and eccentricity e (degrees) to frame coordinates.
CFieldPoint FieldPoint(double theta, double eccentricity) {
    const double r = 500.0 * eccentricity * kOneNinetieth;
    return {r * std::cos(theta * kDegToRadian), r * std::sin(theta * kDegToRadian)};
}

std::vector<CFieldPoint> MakeOuter() {
    std::vector<CFieldPoint> p;
    p.push_back(FieldPoint(0.0, 88.0));
    for (int k = 1; k <= 15; ++k)
        p.push_back(FieldPoint(2.5 * k, 90.0));
    for (int k = 16; k <= 36; ++k)
        p.push_back(FieldPoint(2.5 * k, 90.0 - 0.5 * (k - 15)));
    for (int k = 37; k <= 57; ++k)
        p.push_back(FieldPoint(2.5 * k, 79.5 + 0.5 * (k - 36)));
    for (int k = 58; k <= 71; ++k)
        p.push_back(FieldPoint(2.5 * k, 90.0));
    const double tail[][2] = {{180, 88}, {205, 83.5}, {220, 75}, {227, 72}, {247, 60}, {265, 50},
                              {270, 49}, {275, 50},   {293, 60}, {313, 72}, {320, 75}, {335, 83.5}};
    for (const auto& t : tail)
        p.push_back(FieldPoint(t[0], t[1]));
    return p;
}

std::vector<CFieldPoint> MakeInner() {
    std::vector<CFieldPoint> p;
    for (int k = 0; k <= 20; ++k)
        p.push_back(FieldPoint(2.5 * k, 67.0));
    const double nose[][2] = {{72, 75}, {80, 75}, {87.5, 79.5}, {92.5, 79.5}, {100, 75}, {108, 75}};
    for (const auto& t : nose)
        p.push_back(FieldPoint(t[0], t[1]));
    for (int k = 52; k <= 82; ++k)
        p.push_back(FieldPoint(2.5 * k, 67.0));
    const double lower[][2] = {{220, 65}, {227, 64},   {247, 57}, {252.5, 55}, {265, 50}, {270, 49},
                               {275, 50}, {287.5, 55}, {293, 57}, {313, 64},   {320, 65}};
    for (const auto& t : lower)
        p.push_back(FieldPoint(t[0], t[1]));
    for (int k = 134; k <= 143; ++k)
        p.push_back(FieldPoint(2.5 * k, 67.0));
    return p;
}

std::array<std::uint8_t, 128> MakeStipple() {
    std::array<std::uint8_t, 128> pattern{};
    const std::uint8_t rows[4] = {0xEE, 0xFF, 0xBB, 0xFF};
    for (int row = 0; row < 32; ++row)
        for (int byte = 0; byte < 4; ++byte)
            pattern[row * 4 + byte] = rows[row % 4];
    return pattern;
}

} // namespace

const std::vector<CFieldPoint>& OuterFieldOutline() {
    static const std::vector<CFieldPoint> outline = MakeOuter();
    return outline;
}

const std::vector<CFieldPoint>& InnerFieldOutline() {
    static const std::vector<CFieldPoint> outline = MakeInner();
    return outline;
}

const std::array<std::uint8_t, 128>& MonocularStipple() {
    static const std::array<std::uint8_t, 128> pattern = MakeStipple();
    return pattern;
}

void FillFieldOutline(const std::vector<CFieldPoint>& outline) {
    // A fan about the line of sight fills the concave outline exactly: its points run round
    // the centre in increasing direction angle.
    glBegin(GL_TRIANGLE_FAN);
    glVertex2d(0.0, 0.0);
    for (const CFieldPoint& p : outline)
        glVertex2d(p.x, p.y);
    glVertex2d(outline.front().x, outline.front().y);
    glEnd();
}
