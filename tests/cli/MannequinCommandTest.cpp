#include "../support/FixtureData.h"
#include "../support/TestFiles.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

double Sum(const std::vector<double>& values) {
    double total = 0.0;
    for (double v : values)
        total += v;
    return total;
}

class MannequinCommandTest : public ::testing::Test {
protected:
    MannequinCommandTest() { fixture::WriteDataDirectory(data.Path("")); }
    ScopedDataDirectory data;
};

TEST_F(MannequinCommandTest, PrintsTheFigureAsJson) {
    const RunResult r = RunCli(data.Path(""), "mannequin --population 1 --sex male --size 2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // Fixture row 2: 180 cm, 80 kg, every scale (1.2, 1.1, 1.2).
    EXPECT_EQ(Numbers(r.out, "stature_cm"), std::vector<double>{180});
    EXPECT_EQ(Numbers(r.out, "weight_kg"), std::vector<double>{80});
    EXPECT_NE(r.out.find("\"population_name\": \"USA (1988 US Army)\""), std::string::npos);
    EXPECT_NE(r.out.find("\"size_label\": \"50%\""), std::string::npos);
    EXPECT_NE(r.out.find("\"scale\": [1.2, 1.1, 1.2]"), std::string::npos);
    // CHEST 35.1 x 36.6 x 22.2 cm scaled: 42.12, 40.26, 26.64.
    EXPECT_NE(r.out.find("\"dimensions_cm\": [42.12, 40.26, 26.64]"), std::string::npos) << r.out;
    const auto masses = Numbers(r.out, "mass_lb");
    ASSERT_EQ(masses.size(), 16u);
    EXPECT_NEAR(Sum(masses), 80 * 2.2046, 1e-3);
    EXPECT_EQ(Numbers(r.out, "volume_in3").size(), 16u);
    EXPECT_NE(r.out.find("\"name\": \"HEAD\""), std::string::npos);
    EXPECT_NE(r.out.find("\"mass_centre_in\": [0.6, -1.1, 0.24]"), std::string::npos);
    EXPECT_NE(r.out.find("\"inertia_lb_in2\": [0.341714, 0.6834281, 1.025142]"), std::string::npos);
}

TEST_F(MannequinCommandTest, PostureAndFacingReachTheFigure) {
    const RunResult r = RunCli(data.Path(""), "mannequin --posture 2 --facing back --figure robot");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"angles_deg\": [10, 30, 20]"), std::string::npos); // RARM
    EXPECT_NE(r.out.find("\"facing\": \"Back\""), std::string::npos);
    EXPECT_NE(r.out.find("\"representation\": \"Robot\""), std::string::npos);
}

TEST_F(MannequinCommandTest, ChildrenAndBodyTypes) {
    const RunResult child = RunCli(data.Path(""), "mannequin --age 7 --size 0");
    ASSERT_EQ(child.status, 0) << child.err;
    EXPECT_NE(child.out.find("\"age\": \"7 yrs\""), std::string::npos);
    EXPECT_EQ(Numbers(child.out, "child_table"), std::vector<double>{4});
    // The age group is the figure's population: 33 + 7 - 3.
    EXPECT_EQ(Numbers(child.out, "population"), std::vector<double>{37});
    EXPECT_NE(child.out.find("\"population_name\": \"USA\""), std::string::npos);
    const RunResult heavy = RunCli(data.Path(""), "mannequin --body heavy --sex female");
    ASSERT_EQ(heavy.status, 0) << heavy.err;
    // Female heavy: 80 kg x 1.23 = 98.4 kg.
    ASSERT_EQ(Numbers(heavy.out, "weight_kg").size(), 1u);
    EXPECT_NEAR(Numbers(heavy.out, "weight_kg")[0], 98.4, 1e-4);
}

TEST_F(MannequinCommandTest, TableOutput) {
    const RunResult r = RunCli(data.Path(""), "mannequin --table --size 4");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Stature        200.00 cm"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Size           97.5%"), std::string::npos);
    EXPECT_NE(r.out.find("RFOOT"), std::string::npos);
    EXPECT_NE(r.out.find("Total"), std::string::npos);
}

TEST_F(MannequinCommandTest, PopulationsWithoutDataFailWithTheMessage) {
    for (const char* population : {"5", "HongKong", "99", "Atlantis"}) {
        const RunResult r =
            RunCli(data.Path(""), std::string("mannequin --population ") + population);
        EXPECT_NE(r.status, 0) << population;
        EXPECT_NE(r.err.find("Cannot open Scale data file."), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(MannequinCommandTest, MissingDataFilesFail) {
    ScopedDataDirectory empty;
    const RunResult r = RunCli(empty.Path(""), "mannequin");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot open HUMAN MESH file: " + empty.Path("usa_m.per")),
              std::string::npos)
        << r.err;
    // Without the mass data the figure would weigh nothing: the tool fails with the message.
    std::filesystem::rename(data.Path("antro1.dat"), data.Path("antro1.off"));
    const RunResult noMasses = RunCli(data.Path(""), "mannequin");
    EXPECT_EQ(noMasses.status, 1);
    EXPECT_NE(noMasses.err.find("Cannot open HUMAN DATA file: " + data.Path("antro1.dat")),
              std::string::npos)
        << noMasses.err;
    EXPECT_EQ(noMasses.out, "");
    std::filesystem::rename(data.Path("antro1.off"), data.Path("antro1.dat"));
    std::remove(data.Path("limit.dat").c_str());
    const RunResult noLimits = RunCli(data.Path(""), "mannequin");
    EXPECT_EQ(noLimits.status, 1);
    EXPECT_NE(noLimits.err.find("could not be built"), std::string::npos);
}

TEST_F(MannequinCommandTest, BadUsage) {
    for (const char* arguments :
         {"mannequin --sex other", "mannequin --size 5", "mannequin --age 2", "mannequin --age x",
          "mannequin --posture 38", "mannequin --facing up", "mannequin --frobnicate 1",
          "mannequin --size", "mannequin --age 5 --sex female",
          "mannequin --sex female --figure skeleton", "nosuchcommand", ""}) {
        const RunResult r = RunCli(data.Path(""), arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_NE(r.err, "") << arguments;
        EXPECT_EQ(r.out, "") << arguments;
    }
    const RunResult help = RunCli(data.Path(""), "mannequin --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--population"), std::string::npos);
    const RunResult top = RunCli(data.Path(""), "--help");
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("mannequin"), std::string::npos);
}

// The figure of the shipped data: the 50th-percentile US Army man of 1988.
TEST(MannequinCommandDataTest, AverageUsMaleFromTheDataDirectory) {
    const std::string dataDir = TAVRONA_SOURCE_DIR "/data";
    if (!std::filesystem::exists(dataDir + "/usa_m.per"))
        GTEST_SKIP() << "no body meshes in data/ yet";
    const RunResult r = RunCli(dataDir, "mannequin --population 1 --sex male --size 2");
    ASSERT_EQ(r.status, 0) << r.err;
    // Block 3 of usa2.dat: "50.0 1 1 2 175.55 77.70".
    ASSERT_EQ(Numbers(r.out, "stature_cm").size(), 1u);
    EXPECT_NEAR(Numbers(r.out, "stature_cm")[0], 175.55, 1e-4);
    EXPECT_NEAR(Numbers(r.out, "weight_kg")[0], 77.70, 1e-4);
    const auto masses = Numbers(r.out, "mass_lb");
    ASSERT_EQ(masses.size(), 16u);
    EXPECT_NEAR(Sum(masses), 77.70 * 2.2046, 1e-2); // 171.297 lb
}

} // namespace
