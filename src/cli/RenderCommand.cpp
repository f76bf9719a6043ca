#include "cli/Commands.h"

#include "anthro/AnthropometryDialogs.h"
#include "anthro/PopulationTables.h"
#include "cli/FigureOptions.h"
#include "cli/SceneInput.h"
#include "core/BoundingBox.h"
#include "core/DataDirectory.h"
#include "core/GlobalSettings.h"
#include "core/ObjectList.h"
#include "core/SceneBounds.h"
#include "core/UserReporter.h"
#include "human/EyePoints.h"
#include "human/Mannequin.h"
#include "render/EglContext.h"
#include "render/GLRender.h"
#include "render/Image.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli render [IN.tvr] -o OUT.png [options]\n"
    "Renders a scene file, or without one a single figure built from the figure options as\n"
    "New Mannequin builds it (standing on the floor), off screen to a PNG picture zoomed to\n"
    "the scene's extents.\n"
    "  -o, --output OUT.png\n"
    "  --view front|top|left|right|user|eye|orbit   (default front; eye: the first figure's eyes)\n"
    "  --mode wireframe|hidden|shaded               (default shaded)\n"
    "  --image WxH                                  pixels (default 1280x720)\n"
    "  --floor                                      draw the floor\n"
    "  --axes                                       draw the scene referential\n"
    "  --colours palette|natural                    figures in the segment palette (default) or\n"
    "                                               in skin and clothing tones, softly lit\n"
    "  --cone optimum|maximum                       show every figure's view cones\n"
    "  --range LIMB[,LIMB...]                       show every figure's range volumes of\n"
    "                                               left-hand, right-hand, left-leg, right-leg\n"
    "figure options:\n";

// Part of the view left free around the scene's extents.
constexpr double kMargin = 0.9;

struct RenderOptions {
    std::string input;
    std::string output;
    int view = VIEW_FRONT;
    int mode = RENDER_SHADED;
    int width = 1280;
    int height = 720;
    bool floor = false;
    bool axes = false;
    int colourScheme = COLOURS_PALETTE;
    int viewCone = kViewConeNone;
    std::vector<int> rangeVolumes; // RangeVolumeNumber
    FigureChoice figure;
    bool figureOptionGiven = false;
};

// "left-hand,right-leg" -> range volume numbers; false on an unknown or empty name.
bool ParseRangeVolumes(const std::string& text, std::vector<int>& numbers) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        // In RangeVolumeNumber order.
        const int number = WordIndex(text.substr(start, comma - start),
                                     {"left-hand", "right-hand", "left-leg", "right-leg"});
        if (number < 0)
            return false;
        numbers.push_back(number);
        start = comma + 1;
    }
    return true;
}

// 0 when parsed, else the exit status (2 bad usage, 0 after --help).
int ParseOptions(int argc, char** argv, RenderOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            std::printf("%s%s", kUsage, kFigureOptionsHelp);
            return -1;
        }
        if (name == "--floor") {
            options.floor = true;
            continue;
        }
        if (name == "--axes") {
            options.axes = true;
            continue;
        }
        if (name.empty() || name[0] != '-') {
            if (!options.input.empty()) {
                std::fprintf(stderr, "tavrona-cli render: more than one input file\n");
                return 2;
            }
            options.input = name;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "tavrona-cli render: %s needs a value\n", name.c_str());
            return 2;
        }
        const std::string value = argv[++i];
        std::string error;
        if (name == "-o" || name == "--output") {
            options.output = value;
        } else if (name == "--view") {
            // In ViewType order from front.
            const int view =
                WordIndex(value, {"front", "top", "right", "left", "user", "eye", "orbit"});
            if (view < 0)
                error = "bad value for --view: \"" + value + "\"";
            options.view = view;
        } else if (name == "--mode") {
            options.mode = WordIndex(value, {"wireframe", "hidden", "shaded"});
            if (options.mode < 0)
                error = "bad value for --mode: \"" + value + "\"";
        } else if (name == "--colours") {
            options.colourScheme = ColourSchemeNamed(value);
            if (options.colourScheme < 0)
                error = "bad value for --colours: \"" + value + "\"";
        } else if (name == "--cone") {
            options.viewCone = 1 + WordIndex(value, {"optimum", "maximum"});
            if (options.viewCone == kViewConeNone)
                error = "bad value for --cone: \"" + value + "\"";
        } else if (name == "--range") {
            if (!ParseRangeVolumes(value, options.rangeVolumes))
                error = "bad value for --range: \"" + value + "\"";
        } else if (name == "--image") {
            if (!ParseSize(value, options.width, options.height))
                error = "bad value for --image: \"" + value + "\" (WxH in pixels)";
        } else if (name == "--size" && value.find_first_of("xX") != std::string::npos) {
            // --size is the figure's size row here as everywhere.
            error =
                "--size is the figure's size row; give the picture's pixels with --image " + value;
        } else {
            const int taken = TakeFigureOption(name, value, options.figure, error);
            if (taken == 0)
                error = "unknown option " + name;
            options.figureOptionGiven |= taken == 1;
        }
        if (!error.empty()) {
            std::fprintf(stderr, "tavrona-cli render: %s\n", error.c_str());
            return 2;
        }
    }
    std::string error;
    if (options.output.empty())
        error = "no output file (-o OUT.png)";
    else if (!options.input.empty() && options.figureOptionGiven)
        error = "figure options go without an input file";
    else if (options.input.empty())
        CheckFigureChoice(options.figure, error);
    if (!error.empty()) {
        std::fprintf(stderr, "tavrona-cli render: %s\n%s%s", error.c_str(), kUsage,
                     kFigureOptionsHelp);
        return 2;
    }
    return 0;
}

