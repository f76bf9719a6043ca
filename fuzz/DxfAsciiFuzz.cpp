// Feeds arbitrary text to the DXF reader as an ASCII file: sections, tables, blocks, nested
// inserts and every entity kind.
#include "DxfFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadFuzzedDxf(data, size);
    return 0;
}
