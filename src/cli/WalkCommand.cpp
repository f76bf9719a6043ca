#include "cli/Commands.h"

#include "cli/FigureOptions.h"
#include "cli/JsonWriter.h"
#include "cli/NumberLists.h"
#include "cli/ScenePictures.h"
#include "core/BoundingBox.h"
#include "core/MathConstants.h"
#include "core/UserReporter.h"
#include "draw/Polyline.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli walk --path X,Z;X,Z;... [--steps N] [-o DIR | --sheet OUT.png]\n"
    "                        [--image WxH] [--view front|top|right|left|user] [figure options]\n"
    "Builds the figure and walks it along the floor path (inches), one 6 in stride and one\n"
    "frame of the gait cycle of walk.dat per step, for N steps or to the end of the path.\n"
    "Prints every step's placement, heading and the 16 main joints' angles as JSON.\n"
    "  -o DIR         one picture per step, DIR/step-001.png ...\n"
    "  --sheet FILE   a contact sheet of all the steps in one picture\n"
    "  --image WxH    pixels of each picture or sheet cell (default 480x360)\n"
    "  --view NAME    camera of the pictures (default user), the same for every step\n"
    "  --colours palette|natural   the figure in the segment palette (default) or in skin\n"
    "                 and clothing tones\n"
    "figure options:\n";

// A walk longer than this (over a mile) is cut short, with a note: such a path is a typing
// error. A contact sheet holds at most kMaxSheetCells pictures.
constexpr int kMaxSteps = 10000;
constexpr int kMaxSheetCells = 400;
constexpr int kMaxPictureSide = 4096;

struct WalkOptions {
    std::vector<Vec3> path;
    int steps = -1; // to the end of the path
    std::string folder;
    std::string sheet;
    int width = 480;
    int height = 360;
    int view = VIEW_USER;
    int colourScheme = COLOURS_PALETTE;
    FigureChoice figure;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "tavrona-cli walk: %s\n%s%s", problem.c_str(), kUsage, kFigureOptionsHelp);
    return 2;
}

bool ParseCount(const std::string& text, int low, int high, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParsePictureSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string::npos && ParseCount(text.substr(0, x), 16, kMaxPictureSide, width) &&
           ParseCount(text.substr(x + 1), 16, kMaxPictureSide, height);
}

// -1 after --help, 0 when parsed, else 2.
int ParseOptions(int argc, char** argv, WalkOptions& options) {
    bool havePath = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            std::printf("%s%s", kUsage, kFigureOptionsHelp);
            return -1;
        }
        if (i + 1 >= argc)
            return Usage(name + " needs a value");
        const std::string value = argv[++i];
        bool ok = true;
        if (name == "--path")
            ok = havePath = ParseFloorPath(value, options.path);
        else if (name == "--steps")
            ok = ParseCount(value, 0, kMaxSteps, options.steps);
        else if (name == "-o" || name == "--output")
            options.folder = value;
        else if (name == "--sheet")
            options.sheet = value;
        else if (name == "--image")
            ok = ParsePictureSize(value, options.width, options.height);
        else if (name == "--size" && value.find_first_of("xX") != std::string::npos)
            return Usage(
                "--size is the figure's size row; give the picture's pixels with --image " + value);
        else if (name == "--view")
            ok = FixedViewNamed(value, options.view);
        else if (name == "--colours")
            ok = (options.colourScheme = ColourSchemeNamed(value)) >= 0;
        else {
            std::string error;
            const int taken = TakeFigureOption(name, value, options.figure, error);
            if (taken != 1)
                return Usage(taken == 0 ? "unknown option " + name : error);
        }
        if (!ok)
            return Usage("bad value for " + name + ": \"" + value + "\"");
    }
    std::string error;
    if (!havePath)
        return Usage("no path (--path X,Z;X,Z;...)");
    if (!options.folder.empty() && !options.sheet.empty())
        return Usage("-o and --sheet go one at a time");
    if (!CheckFigureChoice(options.figure, error))
        return Usage(error);
    return 0;
}

// Steps the walk will take: a copy of the figure walks the path.
int CountSteps(const CMannequin& figure, const WalkOptions& options) {
    CMannequin copy(figure, false);
    copy.StartWalk(options.path);
    int count = 0;
    while ((options.steps < 0 || count < options.steps) && count < kMaxSteps && copy.WalkStep())
        ++count;
    return count;
}

