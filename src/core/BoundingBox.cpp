#include "core/BoundingBox.h"

#include <algorithm>

void BoundingBox::Extend(const Vec3& p) {
    if (!valid) {
        valid = 1;
        min = max = p;
        return;
    }
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}
