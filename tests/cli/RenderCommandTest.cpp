#include "core/ObjectList.h"
#include "document/SceneFileWriter.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Result {
    int status = -1;
    std::string output; // stdout and stderr
};

Result RunRender(const std::string& arguments) {
    Result result;
    const std::string command = std::string(TAVRONA_CLI) + " render " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 512> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe))
        result.output += buffer.data();
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

// Width and height of a PNG file from its header; false when it is not a PNG.
bool PngSize(const std::string& path, int& width, int& height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char h[24] = {};
    if (!file.read(reinterpret_cast<char*>(h), sizeof h))
        return false;
    if (h[0] != 0x89 || h[1] != 'P' || h[2] != 'N' || h[3] != 'G')
        return false;
    width = (h[16] << 24) | (h[17] << 16) | (h[18] << 8) | h[19];
    height = (h[20] << 24) | (h[21] << 16) | (h[22] << 8) | h[23];
    return true;
}

std::string Temp(const std::string& name) {
    return ::testing::TempDir() + "render_cli_" + name;
}

TEST(RenderCommandTest, BadUsageExitsWithStatusTwo) {
    EXPECT_EQ(RunRender("").status, 2); // no output file
    EXPECT_EQ(RunRender("-o x.png --view sideways").status, 2);
    EXPECT_EQ(RunRender("-o x.png --mode solid").status, 2);
    for (const char* size : {"0x10", "10x", "x10", "10*10x", "-5x5", "10x10x", "7"})
        EXPECT_EQ(RunRender(std::string("-o x.png --image ") + size).status, 2) << size;
    // The picture's pixels are not the figure's size row.
    const Result old = RunRender("-o x.png --size 320x200");
    EXPECT_EQ(old.status, 2);
    EXPECT_NE(old.output.find("--image 320x200"), std::string::npos) << old.output;
    EXPECT_EQ(RunRender("-o x.png --bogus 1").status, 2);
    EXPECT_EQ(RunRender("a.tvr b.tvr -o x.png").status, 2);
    EXPECT_EQ(RunRender("a.tvr -o x.png --sex female").status, 2); // figure options need no file
    EXPECT_EQ(RunRender("-o x.png --cone wide").status, 2);
    EXPECT_EQ(RunRender("-o x.png --colours sepia").status, 2);
    for (const char* range : {"left-arm", "left-hand,", ",right-leg", "left-hand,,right-hand"})
        EXPECT_EQ(RunRender(std::string("-o x.png --range ") + range).status, 2) << range;
    const Result help = RunRender("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--view front|top|left|right|user|eye|orbit"), std::string::npos);
    EXPECT_NE(help.output.find("--colours palette|natural"), std::string::npos);
}

// The tones themselves are checked off screen by the renderer's tests; here the option reaches
// the picture, and the palette stays the default.
TEST(RenderCommandTest, NaturalColoursChangeThePicture) {
    std::string pictures[3];
    const char* options[3] = {"", " --colours palette", " --colours natural"};
    for (int i = 0; i < 3; ++i) {
        const std::string out = Temp("colours" + std::to_string(i) + ".png");
        const Result r = RunRender("-o " + out + " --image 160x240" + options[i]);
        ASSERT_EQ(r.status, 0) << options[i] << ": " << r.output;
        pictures[i] = ReadAll(out);
        std::remove(out.c_str());
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_NE(pictures[1], pictures[2]);
}

TEST(RenderCommandTest, FailedContextIsReportedAndExitsNonZero) {
    const std::string out = Temp("huge.png");
    const Result r = RunRender("-o " + out + " --image 100000x100000");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("Trace : wglCreateContext failed."), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Could not intialize OpenGL.\nPlease check your Display settings.\n"),
              std::string::npos);
    EXPECT_FALSE(std::ifstream(out).good());
}

