#include "cli/Commands.h"

#include "cli/FigureOptions.h"
#include "cli/JsonWriter.h"
#include "cli/NumberLists.h"
#include "cli/ScenePictures.h"
#include "core/BoundingBox.h"
#include "core/UserReporter.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli reach --hand left|right --target X,Y,Z [--direction DX,DY,DZ]\n"
    "                         [-o OUT.png [--view front|top|right|left|user]\n"
    "                         [--colours palette|natural]] [figure options]\n"
    "Builds the figure and reaches the target with the hand. Points are inches in the figure's\n"
    "own coordinates: origin midway between the hip joints, +y up, facing +z, left at +x.\n"
    "Without --direction the grip point goes to the target itself; with it, target and\n"
    "direction are a picking ray and the grip goes to the ray's point nearest to the hand.\n"
    "Prints reached, the chest bend, the grip point and every joint's angles as JSON; the\n"
    "exit status is 0 whether the point was reached or not. -o also draws the figure after\n"
    "the reach with a ball on the target (640x480 pixels, default view user), the figure in\n"
    "the segment palette (default) or in skin and clothing tones. Figure options:\n";

constexpr double kTargetBallRadius = 1.0; // in

int Usage(const std::string& problem) {
    std::fprintf(stderr, "tavrona-cli reach: %s\n%s%s", problem.c_str(), kUsage,
                 kFigureOptionsHelp);
    return 2;
}

void WriteReach(const CMannequin& figure, int hand, int reached) {
    const Matrix4 toFigure = Inverse(figure.transform);
    CJsonWriter json(10);
    json.BeginObject();
    json.Bool("reached", reached != 0);
    json.Number("chest_angle_deg", figure.GetSegment(kChest)->angles.x);
    json.Triple("grip_point_in", TransformPoint(toFigure, figure.GripPoint(hand)));
    json.BeginObject("angles_deg");
    for (int n = 0; n < kSegmentCount; ++n)
        json.Triple(SegmentInfoOf(n).name, figure.GetSegment(n)->angles);
    json.EndObject();
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
}

// The figure and a ball on the target (scene points), the camera taking in both.
bool DrawReach(CMannequin& figure, const Vec3& target, int view, int colourScheme,
               const std::string& path, CUserReporter& reporter) {
    CPolyface ball;
    ball.Build(kShapeSphere, {target, target + Vec3(kTargetBallRadius, 0, 0)});
    ball.colour = 0x0000FF; // red
    BoundingBox box;
    figure.CollectBounds(box);
    box.Extend(target - Vec3(2, 2, 2));
    box.Extend(target + Vec3(2, 2, 2));
    CScenePictures picture(640, 480, reporter);
    if (!picture.Begin(view, box.min, box.max))
        return false;
    picture.SetColourScheme(colourScheme);
    figure.AddToList(picture.Objects());
    ball.AddToList(picture.Objects());
    return picture.DrawTo(path);
}

} // namespace

int RunReachCommand(int argc, char** argv) {
    FigureChoice choice;
    int hand = -1;
    Vec3 target, direction;
    bool haveTarget = false, haveDirection = false;
    std::string picture;
    int view = VIEW_USER;
    int colourScheme = COLOURS_PALETTE;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            std::printf("%s%s", kUsage, kFigureOptionsHelp);
            return 0;
        }
        if (i + 1 >= argc)
            return Usage(name + " needs a value");
        const std::string value = argv[++i];
        if (name == "--hand") {
            if (value != "left" && value != "right")
                return Usage("bad value for --hand: \"" + value + "\" (left or right)");
            hand = value == "left" ? kLeftPalm : kRightPalm;
        } else if (name == "--target") {
            if (!(haveTarget = ParseTriple(value, target)))
                return Usage("bad value for --target: \"" + value + "\" (X,Y,Z in inches)");
        } else if (name == "--direction") {
            if (!(haveDirection = ParseTriple(value, direction)) || Length(direction) <= 0.0)
                return Usage("bad value for --direction: \"" + value + "\" (a non-zero DX,DY,DZ)");
        } else if (name == "-o" || name == "--output") {
            picture = value;
        } else if (name == "--view") {
            if (!FixedViewNamed(value, view))
                return Usage("bad value for --view: \"" + value + "\"");
        } else if (name == "--colours") {
            if ((colourScheme = ColourSchemeNamed(value)) < 0)
                return Usage("bad value for --colours: \"" + value + "\"");
        } else {
            std::string error;
            const int taken = TakeFigureOption(name, value, choice, error);
            if (taken != 1)
                return Usage(taken == 0 ? "unknown option " + name : error);
        }
    }
    if (hand < 0)
        return Usage("no hand (--hand left|right)");
    if (!haveTarget)
        return Usage("no target (--target X,Y,Z)");
    std::string error;
    if (!CheckFigureChoice(choice, error))
        return Usage(error);

    CStderrReporter reporter;
    const std::unique_ptr<CMannequin> figure = BuildChosenFigure(choice, reporter);
    if (!figure) {
        std::fprintf(stderr, "tavrona-cli reach: the figure could not be built\n");
        return 1;
    }
    figure->UpdatePosture();
    const Vec3 worldTarget = TransformPoint(figure->transform, target);
    int reached = 0;
    if (haveDirection) {
        reached = figure->Reach(hand, worldTarget, TransformDirection(figure->transform, direction),
                                reporter);
    } else {
        reached = figure->ReachPoint(hand, worldTarget);
        if (!reached)
            reporter.Message("Failed to Reach Point");
    }
    figure->UpdatePosture();
    WriteReach(*figure, hand, reached);
    if (!picture.empty()) {
        const Vec3 shown = haveDirection ? figure->GripPoint(hand) : worldTarget;
        if (!DrawReach(*figure, reached ? shown : worldTarget, view, colourScheme, picture,
                       reporter))
            return 1;
    }
    return 0;
}
