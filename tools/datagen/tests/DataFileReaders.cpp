#include "DataFileReaders.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace datatest {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

bool ReadScaleFile(const std::string& text, std::vector<ScaleRow>& rows) {
    const std::vector<std::string> lines = Lines(text);
    if (lines.size() != 5 * 17) {
        return false;
    }
    rows.assign(5, ScaleRow());
    for (int r = 0; r < 5; ++r) {
        if (std::sscanf(lines[r * 17].c_str(), "%*f %*i %*i %*i %f %f", &rows[r].stature,
                        &rows[r].weight) != 2) {
            return false;
        }
        for (int s = 0; s < 16; ++s) {
            int index = -1;
            float x, y, z;
            if (std::sscanf(lines[r * 17 + 1 + s].c_str(), "%i %f %f %f", &index, &x, &y, &z) !=
                    4 ||
                index != s) {
                return false;
            }
            rows[r].scale[s] = {x, y, z};
        }
    }
    return true;
}

bool Limits::Contains(int segment, const Vec& a, double tolerance) const {
    const double v[3] = {a.x, a.y, a.z};
    const double hi[3] = {upper[segment].x, upper[segment].y, upper[segment].z};
    const double lo[3] = {lower[segment].x, lower[segment].y, lower[segment].z};
    for (int i = 0; i < 3; ++i) {
        if (v[i] > hi[i] + tolerance || v[i] < lo[i] - tolerance) {
            return false;
        }
    }
    return true;
}

bool ReadLimits(const std::string& text, Limits& limits) {
    const std::vector<std::string> lines = Lines(text);
    if (lines.size() != 92) {
        return false;
    }
    for (int s = 0; s < 46; ++s) {
        Vec* targets[2] = {&limits.upper[s], &limits.lower[s]};
        for (int k = 0; k < 2; ++k) {
            if (std::sscanf(lines[2 * s + k].c_str(), "%*d %lf %lf %lf", &targets[k]->x,
                            &targets[k]->y, &targets[k]->z) != 3) {
                return false;
            }
        }
    }
    return true;
}

Vec ReferenceSize(bool male, int segment) {
    static const float kMale[16][3] = {
        {35.1f, 36.6f, 22.2f}, {11.7f, 7.0f, 11.7f},   {9.9f, 28.2f, 9.7f},
        {9.9f, 28.2f, 9.7f},   {33.12f, 18.5f, 20.1f}, {19.3f, 42.4f, 18.0f},
        {19.3f, 42.4f, 18.0f}, {9.4f, 25.4f, 9.6f},    {9.4f, 25.4f, 9.6f},
        {12.0f, 41.1f, 11.7f}, {12.0f, 41.1f, 11.7f},  {9.9f, 9.3f, 26.7f},
        {7.55f, 19.0f, 6.1f},  {7.55f, 19.0f, 6.1f},   {9.9f, 9.3f, 26.7f},
        {15.5f, 19.7f, 20.23f}};
    static const float kFemale[16][3] = {
        {35.0f, 37.0f, 27.7f}, {11.9f, 9.2f, 11.9f},   {9.9f, 28.2f, 9.3f},
        {9.9f, 28.2f, 9.3f},   {37.59f, 17.7f, 21.1f}, {20.6f, 42.1f, 20.0f},
        {20.6f, 42.1f, 20.0f}, {8.9f, 25.4f, 8.9f},    {8.9f, 25.4f, 8.89f},
        {12.4f, 41.0f, 12.2f}, {12.4f, 41.0f, 12.2f},  {9.9f, 8.8f, 26.4f},
        {7.55f, 18.32f, 5.9f}, {7.55f, 18.32f, 5.9f},  {9.9f, 8.8f, 26.4f},
        {15.7f, 18.3f, 19.6f}};
    const float* row = male ? kMale[segment] : kFemale[segment];
    return {row[0], row[1], row[2]};
}

double ChainStature(bool male, const std::array<Vec, 16>& scale) {
    auto length = [&](int s) { return scale[s].y * ReferenceSize(male, s).y; };
    const double trunk = length(15) + length(1) + length(0) + length(4);
    return std::max(trunk + length(5) + length(9) + length(11),
                    trunk + length(6) + length(10) + length(14));
}

std::vector<float> ReadFloats(const std::string& bytes) {
    std::vector<float> values(bytes.size() / 4);
    for (size_t i = 0; i < values.size(); ++i) {
        std::uint32_t u = 0;
        for (int k = 0; k < 4; ++k) {
            u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 * i + k]))
                 << (8 * k);
        }
        std::memcpy(&values[i], &u, 4);
    }
    return values;
}

bool ReadMeshFile(const std::string& bytes, std::vector<MeshRecord>& records) {
    size_t at = 0;
    auto next = [&](int& value) {
        if (at + 2 > bytes.size()) {
            return false;
        }
        const auto lo = static_cast<unsigned char>(bytes[at]);
        const auto hi = static_cast<unsigned char>(bytes[at + 1]);
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
        at += 2;
        return true;
    };
    records.assign(46, MeshRecord());
    for (MeshRecord& r : records) {
        int n = 0, f = 0, ignored = 0;
        if (!next(r.segment) || !next(n) || !next(f) || n < 0 || f < 0) {
            return false;
        }
        for (int k = 0; k < 3; ++k) {
            next(ignored);
        }
        r.vertices.resize(n);
        for (Vec& v : r.vertices) {
            int x, y, z;
            if (!next(x) || !next(y) || !next(z)) {
                return false;
            }
            v = {x * 0.02, y * 0.02, z * 0.02};
        }
        r.faces.resize(f);
        for (auto& face : r.faces) {
            for (int& i : face) {
                if (!next(i)) {
                    return false;
                }
            }
        }
    }
    return at == bytes.size();
}

} // namespace datatest
