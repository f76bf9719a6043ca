#include "biomech/MassProperties.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace {

// The 208 floats of a table in file order, as little-endian bytes.
std::vector<unsigned char> FileBytes(const MassRegressionTable& table) {
    std::vector<unsigned char> bytes(kMassRegressionFileSize);
    const auto* values = reinterpret_cast<const float*>(&table);
    for (int i = 0; i < 208; ++i) {
        std::uint32_t bits;
        std::memcpy(&bits, &values[i], 4);
        for (int b = 0; b < 4; ++b)
            bytes[4 * i + b] = static_cast<unsigned char>(bits >> (8 * b));
    }
    return bytes;
}

// Density P_i = i + 1, volume 100 cm^3 everywhere; segment 0 has its own regressions.
MassRegressionTable SampleTable() {
    MassRegressionTable table;
    for (int i = 0; i < 16; ++i) {
        table.density[i] = static_cast<float>(i + 1);
        table.volume[i][2] = 100.0f;
        table.inertiaX[i][2] = 1000.0f;
        table.inertiaY[i][2] = 2000.0f;
        table.inertiaZ[i][2] = 3000.0f;
    }
    return table;
}

TEST(MassPropertiesTest, HandCalculatedSegment) {
    MassRegressionTable table = SampleTable();
    table.volume[0][0] = 10.0f; // v = 10 H + 20 W + 30
    table.volume[0][1] = 20.0f;
    table.volume[0][2] = 30.0f;
    table.inertiaX[0][0] = 1.0f; // Ix = H + 2 W + 3
    table.inertiaX[0][1] = 2.0f;
    table.inertiaX[0][2] = 3.0f;
    SegmentMassProperties result[16];
    ComputeSegmentMassProperties(table, 175.0f, 80.0f, result);
    // W = 80 kg * 2.2046 = 176.368 lb; v = 1750 + 3527.36 + 30 = 5307.36 cm^3
    // = 5307.36 * 0.061023835 = 323.875461 in^3.
    EXPECT_NEAR(result[0].volume, 323.875461, 2e-3);
    // Ix = 530.736 * 0.001 * 2.2046 * 0.393701^2 = 0.18135995 lb.in^2
    EXPECT_NEAR(result[0].inertia.x, 0.18135995, 1e-6);
    // Constant regressions: 2000 * 0.001 * 2.2046 * 0.393701^2 = 0.68342810
    EXPECT_NEAR(result[5].inertia.y, 0.68342809, 1e-6);
    EXPECT_NEAR(result[5].inertia.z, 1.02514214, 1e-6);
    EXPECT_NEAR(result[5].volume, 6.1023835, 1e-5);
}

TEST(MassPropertiesTest, MassesShareOutTheBodyWeight) {
    MassRegressionTable table = SampleTable();
    SegmentMassProperties result[16];
    ComputeSegmentMassProperties(table, 175.0f, 80.0f, result);
    // Provisional masses 100 P_i add up to 13600: mass_i = P_i * 176.368 / 136.
    EXPECT_NEAR(result[0].mass, 1.29682353, 1e-5);
    EXPECT_NEAR(result[15].mass, 20.7491765, 1e-4);
    double total = 0.0;
    for (const auto& segment : result)
        total += segment.mass;
    EXPECT_NEAR(total, 80.0 * 2.2046, 1e-3);

    // The density factors' common scale does not matter.
    for (float& p : table.density)
        p *= 4.86f;
    SegmentMassProperties scaled[16];
    ComputeSegmentMassProperties(table, 175.0f, 80.0f, scaled);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(scaled[i].mass, result[i].mass, 1e-4);
}

TEST(MassPropertiesTest, EqualProductsGiveEqualMasses) {
    MassRegressionTable table;
    for (int i = 0; i < 16; ++i) {
        table.density[i] = 2.0f / (i + 1); // P_i * v_i = 2 * 50 = 100 for every segment
        table.volume[i][2] = 50.0f * (i + 1);
    }
    SegmentMassProperties result[16];
    ComputeSegmentMassProperties(table, 160.0f, 64.0f, result);
    for (const auto& segment : result)
        EXPECT_NEAR(segment.mass, 64.0 * 2.2046 / 16.0, 1e-4); // 8.8184 lb
}

TEST(MassPropertiesTest, NoPositiveTotalLeavesMassesAtZero) {
    MassRegressionTable table; // all zero
    SegmentMassProperties result[16];
    ComputeSegmentMassProperties(table, 175.0f, 80.0f, result);
    for (const auto& segment : result)
        EXPECT_EQ(segment.mass, 0.0f);
}

