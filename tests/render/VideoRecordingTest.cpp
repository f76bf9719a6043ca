// Video recording: files read back by FFmpeg's own tools, failures that leave nothing behind.
#include "../VideoProbe.h"
#include "RenderTestSupport.h"

#include "anim/AviWriter.h"
#include "anim/PostureRecording.h"
#include "anim/RenderFrameSource.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

// Frame `index` decoded by ffmpeg as top-down RGB bytes.
std::string DecodeFrame(const std::string& path, int index) {
    return CommandOutput("ffmpeg -v error -i '" + path + "' -vf 'select=eq(n\\," +
                         std::to_string(index) + ")' -frames:v 1 -f rawvideo -pix_fmt rgb24 -");
}

class VideoRecordingTest : public OffscreenTest {
protected:
    void SetUp() override {
        OffscreenTest::SetUp();
        folder = fs::temp_directory_path() / ("tavrona-video-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        render->SetRenderMode(RENDER_SHADED);
        render->SetViewType(VIEW_FRONT);
        render->ZoomToExtents(Vec3(-10, -10, -1), Vec3(10, 10, 1));
        // Red above left, green below right: a flipped or mirrored frame cannot match.
        square = Add(new CTestSquare(-4, 4, 0, 2, PackRGB(255, 0, 0)));
        Add(new CTestSquare(5, -5, 0, 1, PackRGB(0, 255, 0)));
    }
    void TearDown() override {
        fs::remove_all(folder);
        OffscreenTest::TearDown();
    }
    // Records `frames` frames; frame i moves the red square i inches to the right.
    RecordingResult Record(CAviWriter& writer, int frames,
                           const RecordingProgress& progress = nullptr) {
        CRenderFrameSource source(*render, objects);
        auto step = [this](int i) {
            square->cx = -4 + i;
            square->Invalidate();
            return true;
        };
        return RecordFrames(frames, step, writer, source, progress);
    }
    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename());
        return names;
    }

    fs::path folder;
    CTestSquare* square = nullptr;
};

TEST_F(VideoRecordingTest, FrameGeometryAndFileName) {
    CAviWriter writer(reporter);
    writer.SetSize(801, 603);
    EXPECT_EQ(writer.Width(), 800);
    EXPECT_EQ(writer.Height(), 600);
    EXPECT_EQ(writer.ImageSize(), 600u * 2400u);
    writer.fileName = "clip.AVI"; // the test is case-sensitive
    writer.EnsureExtension();
    EXPECT_EQ(writer.fileName, "clip.AVI.avi");
    writer.EnsureExtension();
    EXPECT_EQ(writer.fileName, "clip.AVI.avi");
    writer.codec = VideoCodec::H264;
    writer.fileName = "walk";
    writer.EnsureExtension();
    EXPECT_EQ(writer.fileName, "walk.mp4");
}

TEST_F(VideoRecordingTest, LosslessVideosHoldTheRenderedPicturesUpright) {
    for (VideoCodec codec : {VideoCodec::Rgb, VideoCodec::Ffv1, VideoCodec::Mjpeg}) {
        const std::string key = VideoCodecOf(codec).key;
        SCOPED_TRACE(key);
        CAviWriter writer(reporter);
        writer.codec = codec;
        writer.frameRate = 10;
        writer.fileName = (folder / ("clip-" + key + ".avi")).string();
        writer.SetSize(kWidth + 3, kHeight + 2); // rounds down to the view's own size
        ASSERT_EQ(Record(writer, 3), RecordingResult::Recorded);
        EXPECT_EQ(writer.frameCounter, 3);
        EXPECT_EQ(ProbeVideo(writer.fileName),
                  key == "rgb" ? "rawvideo,400,300,10/1,3\n" : key + ",400,300,10/1,3\n");
        if (codec == VideoCodec::Mjpeg)
            continue; // lossy: its frames are checked by the other codecs
        // The last frame as rendered (the square at -2) equals the decoded one.
        const CImage picture = Frame();
        const std::string decoded = DecodeFrame(writer.fileName, 2);
        ASSERT_EQ(decoded.size(), picture.rgb.size());
        EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), picture.rgb.begin(),
                               [](char a, std::uint8_t b) { return std::uint8_t(a) == b; }));
        int x, y;
        PixelOf(Vec3(-2, 4, 0), x, y);
        EXPECT_TRUE(IsRed(picture.PixelAt(x, y)));
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(VideoRecordingTest, FailedOrCancelledRecordingsLeaveNoFileBehind) {
    // A folder that does not exist.
    {
        CAviWriter writer(reporter);
        writer.fileName = (folder / "missing" / "clip.avi").string();
        writer.SetSize(kWidth, kHeight);
        EXPECT_EQ(Record(writer, 2), RecordingResult::Failed);
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].rfind("AVI Engine failed to initialize. Check filename " +
                                                 writer.fileName + ".",
                                             0),
                  0u);
    }
    // A disk that fills up half-way (a file size limit stands in for it): an older video of
    // that name is kept as it was.
    const fs::path target = folder / "full.avi";
    std::ofstream(target) << "an older video";
    {
        CAviWriter writer(reporter);
        writer.fileName = target.string();
        writer.SetSize(kWidth, kHeight);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 600000; // about one and a half uncompressed frames
        auto* previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const RecordingResult result = Record(writer, 4);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        EXPECT_EQ(result, RecordingResult::Failed);
        ASSERT_EQ(reporter.messages.size(), 2u);
        EXPECT_EQ(reporter.messages[1].rfind("Unable to write data to stream.", 0), 0u);
    }
    std::ifstream older(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(older), {}), "an older video");
    // Cancelled after the second frame.
    {
        CAviWriter writer(reporter);
        writer.fileName = (folder / "cancelled.avi").string();
        writer.SetSize(kWidth, kHeight);
        EXPECT_EQ(Record(writer, 5, [](int done, int) { return done < 2; }),
                  RecordingResult::Cancelled);
    }
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"full.avi"});
    EXPECT_EQ(reporter.messages.size(), 2u); // a cancel is the user's own doing: no message
}

} // namespace
