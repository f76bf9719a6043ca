#include "../support/TestFiles.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

// analyze, niosh and the load options of scene, on the shipped body data.

namespace {

const std::string kData = TAVRONA_SOURCE_DIR "/data";
const double k = 9.81 * 0.101971634; // lbf per lb under the default gravity

class AnalysisCommandTest : public ::testing::Test {
protected:
    ScopedDataDirectory folder; // for the files the tests write
};

} // namespace

TEST_F(AnalysisCommandTest, LoadOnTheChestIsCarriedEquallyByBothFeet) {
    const std::string tvr = folder.Path("lift.tvr");
    const RunResult made = RunCli(kData, "scene '" + tvr +
                                             "' --mannequin posture=1 --force segment=CHEST,fy=-20"
                                             " --feet");
    ASSERT_EQ(made.status, 0) << made.err;
    const RunResult man = RunCli(kData, "mannequin");
    const double bodyWeight = Numbers(man.out, "weight_kg").at(0) * 2.2046 * k;

    const RunResult pounds = RunCli(kData, "analyze '" + tvr + "'");
    ASSERT_EQ(pounds.status, 0) << pounds.err;
    EXPECT_NE(pounds.out.find("\"balanced\": true"), std::string::npos);
    EXPECT_NEAR(Numbers(pounds.out, "body_weight_lbf").at(0), bodyWeight, 1e-3);
    // "left": [x, y, z] and "right": [x, y, z]: the body weight and 20 lbf, half on each foot.
    const std::regex feet(
        "\"left\": \\[[^,]+, ([^,]+), [^\\]]+\\],\\s*\"right\": \\[[^,]+, ([^,]+),");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(pounds.out, m, feet)) << pounds.out;
    EXPECT_NEAR(std::stod(m[1]), (bodyWeight + 20) / 2, 1e-3);
    EXPECT_NEAR(std::stod(m[2]), (bodyWeight + 20) / 2, 1e-3);
    EXPECT_EQ(Count(pounds.out, "\"segment\":"), 16);
    // The lower back carries the trunk above it and the 20 lbf: compression.
    EXPECT_NE(pounds.out.find("\"Compression\""), std::string::npos);

    // In newtons every force scales by 4.44822161526 and every moment by 0.1129848.
    const RunResult newtons = RunCli(kData, "analyze '" + tvr + "' --units N");
    ASSERT_EQ(newtons.status, 0) << newtons.err;
    EXPECT_EQ(newtons.out.find("_lbf"), std::string::npos);
    EXPECT_NEAR(Numbers(newtons.out, "body_weight_n").at(0), bodyWeight * 4.44822161526, 1e-2);
    const std::regex chest(
        "\"force_(lbf|n)\": \\[[^,]+, ([^,]+),[^\\n]*\\n\\s*\"moment_(lbf_in|n_m)\": \\[([^,]+),");
    std::smatch lbf, n;
    ASSERT_TRUE(std::regex_search(pounds.out, lbf, chest));
    ASSERT_TRUE(std::regex_search(newtons.out, n, chest));
    EXPECT_NEAR(std::stod(n[2]), std::stod(lbf[2]) * 4.44822161526, 1e-3);
    EXPECT_NEAR(std::stod(n[4]), std::stod(lbf[4]) * 0.1129848, 1e-3);
}

