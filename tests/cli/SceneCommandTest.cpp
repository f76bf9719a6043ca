#include "../support/FixtureData.h"
#include "../support/TestFiles.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <regex>

namespace {

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
    for (const char* options :
         {"--box 1,2", "--sphere a,b,c,d", "--mannequin size", "--cube 1", "--mannequin colour=red",
          "--line 1,2,3", "--mannequin", "--box nan,0,0,1,1,1", "--sphere 0,0,0,inf",
          "--mannequin x=1e308", "--line 0,0,0,2e6,0,0"})
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

// Python's reading of a JSON text: the value at `path` (a Python subscript such as
// ["objects"][0]["name"]) printed as ASCII JSON, or "invalid".
std::string ParsedByPython(const ScopedDataDirectory& data, const std::string& json,
                           const std::string& path) {
    data.Write("out.json", json);
    const std::string command = "/usr/bin/python3 -c 'import json,sys\ntry: print(json.dumps("
                                "json.load(open(sys.argv[1]))" +
                                path + "))\nexcept ValueError: print(\"invalid\")' '" +
                                data.Path("out.json") + "'";
    std::string out;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out.substr(0, out.find('\n'));
}

// Names and paths with quotes, backslashes and bytes of any encoding still give valid JSON.
TEST_F(SceneCommandTest, InfoIsValidJsonWhateverTheNamesHold) {
    const std::string tvr = data.Path("caf\xE9 \"q\" \\ \xC3\xA9.tvr");
    ASSERT_EQ(RunCli(data.Path(""), "scene '" + tvr + "' --line 0,0,0,1,0,0").status, 0);
    std::string bytes = ReadAll(tvr);
    const char name[12] = "A\"\\\xFF\xC3\xA9\x01";
    std::memcpy(bytes.data() + 219 + 72, name, sizeof name);
    data.Write("caf\xE9 \"q\" \\ \xC3\xA9.tvr", bytes);
    const RunResult info = RunCli(data.Path(""), "info '" + tvr + "'");
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(ParsedByPython(data, info.out, "[\"objects\"][0][\"name\"]"),
              "\"A\\\"\\\\\\u00ff\\u00e9\\u0001\"");
    EXPECT_NE(ParsedByPython(data, info.out, "[\"file\"]")
                  .find("caf\\u00e9 \\\"q\\\" \\\\ \\u00e9.tvr\""),
              std::string::npos);
}

// A scene of a figure (standard posture 2: RARM at 10, 30, 20), a box and a line, damaged one
// way per case: `info` lists what it could read, says what it could not and exits 1.
TEST_F(SceneCommandTest, DamagedScenesAreReportedRecordByRecord) {
    const std::string tvr = data.Path("good.tvr");
    ASSERT_EQ(RunCli(data.Path(""), "scene '" + tvr +
                                        "' --mannequin population=1,sex=male,size=2,posture=2"
                                        " --box 0,0,0,10,20,30 --line 0,0,0,10,0,0")
                  .status,
              0);
    const std::string good = ReadAll(tvr);
    std::vector<std::size_t> starts{219}; // figure, 46 segments, box, line
    while (starts.back() < good.size()) {
        std::int32_t length = 0;
        std::memcpy(&length, good.data() + starts.back(), 4);
        starts.push_back(starts.back() + static_cast<std::size_t>(length));
    }
    ASSERT_EQ(starts.size(), 1u + 46 + 2 + 1);
    const std::size_t figure = starts[0], box = starts[47], line = starts[48];
    const float nan = std::numeric_limits<float>::quiet_NaN();
    auto putFloat = [](std::string& bytes, std::size_t at, float v) {
        std::memcpy(bytes.data() + at, &v, 4);
    };
    struct Case {
        const char* name;
        std::function<void(std::string&)> damage;
        std::vector<const char*> said;  // in the message
        std::vector<const char*> shown; // in the listing
    };
    const std::vector<Case> cases = {
        {"a record length beyond the file",
         [&](std::string& b) { b[box + 3] = 0x7F; },
         {"read 2 of 3 objects", "does not fit the file; reading goes on at byte"},
         {"\"polyline\"", "[10, 30, 20]"}},
        {"cut after ten segment records",
         [&](std::string& b) { b.resize(starts[11]); },
         {"read 1 of 1 objects", "only 10 of its 46 segment records"},
         {"[10, 30, 20]"}},
        {"cut in the middle of the line",
         [&](std::string& b) { b.resize(line + 100); },
         {"read 2 of 3 objects", "100 bytes at the end of the file are not a whole record"},
         {"\"polyface\""}},
        {"a stature that is not a number",
         [&](std::string& b) { putFloat(b, figure + 152 + 7 + 1580, nan); },
         {"read 2 of 3 objects", "stature nan cm is out of range"},
         {"\"polyline\""}},
        {"a scale of 1e30",
         [&](std::string& b) { putFloat(b, figure + 152 + 7 + 1108, 1e30f); },
         {"read 2 of 3 objects", "scale factor"},
         {"\"polyline\""}},
        {"a joint angle that is not a number",
         [&](std::string& b) { putFloat(b, figure + 152 + 7 + 4 + 3 * 24, nan); },
         {"read 3 of 3 objects", "stored joint angles of RARM"},
         {"\"polyline\""}},
        {"a box corner that is not a number",
         [&](std::string& b) { putFloat(b, box + 152 + 8, nan); },
         {"read 2 of 3 objects", "(polyface \"Box\")"},
         {"\"polyline\""}},
        {"the last record overrunning the file by one word",
         [&](std::string& b) { b[line] = static_cast<char>(b[line] + 4); },
         {"read 2 of 3 objects", "does not fit the file"},
         {"\"polyface\""}},
        {"a kind no writer stores",
         [&](std::string& b) { b[line + 4] = 12; },
         {"read 2 of 3 objects", "unknown kind 12"},
         {"\"polyface\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = good;
        c.damage(bytes);
        data.Write("bad.tvr", bytes);
        const RunResult info = RunCli(data.Path(""), "info '" + data.Path("bad.tvr") + "'");
        EXPECT_EQ(info.status, 1);
        for (const char* text : c.said)
            EXPECT_NE(info.err.find(text), std::string::npos) << text << "\n" << info.err;
        for (const char* text : c.shown)
            EXPECT_NE(info.out.find(text), std::string::npos) << text;
    }

    // A figure whose body mesh is missing is named, with the data file's message.
    std::filesystem::remove(data.Path("usa_m.per"));
    const RunResult info = RunCli(data.Path(""), "info '" + tvr + "'");
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("read 2 of 3 objects"), std::string::npos) << info.err;
    EXPECT_NE(info.err.find("(figure) (male, population 1, size row 2) could not be rebuilt: "
                            "Cannot open HUMAN MESH file: "),
              std::string::npos)
        << info.err;
    EXPECT_NE(info.out.find("\"unread mannequin\""), std::string::npos);
}

} // namespace