bool LoadScene(const RenderOptions& options, const CGlobalSettings& settings,
               CUserReporter& reporter, CommandScene& scene) {
    if (!options.input.empty())
        return ReadCommandScene("render", options.input, settings, reporter, scene);
    const FigureChoice& c = options.figure;
    const CAnthropometryContext context{reporter};
    auto figure =
        std::make_unique<CMannequin>(c.representation, c.sex, c.childTable, c.sizeRow, c.bodyType,
                                     c.population, c.posture, c.facing, kSizeAutomatic, context);
    if (!figure->valid) {
        std::fprintf(stderr, "tavrona-cli render: the figure could not be built from %s\n",
                     DataDirectory().c_str());
        return false;
    }
    figure->settings = &settings;
    figure->UpdatePosture();
    // Stand the figure on the floor (its origin is between the hip joints).
    BoundingBox box;
    figure->CollectBounds(box);
    if (box.valid) {
        figure->transform = Translation(Vec3(0.0, -box.min.y, 0.0)) * figure->transform;
        figure->UpdatePosture();
    }
    figure->AddToList(scene.objects);
    scene.owned.push_back(figure.release());
    return true;
}

// Shows the chosen view cones and range volumes on every figure of the scene and widens the
// scene's bounds to take them in.
void ShowAnalysisShapes(const RenderOptions& options, const CObjectList& objects, Vec3& min,
                        Vec3& max) {
    BoundingBox box;
    box.Extend(min);
    box.Extend(max);
    for (CSceneObject* object : objects) {
        if (object->type != kTypeMannequin)
            continue;
        auto* figure = static_cast<CMannequin*>(object);
        if (options.viewCone != kViewConeNone)
            figure->ShowViewCone(options.viewCone);
        for (int number : options.rangeVolumes)
            figure->ShowRangeVolume(number);
        for (const auto& cone : figure->viewCones)
            if (cone && options.view != VIEW_EYE)
                cone->ExtendBounds(box, Matrix4(true));
        for (const auto& volume : figure->rangeVolumes)
            if (volume)
                volume->ExtendBounds(box, Matrix4(true));
    }
    min = box.min;
    max = box.max;
}

} // namespace

int RunRenderCommand(int argc, char** argv) {
    RenderOptions options;
    if (const int status = ParseOptions(argc, argv, options))
        return status < 0 ? 0 : status;

    CGlobalSettings settings;
    settings.showSceneFloor = options.floor;
    settings.showSceneReferential = options.axes;
    settings.colourScheme = options.colourScheme;
    CStderrReporter reporter;
    CommandScene scene;
    if (!LoadScene(options, settings, reporter, scene))
        return 1;

    CEglContext context(options.width, options.height);
    CGLRender render(settings, reporter); // reports a failed context as "Trace : ..."
    if (!render.InitOffscreenRender(&context, nullptr, options.width, options.height)) {
        std::fputs(kInitOpenGLFailed, stderr);
        return 1;
    }
    render.SetRenderMode(options.mode);
    if (options.view == VIEW_EYE) {
        const CMannequin* figure = FirstFigure(scene.objects);
        Vec3 eye, target, up;
        if (!figure || !EyePoints(*figure, eye, target, up)) {
            std::fprintf(stderr, "tavrona-cli render: the eye view needs a figure with eyes\n");
            return 1;
        }
        render.camera.SetEyePoints(eye, target, up);
    }
    render.SetViewType(options.view);
    if (options.view == VIEW_USER)
        render.camera.SetUserVectors(Vec3(1, 1, 1), Vec3(0, 1, 0)); // the User View defaults

    Vec3 min, max;
    SceneBounds(scene.objects, min, max);
    ShowAnalysisShapes(options, scene.objects, min, max);
    if (render.ZoomToExtents(min, max))
        render.camera.zoom *= kMargin;
    else
        std::fprintf(stderr, "tavrona-cli render: %s\n", render.message);
    if (options.view == VIEW_EYE && !render.SetupStencil())
        return 1;

    CImage image;
    if (!render.RenderObjectList(scene.objects, PICK_NONE, 1, 0) || !render.ReadImage(image)) {
        std::fprintf(stderr, "tavrona-cli render: %s\n",
                     render.message ? render.message : "no frame");
        return 1;
    }
    std::string failure;
    if (!WritePng(image, options.output, &failure)) {
        std::fprintf(stderr, "tavrona-cli render: cannot write %s\n",
                     failure.empty() ? options.output.c_str() : failure.c_str());
        return 1;
    }
    return scene.damaged ? 1 : 0;
}
