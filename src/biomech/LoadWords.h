#pragma once

#include "core/Vec3.h"

#include <string>

// The six load words of segment `segment` for a joint force and moment in its frame: per
// component the segment's first word when > 0, second when < 0, "--" when 0 (within 1e-4); "--"
// throughout for ABDOMEN and the fingers.
void LoadWordsFor(int segment, const Vec3& force, const Vec3& moment, std::string forceWords[3],
                  std::string momentWords[3]);
