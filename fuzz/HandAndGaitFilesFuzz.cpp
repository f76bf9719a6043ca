// Feeds arbitrary bytes, as a hand posture file or as the gait cycle, to a bare figure's hand
// postures or walk. The first byte picks the file and the posture number; whatever is taken
// must leave finite joint rotations.
#include "human/Mannequin.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A data directory of this process's own, holding only the file under test.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/tavrona-fuzz-hand-XXXXXX";
        const char* made = ::mkdtemp(pattern.data());
        if (made)
            ::setenv("TAVRONA_DATA", made, 1);
        return made ? pattern : std::string();
    }();
    return folder;
}

bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || Folder().empty())
        return 0;
    const int kind = data[0] % 3; // left hand, right hand, gait
    static const char* const kFiles[3] = {"/lhand.dat", "/rhand.dat", "/walk.dat"};
    const std::string path = Folder() + kFiles[kind];
    if (!WriteInput(path, data + 1, size - 1))
        return 0;
    CMannequin figure;
    if (kind < 2) {
        figure.ApplyHandPosture(1 + (data[0] / 3) % 8, kind);
    } else {
        figure.StartWalk({Vec3(0, 0, 0), Vec3(0, 0, 60), Vec3(60, 0, 60)});
        for (int step = 0; step < 12 && figure.WalkStep(); ++step) {
        }
    }
    for (int j = 0; j < kSegmentCount; ++j)
        for (double value : figure.GetSegment(j)->jointRotation.m)
            if (!std::isfinite(value))
                std::abort();
    std::remove(path.c_str());
    return 0;
}
