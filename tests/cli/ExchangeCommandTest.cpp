// tavrona-cli export and import: a scene out to DXF, 3DS and glTF and back in, the units, and
// failures with their message and a non-zero status.
#include "../support/FixtureData.h"
#include "../support/TestFiles.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace {

class ExchangeCommandTest : public ::testing::Test {
protected:
    ExchangeCommandTest() { fixture::WriteDataDirectory(data.Path("")); }
    ScopedDataDirectory data;
};

} // namespace

TEST_F(ExchangeCommandTest, ExportThenImportKeepsTheObjects) {
    const std::string scene = data.Path("s.tvr");
    ASSERT_EQ(RunCli(data.Path(""), "scene " + scene + " --box 0,0,0,10,20,30 --line 0,0,0,254,0,0")
                  .status,
              0);
    for (const char* extension : {".dxf", ".3ds", ".glb"}) {
        const RunResult out =
            RunCli(data.Path(""), "export " + scene + " -o " + data.Path("s") + extension);
        EXPECT_EQ(out.status, 0) << extension << out.err;
        EXPECT_NE(out.out.find("\"objects\": 2"), std::string::npos) << out.out;
    }
    // The DXF back, read as millimetres, and the 3DS back.
    RunResult in = RunCli(data.Path(""), "import " + data.Path("s.dxf") + " -o " +
                                             data.Path("back.tvr") + " --units mm");
    ASSERT_EQ(in.status, 0) << in.err;
    EXPECT_NE(in.out.find("\"objects\": 2"), std::string::npos) << in.out;
    in = RunCli(data.Path(""), "import " + data.Path("s.3ds") + " -o " + data.Path("b3.tvr"));
    ASSERT_EQ(in.status, 0) << in.err;
    EXPECT_NE(in.out.find("\"objects\": 1"), std::string::npos) << in.out; // meshes only
}

TEST_F(ExchangeCommandTest, FailuresSayWhyAndExitNonZero) {
    data.Write("bad.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nfive\n");
    RunResult r =
        RunCli(data.Path(""), "import " + data.Path("bad.dxf") + " -o " + data.Path("x.tvr"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Error in DXF file on line 8."), std::string::npos) << r.err;
    r = RunCli(data.Path(""), "import " + data.Path("none.dxf") + " -o " + data.Path("x.tvr"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot open DXF file."), std::string::npos) << r.err;
    r = RunCli(data.Path(""), "import " + data.Path("bad.dxf") + " -o x.tvr --units furlong");
    EXPECT_EQ(r.status, 2);
    r = RunCli(data.Path(""), "export " + data.Path("none.tvr") + " -o " + data.Path("x.obj"));
    EXPECT_EQ(r.status, 2);
}

// A FIFO would keep a reader waiting for a writer, a device would never end: every reader takes
// only regular files and says it cannot open anything else.
TEST_F(ExchangeCommandTest, ReadersRefuseWhatIsNotARegularFile) {
    const std::string opened[] = {"Cannot open DXF file.", "", "Cannot open 3D Imager file: "};
    const char* extensions[] = {"dxf", "3ds", "3di"};
    for (int k = 0; k < 3; ++k) {
        const std::string pipe = data.Path(std::string("pipe.") + extensions[k]);
        const std::string zero = data.Path(std::string("zero.") + extensions[k]);
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
        std::filesystem::create_symlink("/dev/zero", zero);
        for (const std::string& input : {pipe, zero}) {
            const RunResult r =
                RunCli(data.Path(""), "import " + input + " -o " + data.Path("out.tvr"));
            EXPECT_EQ(r.status, 1) << input << r.err;
            EXPECT_NE(r.err.find(opened[k]), std::string::npos) << r.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(data.Path("out.tvr")));

    // The mass table: the tool fails with the table's message.
    std::filesystem::remove(data.Path("antro1.dat"));
    ASSERT_EQ(::mkfifo(data.Path("antro1.dat").c_str(), 0644), 0);
    const RunResult r = RunCli(data.Path(""), "mannequin");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot open HUMAN DATA file: "), std::string::npos) << r.err;
}
