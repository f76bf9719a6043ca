// Feeds arbitrary bytes to the DXF reader as a binary file (the sentinel is put in front), so
// that the fuzzer spends its time on group codes and values rather than on finding the
// sentinel.
#include "DxfFuzz.h"
#include "io/DxfGroups.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(kDxfSentinelSize + size);
    std::memcpy(file.data(), kDxfBinarySentinel, kDxfSentinelSize);
    if (size)
        std::memcpy(file.data() + kDxfSentinelSize, data, size);
    ReadFuzzedDxf(file.data(), file.size());
    return 0;
}
