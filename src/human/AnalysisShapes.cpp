#include "human/AnalysisShapes.h"

#include "core/MathConstants.h"
#include "draw/Polyface.h"
#include "human/SegmentTable.h"

#include <cmath>

namespace {

constexpr int kGridStep = 10; // degrees between grid rows and between grid columns

constexpr ViewConeParameters kOptimumCone = {15.0, 15.0, 70.0, 15.0, 0.0, 0xFF00FF};
constexpr ViewConeParameters kMaximumCones[2] = {
    {70.0, 56.5, 45.0, 10.5, 25.0, 0x800040},
    {70.0, 56.5, 45.0, 10.5, -25.0, 0x008040},
};

constexpr RangeVolumeParameters kRangeVolumes[kRangeVolumeCount] = {
    {kLeftArm, {kLeftPalm, kLeftForearm, kLeftArm}, -70, 90, 180, 0x0000A8},
    {kRightArm, {kRightPalm, kRightForearm, kRightArm}, -90, 70, 180, 0xA80000},
    {kLeftLeg, {kLeftFoot, kLeftLowerLeg, kLeftLeg}, -45, 45, 120, 0x0000FC},
    {kRightLeg, {kRightFoot, kRightLowerLeg, kRightLeg}, -45, 45, 120, 0x00A800},
};

} // namespace

int ViewConeCount(int mode) {
    return mode == kViewConeOptimum ? 1 : (mode == kViewConeMaximum ? 2 : 0);
}

const ViewConeParameters& ViewConeOf(int mode, int slot) {
    return mode == kViewConeMaximum ? kMaximumCones[slot == 1 ? 1 : 0] : kOptimumCone;
}

const RangeVolumeParameters& RangeVolumeOf(int number) {
    return kRangeVolumes[number >= 0 && number < kRangeVolumeCount ? number : 0];
}

void BuildRangeVolumeGrid(CPolyface& shape, double radius, int phiFrom, int phiTo, int thetaLimit) {
    shape.vertices.clear();
    shape.faces.clear();
    int rows = 0;
    for (int theta = 0; theta <= thetaLimit; theta += kGridStep, ++rows) {
        const double t = theta * tav::kDegToRad;
        for (int phi = phiFrom; phi <= phiTo; phi += kGridStep) {
            const double p = phi * tav::kDegToRad;
            shape.vertices.emplace_back(radius * std::sin(t) * std::sin(p), -radius * std::cos(t),
                                        radius * std::sin(t) * std::cos(p));
        }
    }
    const int columns = rows ? static_cast<int>(shape.vertices.size()) / rows : 0;
    for (int i = 0; i + 1 < rows; ++i)
        for (int j = 0; j + 1 < columns; ++j)
            shape.faces.push_back({columns * i + j, columns * i + j + 1, columns * (i + 1) + j + 1,
                                   columns * (i + 1) + j});
    shape.Invalidate();
}

void PlaceShape(std::unique_ptr<CPolyface>& placed, const CPolyface& shape, const Matrix4& m) {
    if (!placed)
        placed = std::make_unique<CPolyface>();
    placed->colour = shape.colour;
    placed->faces = shape.faces;
    placed->vertices.resize(shape.vertices.size());
    for (std::size_t i = 0; i < shape.vertices.size(); ++i)
        placed->vertices[i] = TransformPoint(m, shape.vertices[i]);
    placed->Invalidate();
}
