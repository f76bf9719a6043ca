#include "../support/FixtureData.h"
#include "../support/TestFiles.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class SceneCommandTest : public ::testing::Test {
protected:
    SceneCommandTest() { fixture::WriteDataDirectory(data.Path("")); }
    ScopedDataDirectory data;
};

TEST_F(SceneCommandTest, SceneThenInfoShowsEveryObject) {
    const std::string tvr = data.Path("out.tvr");
    const RunResult made = RunCli(
        data.Path(""), "scene '" + tvr +
                           "' --mannequin population=1,sex=male,size=2,age=7,posture=2,x=0,z=0"
                           " --mannequin sex=female,size=1,x=30,z=-12,facing=left"
                           " --box 0,0,0,10,20,30 --sphere 50,10,0,5"
                           " --line 0,0,0,10,0,0,10,10,0 --text '0,40,0,Hello'");
    ASSERT_EQ(made.status, 0) << made.err;
    const RunResult info = RunCli(data.Path(""), "info '" + tvr + "'");
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(Count(info.out, "\"type\": \"mannequin\""), 2);
    EXPECT_EQ(Count(info.out, "\"type\": \"polyface\""), 2);
    EXPECT_EQ(Count(info.out, "\"type\": \"polyline\""), 1);
    EXPECT_EQ(Count(info.out, "\"type\": \"text\""), 1);
    EXPECT_NE(info.out.find("\"name\": \"Sphere\""), std::string::npos);
    EXPECT_NE(info.out.find("\"colour\": \"#FF00FF\""), std::string::npos);
    EXPECT_NE(info.out.find("\"sex\": \"female\""), std::string::npos);
    EXPECT_EQ(Numbers(info.out, "size_row"), (std::vector<double>{2, 1}));
    // The child keeps its age group through the file.
    EXPECT_EQ(Numbers(info.out, "population"), (std::vector<double>{37, 1}));
    EXPECT_NE(info.out.find("\"age\": \"7 yrs\""), std::string::npos);
    EXPECT_EQ(Count(info.out, "\"figure\": \"Human\""), 2);
    EXPECT_NE(info.out.find("\"position_in\": [30, 0, -12]"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\"rotation_deg\": [0, -90,"), std::string::npos);
    // Standard posture 2 of the fixture turns RARM to (10, 30, 20).
    EXPECT_NE(info.out.find("\"angles_deg\": [10, 30, 20]"), std::string::npos);
    EXPECT_EQ(Count(info.out, "\"segment\": \"RLITTC\""), 2);
}

TEST_F(SceneCommandTest, PostureSaveAndApply) {
    const std::string pos = data.Path("two.pos");
    ASSERT_EQ(RunCli(data.Path(""), "posture save '" + pos + "' --posture 2").status, 0);
    EXPECT_EQ(ReadAll(pos).size(), 4416u);
    // Onto a female figure without a standard posture: the stored angles and limits.
    const RunResult applied =
        RunCli(data.Path(""), "posture apply '" + pos + "' --sex female --posture 0");
    ASSERT_EQ(applied.status, 0) << applied.err;
    EXPECT_NE(applied.out.find("\"angles_deg\": [10, 30, 20]"), std::string::npos);
    EXPECT_EQ(Count(applied.out, "\"segment\""), 46);

    data.Write("short.pos", std::string(4415, '\0'));
    const RunResult shortFile =
        RunCli(data.Path(""), "posture apply '" + data.Path("short.pos") + "'");
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_NE(shortFile.err.find("Failed to read file."), std::string::npos);
    const RunResult unwritable =
        RunCli(data.Path(""), "posture save '" + data.Path("missing/x.pos") + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Failed to save file."), std::string::npos);
}

TEST_F(SceneCommandTest, BadInputIsRefused) {
    const std::string tvr = data.Path("bad.tvr");
    for (const char* options : {"--box 1,2", "--sphere a,b,c,d", "--mannequin size", "--cube 1",
                                "--mannequin colour=red", "--line 1,2,3", "--mannequin"})
        EXPECT_EQ(RunCli(data.Path(""), "scene '" + tvr + "' " + options).status, 2) << options;
    EXPECT_TRUE(ReadAll(tvr).empty()); // nothing written
    EXPECT_EQ(
        RunCli(data.Path(""), "scene '" + data.Path("no/such.tvr") + "' --box 0,0,0,1,1,1").status,
        1);
    data.Write("garbage.tvr", "not a scene file at all");
    const RunResult info = RunCli(data.Path(""), "info '" + data.Path("garbage.tvr") + "'");
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("Failed to read file."), std::string::npos);
    EXPECT_EQ(RunCli(data.Path(""), "info").status, 2);
    EXPECT_EQ(RunCli(data.Path(""), "posture fold x.pos").status, 2);
}

} // namespace
