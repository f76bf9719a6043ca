#include "cli/Commands.h"

#include "anim/AviWriter.h"
#include "anim/PostureRecording.h"
#include "anim/RenderFrameSource.h"
#include "cli/JsonWriter.h"
#include "cli/NumberLists.h"
#include "cli/SceneInput.h"
#include "core/BoundingBox.h"
#include "core/GlobalSettings.h"
#include "core/SceneBounds.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "human/Posture.h"
#include "io/PostureFile.h"
#include "render/EglContext.h"
#include "render/GLRender.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli record SCENE.tvr -o OUT.avi|OUT.mp4 --initial-posture N|FILE.pos\n"
    "                          --final-posture N|FILE.pos [options]\n"
    "       tavrona-cli record SCENE.tvr -o OUT.avi|OUT.mp4 --walk X,Z;X,Z;... [options]\n"
    "Records off screen to a video file the transition of the scene's first figure from the\n"
    "initial to the final posture (11 frames at 10 frames per second), or its walk along a floor\n"
    "path in inches (a frame per step at 10 frames per second).\n"
    "  -o, --output OUT             the video file (.avi, or .mp4 for h264; added when missing)\n"
    "  --initial-posture N|FILE     a standard posture number (1..37) or a posture file\n"
    "  --final-posture N|FILE\n"
    "  --codec rgb|mjpeg|ffv1|h264  (default mjpeg)\n"
    "  --view front|top|right|left|user   (default front)\n"
    "  --colours palette|natural    figures in the segment palette (default) or in skin and\n"
    "                               clothing tones\n"
    "  --image WxH, --size WxH      pixels, each rounded down to a multiple of 4 (default "
    "800x600)\n";

// Margin left around the scene's extents.
constexpr double kMargin = 0.9;
// A walk longer than this many steps (over ten miles) is cut short.
constexpr int kMaxWalkFrames = 100000;

struct RecordOptions {
    std::string input;
    std::string output;
    std::string initialPosture;
    std::string finalPosture;
    std::vector<Vec3> walk; // floor path, empty for a posture transition
    VideoCodec codec = VideoCodec::Mjpeg;
    int view = VIEW_FRONT;
    int colourScheme = COLOURS_PALETTE;
    int width = 800;
    int height = 600;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "tavrona-cli record: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

// 0 when parsed, -1 after --help, else the exit status.
int ParseOptions(int argc, char** argv, RecordOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            std::fputs(kUsage, stdout);
            return -1;
        }
        if (name.empty() || name[0] != '-') {
            if (!options.input.empty())
                return Usage("more than one scene file");
            options.input = name;
            continue;
        }
        if (i + 1 >= argc)
            return Usage(name + " needs a value");
        const std::string value = argv[++i];
        if (name == "-o" || name == "--output") {
            options.output = value;
        } else if (name == "--initial-posture") {
            options.initialPosture = value;
        } else if (name == "--final-posture") {
            options.finalPosture = value;
        } else if (name == "--walk") {
            if (!ParseFloorPath(value, options.walk) || options.walk.size() < 2)
                return Usage("bad value for --walk: \"" + value + "\" (two X,Z points or more)");
        } else if (name == "--codec") {
            const VideoCodecInfo* info = FindVideoCodec(value);
            if (!info)
                return Usage("bad value for --codec: \"" + value + "\"");
            options.codec = info->codec;
        } else if (name == "--view") {
            options.view = WordIndex(value, {"front", "top", "right", "left", "user"});
            if (options.view < 0)
                return Usage("bad value for --view: \"" + value + "\"");
        } else if (name == "--colours") {
            if ((options.colourScheme = ColourSchemeNamed(value)) < 0)
                return Usage("bad value for --colours: \"" + value + "\"");
        } else if (name == "--image" || name == "--size") {
            // Recording takes no figure options: --size can only mean the frame size here.
            if (!ParseSize(value, options.width, options.height) || options.width < 4 ||
                options.height < 4)
                return Usage("bad value for " + name + ": \"" + value +
                             "\" (WxH in pixels, 4 or more)");
        } else {
            return Usage("unknown option " + name);
        }
    }
    if (options.input.empty())
        return Usage("no scene file");
    if (options.output.empty())
        return Usage("no output file (-o OUT.avi)");
    const bool transition = !options.initialPosture.empty() || !options.finalPosture.empty();
    if (transition == !options.walk.empty())
        return Usage("either --walk or both --initial-posture and --final-posture");
    if (transition && (options.initialPosture.empty() || options.finalPosture.empty()))
        return Usage("both --initial-posture and --final-posture are needed");
    return 0;
}

