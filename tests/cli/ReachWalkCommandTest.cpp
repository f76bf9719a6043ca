#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

const std::string kData = TAVRONA_SOURCE_DIR "/data";

// [x, y, z] after "key": in the JSON text; empty when absent.
std::vector<double> Triple(const std::string& json, const std::string& key) {
    const std::regex pattern("\"" + key +
                             "\": \\[(-?[0-9.eE+-]+), (-?[0-9.eE+-]+), (-?[0-9.eE+-]+)\\]");
    std::smatch m;
    if (!std::regex_search(json, m, pattern))
        return {};
    return {std::stod(m[1]), std::stod(m[2]), std::stod(m[3])};
}

// Python's json module reads the text: `check` is a Python expression over the parsed `d`.
bool PythonAgrees(const std::string& json, const std::string& check) {
    const std::string base =
        (std::filesystem::temp_directory_path() / ("tavrona-json-" + std::to_string(::getpid())))
            .string();
    std::ofstream(base + ".json") << json;
    std::ofstream(base + ".py") << "import json, sys\nd = json.load(open(sys.argv[1]))\n"
                                << "sys.exit(0 if (" << check << ") else 1)\n";
    const std::string command = "/usr/bin/python3 '" + base + ".py' '" + base + ".json'";
    const int status = std::system(command.c_str());
    std::remove((base + ".json").c_str());
    std::remove((base + ".py").c_str());
    return status == 0;
}

bool PngSize(const std::string& path, int& width, int& height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char h[24] = {};
    if (!file.read(reinterpret_cast<char*>(h), sizeof h) || h[1] != 'P' || h[2] != 'N')
        return false;
    width = (h[16] << 24) | (h[17] << 16) | (h[18] << 8) | h[19];
    height = (h[20] << 24) | (h[21] << 16) | (h[22] << 8) | h[23];
    return true;
}

// In front of the right shoulder of the 50 % man (shoulder near (-7.6, 18.7, -1.2)).
TEST(ReachCommandTest, ReachesATargetInFigureCoordinates) {
    const RunResult run = RunCli(kData, "reach --hand right --target -6,8,14");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(PythonAgrees(run.out, "d['reached'] is True and len(d['angles_deg']) == 46 and "
                                      "d['angles_deg']['CHEST'] == [0, 0, 0]"));
    const std::vector<double> grip = Triple(run.out, "grip_point_in");
    ASSERT_EQ(grip.size(), 3u);
    EXPECT_NEAR(grip[0], -6, 0.05);
    EXPECT_NEAR(grip[1], 8, 0.05);
    EXPECT_NEAR(grip[2], 14, 0.05);
    ASSERT_EQ(Numbers(run.out, "chest_angle_deg").size(), 1u);

    // The same point facing left: the target turns with the figure, the angles do not.
    const RunResult turned = RunCli(kData, "reach --hand right --target -6,8,14 --facing left");
    ASSERT_EQ(turned.status, 0);
    const std::vector<double> a = Triple(turned.out, "RARM"), b = Triple(run.out, "RARM");
    ASSERT_EQ(a.size(), 3u);
    ASSERT_EQ(b.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(a[i], b[i], 1e-6);

    // A picking ray straight down through (-6, 30, 14): the grip stays at its own height.
    const RunResult ray = RunCli(kData, "reach --hand right --target -6,30,14 --direction 0,-1,0");
    ASSERT_EQ(ray.status, 0);
    const std::vector<double> onRay = Triple(ray.out, "grip_point_in");
    ASSERT_EQ(onRay.size(), 3u);
    EXPECT_NEAR(onRay[0], -6, 0.05);
    EXPECT_NEAR(onRay[2], 14, 0.05);
}

TEST(ReachCommandTest, OutOfReachIsReportedWithStatusZeroAndBadArgumentsWithTwo) {
    const RunResult far = RunCli(kData, "reach --hand left --target 0,0,200");
    EXPECT_EQ(far.status, 0);
    EXPECT_TRUE(PythonAgrees(far.out, "d['reached'] is False"));
    EXPECT_NE(far.err.find("Failed to Reach Point"), std::string::npos);
    for (const char* args :
         {"reach --target 1,2,3", "reach --hand up --target 1,2,3", "reach --hand left",
          "reach --hand left --target 1,2", "reach --hand left --target 1,2,x",
          "reach --hand left --target 1,,3", "reach --hand left --target 1,2,3 --direction 0,0,0",
          "reach --hand left --target nan,2,3", "reach --hand left --target 1,2,3 --bogus 1"})
        EXPECT_EQ(RunCli(kData, args).status, 2) << args;
}

// Straight along +z for 30 in: steps at 0, 6, 12, 18 and 24, heading 0; a corner to +x turns
// the heading to 90. --steps stops early; the contact sheet is one picture of all steps.
TEST(WalkCommandTest, StepsFollowThePathAndPicturesAreWritten) {
    const RunResult run = RunCli(kData, "walk --path '0,0;0,30;30,30'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(PythonAgrees(
        run.out, "len(d['steps']) == 10 and "
                 "[s['position_in'][2] for s in d['steps'][:5]] == [0, 6, 12, 18, 24] "
                 "and all(s['position_in'][1] == 0 for s in d['steps']) and "
                 "d['steps'][0]['heading_deg'] == 0 and "
                 "abs(d['steps'][5]['heading_deg'] - 90) < 1e-6 and "
                 "d['steps'][5]['position_in'][0] == 0 and "
                 "len(d['steps'][0]['angles_deg']) == 16 and "
                 "all(v == 0 for a in d['steps'][6]['angles_deg'].values() for v in a)"));

    const RunResult two = RunCli(kData, "walk --path '0,0;0,30' --steps 2");
    EXPECT_TRUE(PythonAgrees(two.out, "len(d['steps']) == 2"));
    // A path of a million miles is cut short with a note.
    const RunResult endless = RunCli(kData, "walk --path '0,0;0,6.336e10'");
    EXPECT_EQ(endless.status, 0);
    EXPECT_TRUE(PythonAgrees(endless.out, "len(d['steps']) == 10000"));
    EXPECT_NE(endless.err.find("cut short"), std::string::npos);

    const std::string sheet = ::testing::TempDir() + "walk_sheet.png";
    const RunResult pictured =
        RunCli(kData, "walk --path '0,0;0,30;30,30' --sheet '" + sheet + "' --size 160x120");
    ASSERT_EQ(pictured.status, 0) << pictured.err;
    int w = 0, h = 0;
    ASSERT_TRUE(PngSize(sheet, w, h));
    EXPECT_EQ(w, 4 * 160); // 10 steps in 4 columns and 3 rows
    EXPECT_EQ(h, 3 * 120);

    const std::string folder = ::testing::TempDir() + "walk_steps";
    std::filesystem::remove_all(folder);
    ASSERT_EQ(RunCli(kData, "walk --path '0,0;0,13' -o '" + folder + "' --size 64x48").status, 0);
    EXPECT_TRUE(std::filesystem::exists(folder + "/step-003.png"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/step-004.png"));

    for (const char* args :
         {"walk", "walk --path ''", "walk --path '1,2;3'", "walk --path '1,2;;3,4'",
          "walk --path '0,0;0,9' --steps -1", "walk --path '0,0;0,9' --size 5x5",
          "walk --path '0,0;0,9' --view eye", "walk --path '0,0;0,9' -o a --sheet b.png",
          "walk --path 0,0 --sheet b.png"})
        EXPECT_EQ(RunCli(kData, args).status, 2) << args;
}

} // namespace