TEST(RenderCommandTest, UnreadableSceneFileIsRefused) {
    const std::string bad = Temp("bad.tvr");
    std::ofstream(bad) << "not a scene file";
    const std::string out = Temp("bad.png");
    EXPECT_EQ(RunRender(bad + " -o " + out).status, 1);
    EXPECT_EQ(RunRender(Temp("missing.tvr") + " -o " + out).status, 1);
    EXPECT_FALSE(std::ifstream(out).good());
}

TEST(RenderCommandTest, SceneFileRendersAtTheRequestedSize) {
    CPolyface box;
    box.Build(kShapeBox, {Vec3(0, 0, 0), Vec3(20, 30, 10)});
    CObjectList objects;
    box.AddToList(objects);
    const std::string scene = Temp("box.tvr");
    ASSERT_EQ(WriteSceneFile(scene, objects), 1);
    for (const char* view : {"front", "top", "left", "right", "user", "orbit"}) {
        const std::string out = Temp(std::string("box_") + view + ".png");
        const Result r = RunRender(scene + " -o " + out +
                                   " --image 320x200 --mode hidden --floor --axes --view " + view);
        EXPECT_EQ(r.status, 0) << view << ": " << r.output;
        int w = 0, h = 0;
        ASSERT_TRUE(PngSize(out, w, h)) << view;
        EXPECT_EQ(w, 320);
        EXPECT_EQ(h, 200);
        std::remove(out.c_str());
    }
    // The eye view needs a figure.
    EXPECT_EQ(RunRender(scene + " -o " + Temp("eye.png") + " --view eye").status, 1);
    std::remove(scene.c_str());
}

TEST(RenderCommandTest, FigureFromTheMannequinChoicesInEveryView) {
    const std::string out = Temp("figure.png");
    Result r = RunRender("-o " + out + " --population 1 --sex female --size 3");
    ASSERT_EQ(r.status, 0) << r.output;
    int w = 0, h = 0;
    ASSERT_TRUE(PngSize(out, w, h));
    EXPECT_EQ(w, 1280); // the default size
    EXPECT_EQ(h, 720);
    const char* views[] = {"front", "top", "left", "right", "user", "eye", "orbit"};
    const char* modes[] = {"wireframe", "hidden", "shaded"};
    for (int i = 0; i < 7; ++i) {
        const std::string options = std::string(" --view ") + views[i] + " --mode " + modes[i % 3];
        r = RunRender("-o " + out + " --image 160x120 --floor --axes --figure stick" + options);
        EXPECT_EQ(r.status, 0) << options << ": " << r.output;
        ASSERT_TRUE(PngSize(out, w, h));
        EXPECT_EQ(w, 160);
        EXPECT_EQ(h, 120);
    }
    std::remove(out.c_str());
    // A figure the data cannot give.
    r = RunRender("-o " + out + " --population 99");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::ifstream(out).good());
}

// The analysis shapes change the picture: the cone reaches out in front of the face, and the
// zoom takes it in.
TEST(RenderCommandTest, ViewConesAndRangeVolumesShowInThePicture) {
    const std::string plain = Temp("plain.png"), cone = Temp("cone.png"), all = Temp("all.png");
    const std::string common = " --image 160x120 --view right --figure stick";
    ASSERT_EQ(RunRender("-o " + plain + common).status, 0);
    Result r = RunRender("-o " + cone + common + " --cone optimum");
    ASSERT_EQ(r.status, 0) << r.output;
    r = RunRender("-o " + all + common +
                  " --cone maximum --range left-hand,right-hand,left-leg,right-leg");
    ASSERT_EQ(r.status, 0) << r.output;
    const auto plainBytes = ReadAll(plain);
    ASSERT_FALSE(plainBytes.empty());
    EXPECT_NE(ReadAll(cone), plainBytes);
    EXPECT_NE(ReadAll(all), ReadAll(cone));
    // The eye view has no cones, but it does run with the option.
    EXPECT_EQ(RunRender("-o " + cone + common + " --cone optimum --view eye").status, 0);
    for (const std::string& path : {plain, cone, all})
        std::remove(path.c_str());
}

} // namespace