// A standard posture number, as the figure takes it, or a posture file. The figure keeps its
// own posture.
bool ReadPostureArgument(const std::string& text, CMannequin& figure, CPosture& posture) {
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() && *end == '\0') {
        CPosture own;
        CapturePosture(figure, own);
        const bool applied =
            number >= 1 && number <= 37 && figure.ApplyStandardPosture(static_cast<int>(number));
        if (applied)
            CapturePosture(figure, posture);
        ApplyPosture(figure, own);
        if (!applied)
            std::fprintf(stderr, "tavrona-cli record: no standard posture %s\n", text.c_str());
        return applied;
    }
    if (!ReadPostureFile(posture, text)) {
        std::fprintf(stderr, "tavrona-cli record: cannot read posture file %s\n", text.c_str());
        return false;
    }
    return true;
}

// The scene in both postures, so that no frame cuts the figure off.
BoundingBox TransitionExtent(CMannequin& figure, const CPosture& initial, const CPosture& final,
                             const CObjectList& objects) {
    BoundingBox both;
    for (double percent : {100.0, 0.0}) {
        InterpolatePosture(figure, percent, initial, final);
        figure.UpdatePosture();
        Vec3 min, max;
        SceneBounds(objects, min, max);
        both.Extend(min);
        both.Extend(max);
    }
    return both;
}

// The scene and the figure's box moved to every point of the path.
BoundingBox WalkExtent(const CMannequin& figure, const std::vector<Vec3>& path,
                       const CObjectList& objects) {
    Vec3 min, max;
    SceneBounds(objects, min, max);
    BoundingBox extent;
    extent.Extend(min);
    extent.Extend(max);
    const Vec3 centre = TranslationOf(figure.transform);
    for (const Vec3& point : path) {
        const Vec3 shift(point.x - centre.x, 0.0, point.z - centre.z);
        extent.Extend(min + shift);
        extent.Extend(max + shift);
    }
    return extent;
}

} // namespace

int RunRecordCommand(int argc, char** argv) {
    RecordOptions options;
    if (const int status = ParseOptions(argc, argv, options))
        return status < 0 ? 0 : status;
    if (!IsVideoCodecAvailable(options.codec)) {
        std::fprintf(stderr, "tavrona-cli record: this system has no %s encoder\n",
                     VideoCodecOf(options.codec).key);
        return 1;
    }

    CGlobalSettings settings;
    settings.colourScheme = options.colourScheme;
    CStderrReporter reporter;
    CommandScene scene;
    if (!ReadCommandScene("record", options.input, settings, reporter, scene))
        return 1;
    CMannequin* figure = FirstFigure(scene.objects);
    if (!figure) {
        std::fprintf(stderr, "tavrona-cli record: the scene holds no figure\n");
        return 1;
    }
    CPosture initial, final;
    if (options.walk.empty() && (!ReadPostureArgument(options.initialPosture, *figure, initial) ||
                                 !ReadPostureArgument(options.finalPosture, *figure, final)))
        return 1;

    CAviWriter writer(reporter);
    writer.codec = options.codec;
    writer.fileName = options.output;
    writer.EnsureExtension();
    writer.SetSize(options.width, options.height);

    CEglContext context(writer.Width(), writer.Height());
    CGLRender render(settings, reporter);
    if (!render.InitOffscreenRender(&context, nullptr, writer.Width(), writer.Height())) {
        std::fputs(kInitOpenGLFailed, stderr);
        return 1;
    }
    render.SetRenderMode(RENDER_SHADED);
    render.SetViewType(options.view);
    if (options.view == VIEW_USER)
        render.camera.SetUserVectors(Vec3(1, 1, 1), Vec3(0, 1, 0));
    const BoundingBox extent = options.walk.empty()
                                   ? TransitionExtent(*figure, initial, final, scene.objects)
                                   : WalkExtent(*figure, options.walk, scene.objects);
    if (render.ZoomToExtents(extent.min, extent.max))
        render.camera.zoom *= kMargin;

    const bool terminal = isatty(fileno(stderr));
    auto progress = [terminal](int done, int total) {
        if (terminal)
            std::fprintf(stderr, "\rRecording frame %d of %d", done, total);
        return true;
    };
    CRenderFrameSource source(render, scene.objects);
    RecordingResult result;
    if (options.walk.empty()) {
        result = RecordPostureTransition(*figure, initial, final, writer, source, progress);
    } else {
        writer.frameRate = CGlobalSettings().recordingSetting;
        figure->StartWalk(options.walk);
        auto step = [figure](int) {
            if (!figure->WalkStep())
                return false;
            figure->UpdatePosture();
            return true;
        };
        result = RecordFrames(kMaxWalkFrames, step, writer, source, progress);
        figure->EndWalk();
    }
    if (terminal)
        std::fputc('\n', stderr);
    if (result != RecordingResult::Recorded) {
        std::fprintf(stderr, "tavrona-cli record: no video was written\n");
        return 1;
    }
    CJsonWriter json;
    json.BeginObject();
    json.String("file", writer.fileName);
    json.Integer("frames", writer.frameCounter);
    json.Integer("frame_rate_fps", writer.frameRate);
    json.Integer("width_px", writer.Width());
    json.Integer("height_px", writer.Height());
    json.String("codec", VideoCodecOf(options.codec).key);
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
    return scene.damaged ? 1 : 0;
}
