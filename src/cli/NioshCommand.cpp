#include "cli/Commands.h"

#include "biomech/LiftMeasure.h"
#include "biomech/Niosh.h"
#include "cli/FigureOptions.h"
#include "cli/JsonWriter.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "io/PostureFile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli niosh [figure options] --initial-posture N|FILE.pos\n"
    "                         --final-posture N|FILE.pos [lift options] [--report]\n"
    "Evaluates the revised NIOSH lifting equation for a lift from the initial posture (the\n"
    "origin) to the final one (the destination) of the figure: the hands and feet are\n"
    "measured in both postures (N: standard posture 1..37; FILE.pos: a posture file). Any\n"
    "measured value can be given instead, and then no posture is needed for it. Lift options:\n"
    "  --h-origin IN --v-origin IN --h-destination IN --v-destination IN\n"
    "  --asymmetry-origin DEG --asymmetry-destination DEG   (default 0)\n"
    "  --frequency LIFTS_PER_MIN (default 0)   --duration HOURS (0..8, default 0)\n"
    "  --coupling good|fair|poor (default good)   --weight LB (default 0)\n"
    "Prints JSON (origin and destination: H, V, the multipliers, RWL and lifting index), or\n"
    "with --report the text the NIOSH dialog copies to the clipboard. Figure options:\n";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "tavrona-cli niosh: %s\n%s%s", problem.c_str(), kUsage,
                 kFigureOptionsHelp);
    return 2;
}

bool ParseFinite(const std::string& text, float& value) {
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value);
}

// A standard posture number or a posture file, taken on `figure`.
bool LoadPosture(CMannequin& figure, const std::string& which, CPosture& posture,
                 std::string& error) {
    char* end = nullptr;
    const long number = std::strtol(which.c_str(), &end, 10);
    if (!which.empty() && *end == '\0') {
        CPosture saved;
        CapturePosture(figure, saved);
        const bool ok = number >= 1 && figure.ApplyStandardPosture(static_cast<int>(number));
        CapturePosture(figure, posture);
        ApplyPosture(figure, saved);
        if (!ok)
            error = "no standard posture " + which;
        return ok;
    }
    if (!ReadPostureFile(posture, which)) {
        error = "Failed to read file. (" + which + ")";
        return false;
    }
    return true;
}

void WriteEnd(CJsonWriter& json, const char* key, const NioshEnd& end, float asymmetry) {
    json.BeginObject(key);
    json.Number("h_in", end.h);
    json.Number("v_in", end.v);
    json.Number("asymmetry_deg", asymmetry);
    json.Number("hm", end.hm);
    json.Number("vm", end.vm);
    json.Number("dm", end.dm);
    json.Number("am", end.am);
    json.Number("fm", end.fm);
    json.Number("cm", end.cm);
    json.Number("rwl_lb", end.rwl);
    if (end.liDefined)
        json.Number("li", end.li);
    else
        json.Null("li");
    json.EndObject();
}

const char* const kCouplingNames[3] = {"good", "fair", "poor"};

} // namespace

int RunNioshCommand(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--help") {
        std::printf("%s%s", kUsage, kFigureOptionsHelp);
        return 0;
    }
    FigureChoice choice;
    std::string initialPosture, finalPosture;
    bool report = false;
    NioshInputs inputs;
    const std::map<std::string, float*> fields = {
        {"--h-origin", &inputs.hOrigin},
        {"--v-origin", &inputs.vOrigin},
        {"--h-destination", &inputs.hDestination},
        {"--v-destination", &inputs.vDestination},
        {"--asymmetry-origin", &inputs.asymmetryOrigin},
        {"--asymmetry-destination", &inputs.asymmetryDestination},
        {"--frequency", &inputs.frequency},
        {"--duration", &inputs.duration},
        {"--weight", &inputs.weight}};
    std::map<std::string, float> given;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--report") {
            report = true;
            continue;
        }
        if (i + 1 >= argc)
            return Usage(option + " needs a value");
        const std::string value = argv[++i];
        float number = 0.0f;
        std::string error;
        if (option == "--initial-posture") {
            initialPosture = value;
        } else if (option == "--final-posture") {
            finalPosture = value;
        } else if (option == "--coupling") {
            int code = -1;
            for (int c = 0; c < 3; ++c)
                if (value == kCouplingNames[c])
                    code = c;
            if (code < 0)
                return Usage("--coupling must be good, fair or poor");
            inputs.coupling = code;
        } else if (fields.count(option)) {
            if (!ParseFinite(value, number))
                return Usage("bad number for " + option + ": " + value);
            if (option == "--duration" && (number < 0.0f || number > kNioshMaximumDuration))
                return Usage("--duration must be between 0 and 8 hours");
            given[option] = number;
        } else {
            const int taken = TakeFigureOption(option, value, choice, error);
            if (taken != 1)
                return Usage(taken == 0 ? "unknown option " + option : error);
        }
    }
    std::string error;
    if (!CheckFigureChoice(choice, error))
        return Usage(error);
    const bool measured = !(given.count("--h-origin") && given.count("--v-origin") &&
                            given.count("--h-destination") && given.count("--v-destination"));
    if (measured) {
        if (initialPosture.empty() || finalPosture.empty())
            return Usage("Please set initial and final postures first. (--initial-posture and "
                         "--final-posture, or all of --h-origin, --v-origin, --h-destination "
                         "and --v-destination)");
        CStderrReporter reporter;
        const std::unique_ptr<CMannequin> figure = BuildChosenFigure(choice, reporter);
        if (!figure) {
            std::fprintf(stderr, "tavrona-cli niosh: the figure could not be built\n");
            return 1;
        }
        CPosture initial, final;
        if (!LoadPosture(*figure, initialPosture, initial, error) ||
            !LoadPosture(*figure, finalPosture, final, error)) {
            std::fprintf(stderr, "tavrona-cli niosh: %s\n", error.c_str());
            return 1;
        }
        MeasureLift(*figure, initial, final, inputs);
    }
    for (const auto& [option, value] : given)
        *fields.at(option) = value;
    const NioshResult result = ComputeNiosh(inputs);
    if (report) {
        std::fputs(NioshReportText(inputs, result).c_str(), stdout);
        return 0;
    }
    CJsonWriter json(7);
    json.BeginObject();
    json.Number("weight_lb", inputs.weight);
    json.Number("frequency_lifts_per_min", inputs.frequency);
    json.Number("duration_h", inputs.duration);
    json.String("coupling", kCouplingNames[inputs.coupling]);
    WriteEnd(json, "origin", result.origin, inputs.asymmetryOrigin);
    WriteEnd(json, "destination", result.destination, inputs.asymmetryDestination);
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
    return 0;
}
