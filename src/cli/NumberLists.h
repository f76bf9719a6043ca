#pragma once

#include "core/Vec3.h"

#include <string>
#include <vector>

// "X,Y,Z": three finite decimal numbers separated by commas; false for anything else.
bool ParseTriple(const std::string& text, Vec3& value);
// "X,Z;X,Z;...": floor points (y = 0) separated by semicolons, at least one; false for an
// empty list, a point without exactly two finite numbers, or more than `maxPoints` points.
bool ParseFloorPath(const std::string& text, std::vector<Vec3>& points,
                    std::size_t maxPoints = 10000);
