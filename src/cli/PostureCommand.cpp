#include "cli/Commands.h"

#include "cli/FigureOptions.h"
#include "cli/JsonWriter.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"
#include "io/PostureFile.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli posture save OUT.pos [figure options]\n"
    "       tavrona-cli posture apply IN.pos [figure options]\n"
    "save: builds the figure (its --posture is the standard posture to store) and writes its\n"
    "joint state to a posture file. apply: builds the figure, poses it from the posture file\n"
    "and prints its joint angles as JSON. Figure options:\n";

int Usage(const char* problem) {
    std::fprintf(stderr, "tavrona-cli posture: %s\n%s%s", problem, kUsage, kFigureOptionsHelp);
    return 2;
}

void WriteJointAngles(const CMannequin& figure) {
    CJsonWriter json(10);
    json.BeginObject();
    json.BeginArray("joints");
    for (int j = 0; j < kSegmentCount; ++j) {
        json.BeginObject();
        json.String("segment", SegmentInfoOf(j).name);
        json.Triple("angles_deg", figure.GetSegment(j)->angles);
        json.Triple("upper_limits_deg", figure.GetSegment(j)->upperLimits);
        json.Triple("lower_limits_deg", figure.GetSegment(j)->lowerLimits);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
}

} // namespace

int RunPostureCommand(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--help") {
        std::printf("%s%s", kUsage, kFigureOptionsHelp);
        return 0;
    }
    if (argc < 3)
        return Usage("expected save or apply and a file");
    const std::string action = argv[1];
    const std::string path = argv[2];
    if (action != "save" && action != "apply")
        return Usage(("unknown action " + action).c_str());
    FigureChoice choice;
    for (int i = 3; i < argc; i += 2) {
        if (i + 1 >= argc)
            return Usage((std::string(argv[i]) + " needs a value").c_str());
        std::string error;
        const int taken = TakeFigureOption(argv[i], argv[i + 1], choice, error);
        if (taken != 1)
            return Usage(taken == 0 ? ("unknown option " + std::string(argv[i])).c_str()
                                    : error.c_str());
    }
    std::string error;
    if (!CheckFigureChoice(choice, error))
        return Usage(error.c_str());

    CStderrReporter reporter;
    const std::unique_ptr<CMannequin> figure = BuildChosenFigure(choice, reporter);
    if (!figure) {
        std::fprintf(stderr, "tavrona-cli posture: the figure could not be built\n");
        return 1;
    }
    CPosture posture;
    if (action == "save") {
        CapturePosture(*figure, posture);
        std::string failure;
        if (!WritePostureFile(posture, path, &failure)) {
            std::fprintf(stderr, "tavrona-cli posture: Failed to save file. (%s)\n",
                         failure.c_str());
            return 1;
        }
        return 0;
    }
    std::string failure;
    if (!ReadPostureFile(posture, path, &failure)) {
        std::fprintf(stderr, "tavrona-cli posture: Failed to read file. (%s)\n", failure.c_str());
        return 1;
    }
    ApplyPosture(*figure, posture);
    figure->UpdatePosture();
    WriteJointAngles(*figure);
    return 0;
}
