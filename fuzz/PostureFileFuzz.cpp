// Feeds arbitrary bytes to the posture file reader and applies what it accepts to a figure.
#include "human/Mannequin.h"
#include "io/PostureFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CPosture posture;
    if (!DecodePosture(data, size, posture))
        return 0;
    CMannequin figure;
    ApplyPosture(figure, posture);
    figure.UpdatePosture();
    CPosture captured;
    CapturePosture(figure, captured);
    InterpolatePosture(figure, 50, posture, captured);
    return 0;
}
