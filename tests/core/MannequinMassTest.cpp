#include "human/Mannequin.h"

#include "../support/FixtureData.h"
#include "../support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(MannequinMassTest, SegmentMassesAddUpToTheBodyWeight) {
    ScopedDataDirectory data;
    data.Write("antro1.dat", fixture::MassFile());
    RecordingReporter reporter;
    CMannequin figure;
    figure.anthropometry.stature = 170.0f;
    figure.anthropometry.weight = 70.0f;
    ASSERT_EQ(figure.ComputeMassProperties(reporter), 1);
    EXPECT_TRUE(reporter.messages.empty());
    // v = 10 H + 1000 = 2700 cm^3 for every segment; densities 1.0 .. 2.5 add up to 28, so
    // mass_i = (1 + i / 10) / 28 * 70 * 2.2046 lb.
    double total = 0.0;
    for (int i = 0; i < 16; ++i) {
        const CBodyPart& s = *figure.GetSegment(i);
        EXPECT_NEAR(s.mass, (1 + i / 10.0) / 28.0 * 154.322, 1e-3) << i;
        EXPECT_NEAR(s.volume, 2700 * 0.061023835, 1e-3); // 164.764 in^3
        // 1000 * 0.001 * 2.2046 * 0.393701^2 = 0.34171405 lb.in^2, then x2 and x3.
        EXPECT_NEAR(s.inertia.x, 0.34171405, 1e-6);
        EXPECT_NEAR(s.inertia.y, 0.68342810, 1e-6);
        EXPECT_NEAR(s.inertia.z, 1.02514216, 1e-6);
        total += s.mass;
    }
    EXPECT_NEAR(total, 70.0 * 2.2046, 1e-3);
    // Fingers get nothing.
    EXPECT_EQ(figure.GetSegment(16)->mass, 0.0f);
    EXPECT_EQ(figure.GetSegment(45)->volume, 0.0f);
}

TEST(MannequinMassTest, BodyTypeWeightChangesEveryMass) {
    ScopedDataDirectory data;
    data.Write("antro1.dat", fixture::MassFile());
    RecordingReporter reporter;
    CMannequin figure;
    figure.anthropometry.stature = 170.0f;
    figure.anthropometry.weight = 70.0f;
    figure.ComputeMassProperties(reporter);
    const float before = figure.GetSegment(kHead)->mass;
    figure.anthropometry.weight = 70.0f * 1.16f; // heavy
    figure.ComputeMassProperties(reporter);
    EXPECT_NEAR(figure.GetSegment(kHead)->mass, before * 1.16f, 1e-4);
}

TEST(MannequinMassTest, MissingOrDamagedFileKeepsThePreviousValues) {
    ScopedDataDirectory data;
    RecordingReporter reporter;
    CMannequin figure;
    figure.anthropometry.stature = 170.0f;
    figure.anthropometry.weight = 70.0f;
    figure.GetSegment(3)->mass = 4.5f;
    figure.GetSegment(3)->inertia = Vec3(1, 2, 3);
    EXPECT_EQ(figure.ComputeMassProperties(reporter), 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Cannot open HUMAN DATA file: " + data.Path("antro1.dat"));
    EXPECT_EQ(reporter.captions[0], "Error");
    data.Write("antro1.dat", fixture::MassFile().substr(0, 800));
    EXPECT_EQ(figure.ComputeMassProperties(reporter), 0);
    EXPECT_EQ(reporter.messages.size(), 2u);
    EXPECT_EQ(figure.GetSegment(3)->mass, 4.5f);
    EXPECT_EQ(figure.GetSegment(3)->inertia, Vec3(1, 2, 3));
}

} // namespace
