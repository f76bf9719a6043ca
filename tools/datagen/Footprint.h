#pragma once

#include "Skeleton.h"

#include <string>

// "footprn2.dat": the outlines of the right and then the left sole, 26 points each (x, 0, z as
// little-endian floats, inches), point 0 at the heel, point 14 at the toe tip, in outline order.
std::string FootprintBytes(const Skeleton& skeleton);
