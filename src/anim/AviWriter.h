#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CUserReporter;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// The codecs a recording can use. Uncompressed RGB, Motion JPEG and FFV1 (lossless) go into
// AVI; H.264 goes into MP4, the container players and sharing sites expect for it.
enum class VideoCodec { Rgb, Mjpeg, Ffv1, H264 };

struct VideoCodecInfo {
    VideoCodec codec;
    const char* key;       // the command-line and settings name: "rgb", "mjpeg", "ffv1", "h264"
    const char* label;     // for the codec chooser
    const char* extension; // ".avi" or ".mp4"
};

// Every codec the program knows, in the chooser's order.
const std::vector<VideoCodecInfo>& VideoCodecList();
// Null for an unknown key.
const VideoCodecInfo* FindVideoCodec(const std::string& key);
const VideoCodecInfo& VideoCodecOf(VideoCodec codec);
// True when this system's FFmpeg has an encoder for the codec.
bool IsVideoCodecAvailable(VideoCodec codec);

// Writes one video file frame by frame, from 24-bit blue-green-red frames whose rows run from
// the bottom up, as OpenGL reads them back. The video is written to a temporary file beside
// the target and takes the target's name only when Close() finishes it, so a failed or
// cancelled recording leaves no partial file and never destroys an older file of that name.
// Failures are reported through the reporter once, with the messages of the recording command.
class CAviWriter {
public:
    explicit CAviWriter(CUserReporter& reporter);
    ~CAviWriter(); // discards an unfinished recording
    CAviWriter(const CAviWriter&) = delete;
    CAviWriter& operator=(const CAviWriter&) = delete;

    std::string fileName = "Untitled.avi";
    int frameRate = 30; // frames per second
    VideoCodec codec = VideoCodec::Rgb;
    int frameCounter = 0; // index of the next frame

    // The frame size from a view's client size: each rounded down to a multiple of 4.
    void SetSize(int clientWidth, int clientHeight);
    int Width() const { return width; }
    int Height() const { return height; }
    // Bytes of one frame: height rows of width x 3 bytes padded to 4 bytes.
    std::size_t ImageSize() const;
    // Appends the codec's container extension (".avi" or ".mp4") when the name does not contain
    // it; the test is a plain, case-sensitive substring test.
    void EnsureExtension();

    // Creates the temporary file and the encoder. 1, or 0 with the failure reported.
    int Open();
    // Encodes ImageSize() bytes as the next frame. 1, or 0 with "Unable to write data to
    // stream." reported.
    int WriteFrame(const std::uint8_t* bgrBottomUp);
    // Flushes the encoder, finishes the file and gives it its name. 1, or 0 with the failure
    // reported and nothing left on disk.
    int Close();
    // Gives the recording up: nothing of it stays on disk.
    void Discard();

private:
    void Release();
    int Encode(AVFrame* frame);
    void Fail(const std::string& message);

    CUserReporter& reporter;
    int width = 0;
    int height = 0;
    std::string temporaryName;
    AVFormatContext* format = nullptr;
    AVCodecContext* encoder = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* converter = nullptr;
    bool headerWritten = false;
    int lastError = 0; // FFmpeg error code of the last failed write
};
