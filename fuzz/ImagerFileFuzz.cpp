// Feeds arbitrary text to the body imager file parser and applies the record to a bare figure
// (no data files: the mesh reload fails quietly and the posture still updates).
#include "human/Mannequin.h"
#include "io/ImagerFile.h"

#include "DxfFuzz.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ImagerRecord record =
        ParseImagerText(std::string(reinterpret_cast<const char*>(data), size));
    QuietReporter reporter;
    CMannequin figure;
    ApplyImagerRecord(figure, record, reporter);
    return 0;
}
