#include "cli/Commands.h"

#include "anthro/Anthropometry.h"
#include "cli/FigureOptions.h"
#include "cli/JsonWriter.h"
#include "core/DataDirectory.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "human/Representation.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli mannequin [options] [--table]\n"
    "Builds a figure from the data directory as New Mannequin does and prints its\n"
    "anthropometry and the mass properties and joint angles of its 16 main segments\n"
    "(JSON, or a readable table with --table). Options:\n";

void WriteJson(const CMannequin& figure, const FigureChoice& choice) {
    const CAnthropometry& a = figure.anthropometry;
    CJsonWriter json(7); // the record and the mass properties are single precision
    json.BeginObject();
    json.BeginObject("anthropometry");
    json.Integer("population", a.population);
    json.String("population_name", PopulationDisplayName(a.population));
    json.String("sex", a.gender == kMale ? "male" : "female");
    json.Integer("size_row", a.sizeRow);
    json.String("size_label", SizeRowLabel(a.sizeRow));
    json.Integer("child_table", a.childTable);
    json.String("age", AgeLabel(a.population));
    json.String("body_type", BodyTypeName(a.bodyType));
    json.Number("stature_cm", a.stature);
    json.Number("weight_kg", a.weight);
    json.BeginArray("scales");
    for (int i = 0; i < kScaledSegmentCount; ++i) {
        json.BeginObject();
        json.String("name", SegmentInfoOf(i).name);
        json.Triple("scale", a.scale[i]);
        json.Triple("dimensions_cm", a.GetSegmentDimensions(i));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    json.String("representation", RepresentationName(figure.representation));
    json.Integer("posture", choice.posture);
    json.String("facing", FacingName(choice.facing));
    double total = 0.0;
    for (int i = 0; i < kMainSegmentCount; ++i)
        total += figure.GetSegment(i)->mass;
    json.Number("total_mass_lb", total);
    json.BeginArray("segments");
    for (int i = 0; i < kMainSegmentCount; ++i) {
        const CBodyPart& s = *figure.GetSegment(i);
        json.BeginObject();
        json.Integer("index", i);
        json.String("name", SegmentInfoOf(i).name);
        json.Number("mass_lb", s.mass);
        json.Number("volume_in3", s.volume);
        json.Triple("inertia_lb_in2", s.inertia);
        json.Triple("mass_centre_in", s.massCentre);
        json.Triple("angles_deg", s.angles);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
}

void WriteTable(const CMannequin& figure, const FigureChoice& choice) {
    const CAnthropometry& a = figure.anthropometry;
    std::printf("Population     %s (%d)\n", PopulationDisplayName(a.population), a.population);
    std::printf("Sex            %s\n", a.gender == kMale ? "male" : "female");
    std::printf("Size           %s\n",
                a.sizeRow == kCustomSizeRow ? "custom" : SizeRowLabel(a.sizeRow));
    std::printf("Age            %s\n", AgeLabel(a.population));
    std::printf("Body type      %s\n", BodyTypeName(a.bodyType));
    std::printf("Figure         %s, posture %d, facing %s\n",
                RepresentationName(figure.representation), choice.posture,
                FacingName(choice.facing));
    std::printf("Stature        %.2f cm\n", a.stature);
    std::printf("Weight         %.2f kg\n\n", a.weight);

    std::printf("%-8s %7s %7s %7s  %8s %8s %8s\n", "Segment", "scale x", "y", "z", "width cm",
                "length", "depth");
    for (int i = 0; i < kScaledSegmentCount; ++i) {
        const Vec3 d = a.GetSegmentDimensions(i);
        std::printf("%-8s %7.4f %7.4f %7.4f  %8.2f %8.2f %8.2f\n", SegmentInfoOf(i).name,
                    a.scale[i].x, a.scale[i].y, a.scale[i].z, d.x, d.y, d.z);
    }

    std::printf("\n%-8s %8s %9s  %-26s %-23s %s\n", "Segment", "mass lb", "vol in3",
                "inertia x, y, z lb.in2", "mass centre x, y, z in", "angles x, y, z deg");
    double total = 0.0;
    for (int i = 0; i < kMainSegmentCount; ++i) {
        const CBodyPart& s = *figure.GetSegment(i);
        total += s.mass;
        std::printf("%-8s %8.3f %9.2f  %8.2f %8.2f %8.2f  %7.2f %7.2f %7.2f  %6.1f %6.1f %6.1f\n",
                    SegmentInfoOf(i).name, s.mass, s.volume, s.inertia.x, s.inertia.y, s.inertia.z,
                    s.massCentre.x, s.massCentre.y, s.massCentre.z, s.angles.x, s.angles.y,
                    s.angles.z);
    }
    std::printf("%-8s %8.3f\n", "Total", total);
}

} // namespace

int RunMannequinCommand(int argc, char** argv) {
    FigureChoice choice;
    bool table = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            std::printf("%s%s  --table                   print a table instead of JSON\n", kUsage,
                        kFigureOptionsHelp);
            return 0;
        }
        if (name == "--table") {
            table = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "tavrona-cli mannequin: %s needs a value\n", name.c_str());
            return 2;
        }
        std::string error;
        const int taken = TakeFigureOption(name, argv[++i], choice, error);
        if (taken == 0)
            error = "unknown option " + name;
        if (taken != 1) {
            std::fprintf(stderr, "tavrona-cli mannequin: %s\n%s%s", error.c_str(), kUsage,
                         kFigureOptionsHelp);
            return 2;
        }
    }
    std::string error;
    if (!CheckFigureChoice(choice, error)) {
        std::fprintf(stderr, "tavrona-cli mannequin: %s\n", error.c_str());
        return 2;
    }

    CStderrReporter reporter;
    const std::unique_ptr<CMannequin> figure = BuildChosenFigure(choice, reporter);
    if (!figure) {
        std::fprintf(stderr, "tavrona-cli mannequin: the figure could not be built from %s\n",
                     DataDirectory().c_str());
        return 1;
    }
    if (reporter.MessageCount() > 0) {
        // Built, but without what a data file should have given (masses, for one).
        std::fprintf(stderr, "tavrona-cli mannequin: the figure is incomplete\n");
        return 1;
    }
    if (table)
        WriteTable(*figure, choice);
    else
        WriteJson(*figure, choice);
    return 0;
}
