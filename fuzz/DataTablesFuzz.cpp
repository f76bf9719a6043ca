// Feeds arbitrary bytes, as a file, to the scale table reader and the mass regression table
// reader and, when they accept them, through the code that uses their numbers.
#include "anthro/ScaleFile.h"
#include "biomech/MassProperties.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string& InputPath() {
    static const std::string path = "/tmp/tavrona-fuzz-table-" + std::to_string(getpid());
    return path;
}

bool WriteInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || !WriteInput(data + 1, size - 1))
        return 0;
    // The first byte picks the reader and, for scale tables, the size row.
    if (data[0] & 1) {
        MassRegressionTable table;
        if (ReadMassRegressionTable(InputPath(), table)) {
            SegmentMassProperties result[kScaledSegmentCount];
            ComputeSegmentMassProperties(table, 175.0f, 78.0f, result);
        }
    } else {
        ScaleRow row;
        ReadScaleRow(InputPath(), (data[0] >> 1) % 6, row);
    }
    std::remove(InputPath().c_str());
    return 0;
}
