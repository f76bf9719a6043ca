#include "cli/NumberLists.h"

#include <cmath>
#include <cstdlib>

namespace {

// Splits at `separator`; keeps empty pieces so that "1,,2" is caught.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

bool ParseNumber(const std::string& text, double& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

bool ParseNumbers(const std::string& text, std::size_t count, double* values) {
    const std::vector<std::string> pieces = Split(text, ',');
    if (pieces.size() != count)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        if (!ParseNumber(pieces[i], values[i]))
            return false;
    return true;
}

} // namespace

bool ParseTriple(const std::string& text, Vec3& value) {
    double xyz[3];
    if (!ParseNumbers(text, 3, xyz))
        return false;
    value = Vec3(xyz[0], xyz[1], xyz[2]);
    return true;
}

bool ParseFloorPath(const std::string& text, std::vector<Vec3>& points, std::size_t maxPoints) {
    const std::vector<std::string> pieces = Split(text, ';');
    if (pieces.size() > maxPoints)
        return false;
    std::vector<Vec3> parsed;
    for (const std::string& piece : pieces) {
        double xz[2];
        if (!ParseNumbers(piece, 2, xz))
            return false;
        parsed.push_back(Vec3(xz[0], 0.0, xz[1]));
    }
    points = parsed;
    return true;
}
