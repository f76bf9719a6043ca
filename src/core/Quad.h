#pragma once

#include <array>

// One mesh face: four vertex indices (a triangle repeats its last index).
using Quad = std::array<int, 4>;