TEST(MassPropertiesTest, RegressionsBelowZeroGiveNothingNegative) {
    MassRegressionTable table = SampleTable();
    table.volume[4][0] = -10.0f; // v = -10 H + 100 < 0 for any real stature
    table.inertiaY[7][0] = -50.0f;
    SegmentMassProperties result[16];
    ComputeSegmentMassProperties(table, 100.0f, 15.0f, result);
    EXPECT_EQ(result[4].volume, 0.0f);
    EXPECT_EQ(result[4].mass, 0.0f);
    EXPECT_EQ(result[7].inertia.y, 0.0);
    EXPECT_GT(result[7].inertia.x, 0.0);
    // The other 15 segments share the whole weight: 100 P_i over 13600 - 500.
    EXPECT_NEAR(result[0].mass, 15.0f * 2.2046f * 100.0f / 13100.0f, 1e-5);
}

TEST(MassPropertiesTest, ReadsTheLittleEndianLayout) {
    ScopedDataDirectory data;
    MassRegressionTable written = SampleTable();
    written.inertiaZ[15][1] = -0.25f;
    written.volume[7][0] = 3.5f;
    const auto bytes = FileBytes(written);
    // Spot checks of the layout: P_0 = 1.0f (0x3F800000) at offset 0, volume c of segment 0
    // (100.0f = 0x42C80000) at 64 + 8.
    EXPECT_EQ(bytes[3], 0x3F);
    EXPECT_EQ(bytes[2], 0x80);
    EXPECT_EQ(bytes[72 + 3], 0x42);
    EXPECT_EQ(bytes[72 + 2], 0xC8);
    data.WriteBytes("antro1.dat", bytes.data(), bytes.size());
    MassRegressionTable read;
    ASSERT_EQ(ReadMassRegressionTable(data.Path("antro1.dat"), read), 1);
    EXPECT_EQ(read.density[4], 5.0f);
    EXPECT_EQ(read.volume[7][0], 3.5f);
    EXPECT_EQ(read.inertiaX[3][2], 1000.0f);
    EXPECT_EQ(read.inertiaZ[15][1], -0.25f);
}

TEST(MassPropertiesTest, DamagedFilesAreRejected) {
    ScopedDataDirectory data;
    auto bytes = FileBytes(SampleTable());
    MassRegressionTable table;
    table.density[0] = 42.0f;

    EXPECT_EQ(ReadMassRegressionTable(data.Path("missing.dat"), table), 0);
    EXPECT_EQ(ReadMassRegressionTable(data.Path(""), table), 0); // a directory
    data.WriteBytes("short.dat", bytes.data(), 831);
    EXPECT_EQ(ReadMassRegressionTable(data.Path("short.dat"), table), 0);
    data.WriteBytes("empty.dat", bytes.data(), 0);
    EXPECT_EQ(ReadMassRegressionTable(data.Path("empty.dat"), table), 0);
    bytes.push_back(0);
    data.WriteBytes("long.dat", bytes.data(), bytes.size());
    EXPECT_EQ(ReadMassRegressionTable(data.Path("long.dat"), table), 0);
    bytes.pop_back();
    MassRegressionTable withNan = SampleTable();
    withNan.inertiaY[9][0] = std::numeric_limits<float>::quiet_NaN();
    auto nanBytes = FileBytes(withNan);
    data.WriteBytes("nan.dat", nanBytes.data(), nanBytes.size());
    EXPECT_EQ(ReadMassRegressionTable(data.Path("nan.dat"), table), 0);
    data.Write("text.dat", std::string(832, 'x')); // 0x78787878: finite, but 2e34
    EXPECT_EQ(ReadMassRegressionTable(data.Path("text.dat"), table), 0);
    for (const auto& damage : std::vector<std::function<void(MassRegressionTable&)>>{
             [](MassRegressionTable& t) { t.density[3] = -1.0f; },
             [](MassRegressionTable& t) { t.density[0] = 0.0f; },
             [](MassRegressionTable& t) { t.inertiaZ[15][1] = 1e38f; }}) {
        MassRegressionTable damaged = SampleTable();
        damage(damaged);
        const auto damagedBytes = FileBytes(damaged);
        data.WriteBytes("damaged.dat", damagedBytes.data(), damagedBytes.size());
        EXPECT_EQ(ReadMassRegressionTable(data.Path("damaged.dat"), table), 0);
    }
    std::vector<unsigned char> ones(832, 0xFF); // all NaN
    data.WriteBytes("ff.dat", ones.data(), ones.size());
    MassRegressionTable untouched;
    untouched.density[0] = 42.0f;
    EXPECT_EQ(ReadMassRegressionTable(data.Path("ff.dat"), untouched), 0);
    EXPECT_EQ(untouched.density[0], 42.0f);
}

} // namespace
