// Feeds arbitrary bytes to the mesh and footprint readers and, when they accept them, through
// the code that derives the figure's segment data from them.
#include "human/BodyFiles.h"
#include "human/Mannequin.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Feet of a known length for the outlines to be fitted to.
void GiveFeet(CMannequin& figure) {
    for (int foot : {kLeftFoot, kRightFoot})
        figure.GetSegment(foot)->vertices = {{0, 0, 0}, {1, 0, 0}, {1, 0, 4}, {0, 0, 4}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the reader, so each sees inputs shaped for it.
    const std::uint8_t* body = data + 1;
    const std::size_t bodySize = size - 1;
    CMannequin figure;
    if (data[0] & 1) {
        auto mesh = std::make_unique<FigureMeshData>();
        if (ParseMeshFile(body, bodySize, *mesh)) {
            figure.ApplyMesh(*mesh);
            figure.UpdatePosture();
        }
    } else {
        Footprint right, left;
        GiveFeet(figure);
        if (ParseFootprintFile(body, bodySize, right, left))
            figure.PlaceFootprints(right, left);
    }
    return 0;
}
