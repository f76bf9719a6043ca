#include "human/PointPlacement.h"

// On x86-64 with GCC an AVX2/FMA version is built beside the baseline one and chosen at load
// time by the processor's abilities.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define TAVRONA_CPU_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define TAVRONA_CPU_CLONES
#endif

TAVRONA_CPU_CLONES
void PlacePoints(const Matrix4& m, const std::vector<Vec3>& in, std::vector<Vec3>& out) {
    const std::size_t count = in.size();
    out.resize(count);
    // The matrix lives in locals so that the compiler keeps it in registers and vectorises.
    const double m0 = m.m[0], m1 = m.m[1], m2 = m.m[2], m3 = m.m[3];
    const double m4 = m.m[4], m5 = m.m[5], m6 = m.m[6], m7 = m.m[7];
    const double m8 = m.m[8], m9 = m.m[9], m10 = m.m[10], m11 = m.m[11];
    const Vec3* __restrict src = in.data();
    Vec3* __restrict dst = out.data();
    for (std::size_t i = 0; i < count; ++i) {
        const double x = src[i].x, y = src[i].y, z = src[i].z;
        dst[i].x = m0 * x + m1 * y + m2 * z + m3;
        dst[i].y = m4 * x + m5 * y + m6 * z + m7;
        dst[i].z = m8 * x + m9 * y + m10 * z + m11;
    }
}
