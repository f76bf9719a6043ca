// tavrona-cli record: a posture transition as a video that ffprobe reads.
#include "../VideoProbe.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kData = TAVRONA_SOURCE_DIR "/data";

TEST(RecordCommand, TransitionAndWalkBecomeFramesAtTenPerSecond) {
    const fs::path folder =
        fs::temp_directory_path() / ("tavrona-record-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string scene = (folder / "lift.tvr").string();
    ASSERT_EQ(
        RunCli(kData, "scene '" + scene + "' --mannequin population=1,sex=female,size=2").status,
        0);

    const std::string video = (folder / "lift").string(); // the extension is added
    const RunResult run = RunCli(kData, "record '" + scene + "' -o '" + video +
                                            "' --initial-posture 1 --final-posture 10 "
                                            "--codec h264 --image 321x243");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Numbers(run.out, "frames"), std::vector<double>{11});
    EXPECT_EQ(ProbeVideo(video + ".mp4"), "h264,320,240,10/1,11\n");

    // A walk of 30 in at 6 in a stride: five steps, a frame each.
    const std::string walk = (folder / "walk.avi").string();
    ASSERT_EQ(RunCli(kData, "record '" + scene + "' -o '" + walk +
                                "' --walk '0,0;0,30' --codec ffv1 --size 320x240")
                  .status,
              0);
    EXPECT_EQ(ProbeVideo(walk), "ffv1,320,240,10/1,5\n");

    // Bad requests are refused before anything is written.
    EXPECT_EQ(RunCli(kData, "record '" + scene + "' -o x.avi --initial-posture 1").status, 2);
    EXPECT_EQ(RunCli(kData, "record '" + scene + "' -o x.avi --walk '0,0'").status, 2);
    EXPECT_EQ(RunCli(kData, "record '" + scene +
                                "' -o x.avi --initial-posture 1 --final-posture 2 --codec divx")
                  .status,
              2);
    const RunResult missing = RunCli(kData, "record '" + scene + "' -o '" + video +
                                                "' --initial-posture 1 --final-posture 99");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no standard posture 99"), std::string::npos);
    fs::remove_all(folder);
}

} // namespace
