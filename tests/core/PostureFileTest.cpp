#include "io/PostureFile.h"
#include "human/JointAngles.h"

#include "DocTestSupport.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A posture whose every value tells where it belongs: table t, segment i, axis k.
CPosture NumberedPosture() {
    CPosture p;
    for (int i = 0; i < 46; ++i) {
        p.upperLimits[i] = Vec3(100 + i, 100.25 + i, 100.5 + i);
        p.lowerLimits[i] = Vec3(-100 - i, -100.25 - i, -100.5 - i);
        p.angles[i] = Vec3(i * 0.1, -i * 0.2, i * 0.3);
        p.orientation[i] = Vec3(i * 0.5, 0.0, -i * 0.25);
    }
    return p;
}

TEST(PostureFile, LayoutIsFourTablesOfDoubles) {
    const CPosture p = NumberedPosture();
    const std::vector<std::uint8_t> bytes = EncodePosture(p);
    ASSERT_EQ(bytes.size(), 4416u);
    ExpectedBytes e;
    for (const auto* table : {&p.upperLimits, &p.lowerLimits, &p.angles, &p.orientation})
        for (const Vec3& v : *table) {
            e.f64(v.x);
            e.f64(v.y);
            e.f64(v.z);
        }
    EXPECT_EQ(bytes, e.b);
    // Spot checks at the offsets of the format table: entry i of table t at t * 1104 + 24 i.
    double value;
    std::memcpy(&value, &bytes[1104 + 24 * 7 + 8], 8);
    EXPECT_EQ(value, -107.25);
    std::memcpy(&value, &bytes[3312 + 24 * 45 + 16], 8);
    EXPECT_EQ(value, -45 * 0.25);
}

TEST(PostureFile, RoundTripIsBitExactAndShortFilesAreRefused) {
    ScopedDataDirectory dir;
    const CPosture p = NumberedPosture();
    const std::string path = dir.Path("a.pos");
    ASSERT_EQ(WritePostureFile(p, path), 1);
    const std::vector<std::uint8_t> written = ReadAll(path);
    EXPECT_EQ(written, EncodePosture(p));
    CPosture back;
    ASSERT_EQ(ReadPostureFile(back, path), 1);
    EXPECT_EQ(EncodePosture(back), written);

    // Shorter than a whole record: refused, the record untouched.
    dir.WriteBytes("short.pos", written.data(), 4415);
    CPosture untouched;
    EXPECT_EQ(ReadPostureFile(untouched, dir.Path("short.pos")), 0);
    EXPECT_EQ(untouched.angles[3], Vec3());
    dir.WriteBytes("empty.pos", written.data(), 0);
    EXPECT_EQ(ReadPostureFile(untouched, dir.Path("empty.pos")), 0);
    EXPECT_EQ(ReadPostureFile(untouched, dir.Path("missing.pos")), 0);
    EXPECT_EQ(ReadPostureFile(untouched, dir.Path("")), 0); // a folder
    // Longer: the extra bytes are ignored.
    std::vector<std::uint8_t> longer = written;
    longer.resize(5000, 0xAB);
    dir.WriteBytes("long.pos", longer.data(), longer.size());
    EXPECT_EQ(ReadPostureFile(back, dir.Path("long.pos")), 1);
    EXPECT_EQ(EncodePosture(back), written);
    EXPECT_EQ(WritePostureFile(p, dir.Path("missing/a.pos")), 0);

    // Values no posture holds: refused with the table, segment and value named.
    struct Damage {
        std::size_t offset;
        double value;
        const char* said;
    };
    for (const Damage& d : {Damage{24 * 3, NAN, "upper limit of segment 3 is nan"},
                            Damage{1104 + 8, INFINITY, "lower limit of segment 0 is inf"},
                            Damage{2208 + 24 * 45 + 16, 1e308, "angle of segment 45 is 1e+308"},
                            Damage{3312, -1e5, "orientation of segment 0 is -100000"},
                            Damage{24 * 5, -200, "limits of segment 5 are inverted"}}) {
        std::vector<std::uint8_t> bad = written;
        std::memcpy(&bad[d.offset], &d.value, 8);
        dir.WriteBytes("bad.pos", bad.data(), bad.size());
        CPosture kept = p;
        std::string failure;
        EXPECT_EQ(ReadPostureFile(kept, dir.Path("bad.pos"), &failure), 0) << d.said;
        EXPECT_NE(failure.find(d.said), std::string::npos) << failure;
        EXPECT_EQ(EncodePosture(kept), written); // untouched
    }
}

TEST(PostureTransfer, CaptureApplyAndInterpolate) {
    auto source = MakeFixtureFigure();
    source->RotateSegment(kRightForearm, 40, 0);
    source->RotateSegment(kLeftLeg, -20, 1);
    source->RotateSegment(kChest, 10, 2);
    source->GetSegment(kHead)->upperLimits = Vec3(45, 50, 55);
    CPosture captured;
    CapturePosture(*source, captured);
    EXPECT_EQ(captured.angles[kRightForearm], Vec3(40, 0, 0));
    EXPECT_EQ(captured.upperLimits[kHead], Vec3(45, 50, 55));
    EXPECT_NEAR(captured.orientation[kLeftLeg].y, -20, 1e-9);
    EXPECT_NEAR(captured.orientation[kChest].z, 10, 1e-9);

    // Onto another figure: the same joint state, bit for bit after a file round trip.
    auto target = MakeFixtureFigure();
    CPosture viaFile;
    const std::vector<std::uint8_t> bytes = EncodePosture(captured);
    ASSERT_EQ(DecodePosture(bytes.data(), bytes.size(), viaFile), 1);
    ApplyPosture(*target, viaFile);
    target->UpdatePosture();
    source->UpdatePosture();
    for (int i = 0; i < kSegmentCount; ++i) {
        EXPECT_EQ(target->GetSegment(i)->angles, source->GetSegment(i)->angles);
        for (int k = 0; k < 16; ++k)
            EXPECT_NEAR(target->GetSegment(i)->jointRotation.m[k],
                        source->GetSegment(i)->jointRotation.m[k], 1e-12);
    }
    EXPECT_NEAR(TranslationOf(target->GetSegment(kRightPalm)->transform).z,
                TranslationOf(source->GetSegment(kRightPalm)->transform).z, 1e-12);

    // Interpolation: 0 and 100 give the ends, 50 the middle angle and its rotation.
    CPosture neutral;
    CapturePosture(*MakeFixtureFigure(), neutral);
    InterpolatePosture(*target, 0, neutral, captured);
    EXPECT_EQ(target->GetSegment(kRightForearm)->angles, Vec3());
    InterpolatePosture(*target, 100, neutral, captured);
    EXPECT_EQ(target->GetSegment(kRightForearm)->angles, Vec3(40, 0, 0));
    InterpolatePosture(*target, 50, neutral, captured);
    EXPECT_EQ(target->GetSegment(kRightForearm)->angles, Vec3(20, 0, 0));
    EXPECT_NEAR(target->GetSegment(kRightForearm)->jointRotation(1, 1), std::cos(20 * 0.0174532925),
                1e-12);
    EXPECT_EQ(target->GetSegment(kHead)->upperLimits, Vec3(112.5, 115, 117.5));
}

} // namespace
