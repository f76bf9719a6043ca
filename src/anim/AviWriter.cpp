#include "anim/AviWriter.h"

#include "core/UserReporter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kWriteFailed = "Unable to write data to stream.";
const char* const kNoCompressor =
    "AVI Compressed Stream creation failed. A suitable compressor cannot be found.";

struct CodecSetup {
    AVCodecID id;
    const char* container; // FFmpeg's muxer name
    AVPixelFormat pixels;  // what the encoder is given
};

CodecSetup SetupOf(VideoCodec codec) {
    switch (codec) {
    case VideoCodec::Rgb:
        return {AV_CODEC_ID_RAWVIDEO, "avi", AV_PIX_FMT_BGR24};
    case VideoCodec::Mjpeg:
        return {AV_CODEC_ID_MJPEG, "avi", AV_PIX_FMT_YUVJ420P};
    case VideoCodec::Ffv1:
        return {AV_CODEC_ID_FFV1, "avi", AV_PIX_FMT_BGR0};
    case VideoCodec::H264:
        break;
    }
    return {AV_CODEC_ID_H264, "mp4", AV_PIX_FMT_YUV420P};
}

// The system's own words for an FFmpeg or system error, on a line of their own.
std::string SystemReason(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return std::string("\n(") + text + ")";
}

std::string OpenFailureReason(int error) {
    if (error == AVERROR(ENOMEM))
        return "The file could not be opened because of insufficient memory." + SystemReason(error);
    return "A disk error occurred while opening the file." + SystemReason(error);
}

} // namespace

const std::vector<VideoCodecInfo>& VideoCodecList() {
    static const std::vector<VideoCodecInfo> list = {
        {VideoCodec::Rgb, "rgb", "Uncompressed RGB (AVI)", ".avi"},
        {VideoCodec::Mjpeg, "mjpeg", "Motion JPEG (AVI)", ".avi"},
        {VideoCodec::Ffv1, "ffv1", "FFV1 lossless (AVI)", ".avi"},
        {VideoCodec::H264, "h264", "H.264 (MP4)", ".mp4"},
    };
    return list;
}

const VideoCodecInfo* FindVideoCodec(const std::string& key) {
    for (const VideoCodecInfo& info : VideoCodecList())
        if (key == info.key)
            return &info;
    return nullptr;
}

const VideoCodecInfo& VideoCodecOf(VideoCodec codec) {
    for (const VideoCodecInfo& info : VideoCodecList())
        if (info.codec == codec)
            return info;
    return VideoCodecList().front();
}

bool IsVideoCodecAvailable(VideoCodec codec) {
    return avcodec_find_encoder(SetupOf(codec).id) != nullptr;
}

CAviWriter::CAviWriter(CUserReporter& reporter) : reporter(reporter) {}

CAviWriter::~CAviWriter() {
    Discard();
}

void CAviWriter::SetSize(int clientWidth, int clientHeight) {
    width = clientWidth > 0 ? clientWidth / 4 * 4 : 0;
    height = clientHeight > 0 ? clientHeight / 4 * 4 : 0;
}

std::size_t CAviWriter::ImageSize() const {
    const std::size_t row = (static_cast<std::size_t>(width) * 24 + 31) / 32 * 4;
    return static_cast<std::size_t>(height) * row;
}

void CAviWriter::EnsureExtension() {
    const char* extension = VideoCodecOf(codec).extension;
    if (fileName.find(extension) == std::string::npos)
        fileName += extension;
}

void CAviWriter::Fail(const std::string& message) {
    Discard();
    reporter.Message(message);
}

