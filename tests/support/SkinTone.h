#pragma once

#include <algorithm>
#include <cstdlib>

// Skin by the explicit RGB rule of Kovac, Peer and Solina (2003) for daylight pictures: a
// classifier that knows nothing of our tones. The palette's pure blues, cyans and reds, grey
// floors and white backgrounds all fail it.
inline bool IsSkinTone(int r, int g, int b) {
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    return r > 95 && g > 40 && b > 20 && high - low > 15 && std::abs(r - g) > 15 && r > g && r > b;
}
