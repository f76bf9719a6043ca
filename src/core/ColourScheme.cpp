#include "core/ColourScheme.h"

namespace {
const char* const kKeys[kColourSchemeCount] = {"palette", "natural"};
ColourScheme gDrawnScheme = COLOURS_PALETTE;
} // namespace

const char* ColourSchemeKey(int scheme) {
    return scheme >= 0 && scheme < kColourSchemeCount ? kKeys[scheme] : "";
}

int ColourSchemeNamed(const std::string& key) {
    for (int scheme = 0; scheme < kColourSchemeCount; ++scheme)
        if (key == kKeys[scheme])
            return scheme;
    return -1;
}

ColourScheme DrawnColourScheme() {
    return gDrawnScheme;
}

CColourSchemeScope::CColourSchemeScope(int scheme) : previous(gDrawnScheme) {
    gDrawnScheme = scheme == COLOURS_NATURAL ? COLOURS_NATURAL : COLOURS_PALETTE;
}

CColourSchemeScope::~CColourSchemeScope() {
    gDrawnScheme = previous;
}
