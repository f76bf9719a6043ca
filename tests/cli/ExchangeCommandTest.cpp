// tavrona-cli export and import: a scene out to DXF, 3DS and glTF and back in, the units, and
// failures with their message and a non-zero status.
#include "../support/FixtureData.h"
#include "../support/TestFiles.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

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