TEST_F(AnalysisCommandTest, BadScenesAndOptionsAreRefused) {
    folder.Write("bad.tvr", "Tavro Version 8 (32 bit)");
    EXPECT_EQ(RunCli(kData, "analyze '" + folder.Path("bad.tvr") + "'").status, 1);
    EXPECT_EQ(RunCli(kData, "analyze '" + folder.Path("bad.tvr") + "' --units kg").status, 2);
    const std::string tvr = folder.Path("s.tvr");
    EXPECT_EQ(RunCli(kData, "scene '" + tvr + "' --feet").status, 2);
    EXPECT_EQ(RunCli(kData, "scene '" + tvr + "' --mannequin sex=female --feet").status, 2);
    const RunResult badSegment =
        RunCli(kData, "scene '" + tvr + "' --mannequin posture=1 --force segment=LTHUMBA,fy=1");
    EXPECT_EQ(badSegment.status, 2);
    EXPECT_NE(badSegment.err.find("main segment"), std::string::npos);
    EXPECT_EQ(
        RunCli(kData, "scene '" + tvr + "' --mannequin posture=1 --force segment=HEAD,x=1").status,
        2);
    // Seated without a chair, the centre of gravity lies behind the heels: the feet read zero,
    // and say why.
    const RunResult squat = RunCli(kData, "scene '" + tvr + "' --mannequin posture=21 --feet");
    EXPECT_EQ(squat.status, 0);
    EXPECT_NE(squat.err.find("Unbalanced posture."), std::string::npos);
    const RunResult analysis = RunCli(kData, "analyze '" + tvr + "'");
    EXPECT_NE(analysis.out.find("\"balanced\": false"), std::string::npos);
    EXPECT_NE(analysis.out.find("\"foot_forces_lbf\": null"), std::string::npos);
}

TEST_F(AnalysisCommandTest, NioshFromGivenDistancesAndFromPostures) {
    const std::string ideal = "--h-origin 6 --v-origin 30 --h-destination 10 --v-destination 30";
    const RunResult best = RunCli(kData, "niosh " + ideal + " --weight 25.5");
    ASSERT_EQ(best.status, 0) << best.err;
    EXPECT_EQ(Numbers(best.out, "rwl_lb"), (std::vector<double>{51, 51}));
    EXPECT_EQ(Numbers(best.out, "h_in"), (std::vector<double>{10, 10}));
    EXPECT_EQ(Numbers(best.out, "li"), (std::vector<double>{0.5, 0.5}));
    const RunResult fast = RunCli(kData, "niosh " + ideal + " --weight 5 --frequency 16");
    EXPECT_EQ(Count(fast.out, "\"li\": null"), 2);
    const RunResult report = RunCli(kData, "niosh " + ideal + " --coupling poor --report");
    EXPECT_EQ(report.out.rfind("NIOSH Refised Lifting Equation Report :\n", 0), 0u);
    EXPECT_NE(report.out.find("Hand to object coupling\t\t\tPoor\n"), std::string::npos);
    EXPECT_NE(report.out.find("Recommended weigth limits\tLb\tOrigin\t45.9\n"), std::string::npos);

    // Measured: hands at the sides (posture 1), then raised overhead (posture 3), the second
    // from a posture file. Overhead is more than 70 in above the ankles: no safe weight there.
    const std::string pos = folder.Path("overhead.pos");
    ASSERT_EQ(RunCli(kData, "posture save '" + pos + "' --posture 3").status, 0);
    const RunResult lift =
        RunCli(kData, "niosh --initial-posture 1 --final-posture '" + pos + "' --weight 10");
    ASSERT_EQ(lift.status, 0) << lift.err;
    const std::vector<double> v = Numbers(lift.out, "v_in");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_GT(v[0], 20);
    EXPECT_LT(v[0], 40);
    EXPECT_GT(v[1], 70);
    EXPECT_EQ(Numbers(lift.out, "vm").at(1), 0);
    EXPECT_EQ(Numbers(lift.out, "rwl_lb").at(1), 0);

    EXPECT_EQ(RunCli(kData, "niosh --weight 10").status, 2); // nothing to measure
    EXPECT_EQ(RunCli(kData, "niosh " + ideal + " --duration 9").status, 2);
    EXPECT_EQ(RunCli(kData, "niosh " + ideal + " --weight nan").status, 2);
    EXPECT_EQ(RunCli(kData, "niosh --initial-posture 1 --final-posture 99").status, 1);
    EXPECT_EQ(
        RunCli(kData, "niosh --initial-posture 1 --final-posture '" + folder.Path("none.pos") + "'")
            .status,
        1);
}
