#include "render/Picking.h"

int ChooseHit(const unsigned int* buffer, int bufferSize, int hitCount, int& id) {
    bool haveId = false;
    bool haveDepth = false;
    float nearest = 0.0f;
    int position = 0;
    for (int hit = 0; hit < hitCount; ++hit) {
        if (position + 3 > bufferSize)
            break;
        const unsigned int names = buffer[position];
        if (names > static_cast<unsigned int>(bufferSize - position - 3))
            break;
        // Window depth 0..2^32-1 scaled to 0..2.
        const float depth = static_cast<float>(buffer[position + 2]) * 4.656612875e-10f;
        if (!haveDepth || depth < nearest) {
            nearest = depth;
            haveDepth = true;
            if (names > 0) {
                id = static_cast<int>(buffer[position + 3]);
                haveId = true;
            }
        }
        position += 3 + static_cast<int>(names);
    }
    return haveId ? 1 : 0;
}