int CAviWriter::Open() {
    Discard();
    av_log_set_level(AV_LOG_ERROR); // failures are reported to the user, not on the console
    frameCounter = 0;
    if (width <= 0 || height <= 0 || frameRate <= 0) {
        Fail("AVI Stream creation failed. Check Bitmap info.");
        return 0;
    }
    const CodecSetup setup = SetupOf(codec);
    const AVCodec* found = avcodec_find_encoder(setup.id);
    if (!found) {
        Fail(kNoCompressor);
        return 0;
    }

    // A unique temporary file beside the target, on the same file system for the rename.
    std::vector<char> pattern(fileName.begin(), fileName.end());
    const std::string suffix = ".partial-XXXXXX";
    pattern.insert(pattern.end(), suffix.begin(), suffix.end());
    pattern.push_back('\0');
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        Fail("AVI Engine failed to initialize. Check filename " + fileName + "." +
             OpenFailureReason(AVERROR(errno)));
        return 0;
    }
    // The video gets the permissions of any new file, not the private ones of mkstemp.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    close(descriptor);
    temporaryName = pattern.data();

    int status =
        avformat_alloc_output_context2(&format, nullptr, setup.container, temporaryName.c_str());
    if (status >= 0)
        status = avio_open(&format->pb, temporaryName.c_str(), AVIO_FLAG_WRITE);
    if (status < 0) {
        Fail("AVI Engine failed to initialize. Check filename " + fileName + "." +
             OpenFailureReason(status));
        return 0;
    }

    stream = avformat_new_stream(format, nullptr);
    encoder = avcodec_alloc_context3(found);
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!stream || !encoder || !frame || !packet) {
        Fail("AVI Stream creation failed. Check Bitmap info.");
        return 0;
    }
    encoder->width = width;
    encoder->height = height;
    encoder->time_base = AVRational{1, frameRate};
    encoder->framerate = AVRational{frameRate, 1};
    encoder->pix_fmt = setup.pixels;
    encoder->gop_size = frameRate; // a key frame each second where frames are not all key
    if (setup.id == AV_CODEC_ID_MJPEG) {
        encoder->color_range = AVCOL_RANGE_JPEG;
        encoder->flags |= AV_CODEC_FLAG_QSCALE;
        encoder->global_quality = FF_QP2LAMBDA * 3; // visually lossless for line drawings
    }
    if (setup.id == AV_CODEC_ID_H264) {
        av_opt_set(encoder->priv_data, "preset", "fast", 0);
        encoder->max_b_frames = 0; // every frame shows at its own time, the last one too
    }
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(encoder, found, nullptr) < 0 ||
        avcodec_parameters_from_context(stream->codecpar, encoder) < 0) {
        Fail(kNoCompressor);
        return 0;
    }
    stream->time_base = encoder->time_base;

    frame->format = setup.pixels;
    frame->width = width;
    frame->height = height;
    converter = sws_getContext(width, height, AV_PIX_FMT_BGR24, width, height, setup.pixels,
                               SWS_POINT, nullptr, nullptr, nullptr);
    if (!converter || av_frame_get_buffer(frame, 0) < 0) {
        Fail("AVI Compressed Stream creation failed. There is not enough memory to complete "
             "the operation.");
        return 0;
    }
    if (avformat_write_header(format, nullptr) < 0) {
        Fail("AVI Engine failed to initialize. Check filename " + fileName + "." +
             OpenFailureReason(AVERROR(EIO)));
        return 0;
    }
    headerWritten = true;
    return 1;
}

int CAviWriter::Encode(AVFrame* input) {
    lastError = avcodec_send_frame(encoder, input);
    if (lastError < 0)
        return 0;
    for (;;) {
        const int status = avcodec_receive_packet(encoder, packet);
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
            return 1;
        if (status < 0) {
            lastError = status;
            return 0;
        }
        if (packet->duration == 0)
            packet->duration = 1; // one frame: containers then show the last frame its time too
        av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        int written = av_interleaved_write_frame(format, packet);
        if (written >= 0 && format->pb->error < 0)
            written = format->pb->error;
        if (written < 0) {
            lastError = written;
            return 0;
        }
    }
}

int CAviWriter::WriteFrame(const std::uint8_t* bgrBottomUp) {
    if (!headerWritten || av_frame_make_writable(frame) < 0) {
        Fail(kWriteFailed + SystemReason(AVERROR(EINVAL)));
        return 0;
    }
    // Start at the last row and step backwards: the video runs from the top down.
    const int row = static_cast<int>(ImageSize() / static_cast<std::size_t>(height));
    const std::uint8_t* source[1] = {bgrBottomUp + static_cast<std::size_t>(height - 1) * row};
    const int stride[1] = {-row};
    sws_scale(converter, source, stride, 0, height, frame->data, frame->linesize);
    frame->pts = frameCounter;
    if (!Encode(frame)) {
        Fail(kWriteFailed + SystemReason(lastError));
        return 0;
    }
    ++frameCounter;
    return 1;
}

int CAviWriter::Close() {
    if (!headerWritten)
        return 1;
    int status = Encode(nullptr) ? av_write_trailer(format) : lastError;
    if (status >= 0)
        status = avio_closep(&format->pb);
    if (status < 0) {
        Fail(kWriteFailed + SystemReason(status));
        return 0;
    }
    headerWritten = false;
    if (std::rename(temporaryName.c_str(), fileName.c_str()) != 0) {
        Fail("AVI Engine failed to initialize. Check filename " + fileName + "." +
             OpenFailureReason(AVERROR(errno)));
        return 0;
    }
    temporaryName.clear();
    Release();
    return 1;
}

void CAviWriter::Release() {
    sws_freeContext(converter);
    converter = nullptr;
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&encoder);
    if (format) {
        if (format->pb)
            avio_closep(&format->pb);
        avformat_free_context(format);
        format = nullptr;
    }
    stream = nullptr;
    headerWritten = false;
}

void CAviWriter::Discard() {
    Release();
    if (!temporaryName.empty()) {
        std::remove(temporaryName.c_str());
        temporaryName.clear();
    }
}