// Copies `cell` into the sheet at column, row, with a one-pixel grey frame.
void PlaceCell(CImage& sheet, const CImage& cell, int column, int row) {
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) {
            const bool frame = x == 0 || y == 0;
            const std::size_t to =
                3 * (static_cast<std::size_t>(row * cell.height + y) * sheet.width +
                     column * cell.width + x);
            const std::size_t from = 3 * (static_cast<std::size_t>(y) * cell.width + x);
            for (int c = 0; c < 3; ++c)
                sheet.rgb[to + c] = frame ? 128 : cell.rgb[from + c];
        }
}

void WriteStep(CJsonWriter& json, const CMannequin& figure, int step) {
    const Matrix4& t = figure.transform;
    json.BeginObject();
    json.Integer("step", step);
    json.Triple("position_in", TranslationOf(t));
    json.Number("heading_deg", std::atan2(t(0, 2), t(0, 0)) * tav::kRadToDeg);
    json.BeginObject("angles_deg");
    for (int n = 0; n < kMainSegmentCount; ++n)
        json.Triple(SegmentInfoOf(n).name, figure.GetSegment(n)->angles);
    json.EndObject();
    json.EndObject();
}

} // namespace

int RunWalkCommand(int argc, char** argv) {
    WalkOptions options;
    if (const int status = ParseOptions(argc, argv, options))
        return status < 0 ? 0 : status;

    CStderrReporter reporter;
    std::unique_ptr<CMannequin> figure = BuildChosenFigure(options.figure, reporter);
    if (!figure) {
        std::fprintf(stderr, "tavrona-cli walk: the figure could not be built\n");
        return 1;
    }
    figure->UpdatePosture();
    const int count = CountSteps(*figure, options);
    if (count == kMaxSteps && options.steps < kMaxSteps)
        std::fprintf(stderr, "tavrona-cli walk: the walk is cut short after %d steps\n", kMaxSteps);
    const bool pictures = !options.folder.empty() || !options.sheet.empty();
    if (!options.sheet.empty() && (count == 0 || count > kMaxSheetCells)) {
        std::fprintf(stderr, "tavrona-cli walk: a contact sheet takes 1 to %d steps, not %d\n",
                     kMaxSheetCells, count);
        return 2;
    }
    if (!options.folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(options.folder, error);
        if (!std::filesystem::is_directory(options.folder)) {
            std::fprintf(stderr, "tavrona-cli walk: cannot make folder %s\n",
                         options.folder.c_str());
            return 1;
        }
    }

    // One camera for every step, taking in the figure anywhere on the path, which lies on the
    // floor under its feet.
    CPolyline pathLine;
    std::unique_ptr<CScenePictures> camera;
    if (pictures) {
        BoundingBox figureBox, box;
        figure->CollectBounds(figureBox);
        std::vector<Vec3> floor = options.path;
        for (Vec3& p : floor) {
            box.Extend(figureBox.min + Vec3(p.x, 0, p.z));
            box.Extend(figureBox.max + Vec3(p.x, 0, p.z));
            p.y = figureBox.min.y;
        }
        pathLine.Build(1, floor);
        pathLine.colour = 0x0000FF; // red
        camera = std::make_unique<CScenePictures>(options.width, options.height, reporter);
        if (!camera->Begin(options.view, box.min, box.max))
            return 1;
        camera->SetColourScheme(options.colourScheme);
        pathLine.AddToList(camera->Objects());
        figure->AddToList(camera->Objects());
    }
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    CImage sheet;
    if (!options.sheet.empty()) {
        sheet.width = columns * options.width;
        sheet.height = (count + columns - 1) / columns * options.height;
        sheet.rgb.assign(static_cast<std::size_t>(sheet.width) * sheet.height * 3, 255);
    }

    CJsonWriter json(10);
    json.BeginObject();
    json.BeginArray("steps");
    figure->StartWalk(options.path);
    for (int step = 0; step < count && figure->WalkStep(); ++step) {
        figure->UpdatePosture();
        WriteStep(json, *figure, step + 1);
        if (!camera)
            continue;
        CImage image;
        if (!camera->Draw(image))
            return 1;
        if (!options.sheet.empty()) {
            PlaceCell(sheet, image, step % columns, step / columns);
            continue;
        }
        char name[32];
        std::snprintf(name, sizeof name, "step-%03d.png", step + 1);
        const std::string path = (std::filesystem::path(options.folder) / name).string();
        if (!WritePng(image, path)) {
            std::fprintf(stderr, "tavrona-cli walk: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    json.EndArray();
    json.EndObject();
    if (!options.sheet.empty() && !WritePng(sheet, options.sheet)) {
        std::fprintf(stderr, "tavrona-cli walk: cannot write %s\n", options.sheet.c_str());
        return 1;
    }
    std::fputs(json.Text().c_str(), stdout);
    return 0;
}
