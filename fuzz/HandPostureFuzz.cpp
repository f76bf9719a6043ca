// Feeds arbitrary bytes, as a hand posture file, to a bare figure's hand postures. The first
// byte picks the hand and the posture number; whatever is taken must leave finite angles.
#include "human/Mannequin.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A data directory of this process's own, holding only the hand file under test.
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
    const int rightHand = data[0] & 1;
    const std::string path = Folder() + (rightHand ? "/rhand.dat" : "/lhand.dat");
    if (!WriteInput(path, data + 1, size - 1))
        return 0;
    CMannequin figure;
    figure.ApplyHandPosture(1 + (data[0] >> 1) % 8, rightHand);
    for (int j = 0; j < kSegmentCount; ++j)
        for (double value : figure.GetSegment(j)->jointRotation.m)
            if (!std::isfinite(value))
                std::abort();
    std::remove(path.c_str());
    return 0;
}
