#include "cli/Commands.h"

#include "biomech/Force.h"
#include "cli/FigureOptions.h"
#include "cli/JsonWriter.h"
#include "core/ObjectList.h"
#include "core/UserReporter.h"
#include "core/ValueChecks.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"
#include "human/JointAngles.h"
#include "human/Mannequin.h"
#include "human/Representation.h"
#include "human/SegmentTable.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string HexColour(int colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text;
}

// Owns what a scene file read into a list.
struct Scene {
    CObjectList list;
    ~Scene() { DeleteTopLevelObjects(list); }
};

void WriteFigure(CJsonWriter& json, const CMannequin& figure) {
    const CAnthropometry& a = figure.anthropometry;
    json.Integer("population", a.population);
    json.String("age", AgeLabel(a.population));
    json.String("figure", RepresentationName(figure.representation));
    json.String("sex", a.gender == kMale ? "male" : "female");
    json.Integer("size_row", a.sizeRow);
    json.Number("stature_cm", a.stature);
    json.Number("weight_kg", a.weight);
    json.Triple("position_in", TranslationOf(figure.transform));
    // The placement's rotation as RotationX * RotationZ * RotationY angles.
    json.Triple("rotation_deg", DecomposeJointRotation(figure.transform));
    json.BeginArray("joints");
    for (int j = 0; j < kSegmentCount; ++j) {
        json.BeginObject();
        json.String("segment", SegmentInfoOf(j).name);
        json.Triple("angles_deg", figure.GetSegment(j)->angles);
        json.EndObject();
    }
    json.EndArray();
    json.BeginArray("forces");
    for (const CForce* f : figure.forces) {
        json.BeginObject();
        json.String("segment", SegmentInfoOf(f->segment).name);
        json.String("kind", f->IsFootPrediction() ? "foot prediction" : "external");
        json.Triple("location_in", f->location);
        json.Triple("force_lbf", f->force);
        json.Triple("torque_lbf_in", f->torque);
        json.EndObject();
    }
    json.EndArray();
}

// Comma-separated numbers, each finite and within the scene's reach; false unless there are
// exactly `count` (or, with count 0, at least six and a multiple of three).
bool ParseNumbers(const std::string& text, std::size_t count, std::vector<double>& values) {
    values.clear();
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        char* end = nullptr;
        const double v = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != '\0' || !IsFiniteWithin(v, kMaxCoordinate))
            return false;
        values.push_back(v);
    }
    return count ? values.size() == count : values.size() >= 6 && values.size() % 3 == 0;
}

// "--mannequin population=1,sex=male,size=2,posture=1,x=0,z=0": the figure options by name,
// and x, z (in) of its place on the floor.
std::unique_ptr<CMannequin> FigureFromOptions(const std::string& options, CUserReporter& reporter,
                                              std::string& error) {
    FigureChoice choice;
    Vec3 place;
    std::stringstream in(options);
    std::string item;
    while (std::getline(in, item, ',')) {
        const std::size_t equals = item.find('=');
        if (equals == std::string::npos) {
            error = "expected key=value in " + item;
            return nullptr;
        }
        const std::string key = item.substr(0, equals), value = item.substr(equals + 1);
        if (key == "x" || key == "y" || key == "z") {
            std::vector<double> v;
            if (!ParseNumbers(value, 1, v)) {
                error = "bad coordinate " + item;
                return nullptr;
            }
            place[key[0] - 'x'] = v[0];
            continue;
        }
        const int taken = TakeFigureOption("--" + key, value, choice, error);
        if (taken == 0)
            error = "unknown mannequin key " + key;
        if (taken != 1)
            return nullptr;
    }
    if (!CheckFigureChoice(choice, error))
        return nullptr;
    std::unique_ptr<CMannequin> figure = BuildChosenFigure(choice, reporter);
    if (!figure) {
        error = "the figure could not be built";
        return nullptr;
    }
    figure->transform = Translation(place) * figure->transform;
    figure->UpdatePosture();
    return figure;
}

// "--force segment=RPALM,x=0,y=-2,z=0,fy=-20": a load on a main segment of `figure`, located
// in the segment's frame (in; its mass centre unless x, y and z are given), force fx, fy, fz
// (lbf) and torque tx, ty, tz (lbf.in) in that frame.
CForce* ForceFromOptions(const std::string& options, CMannequin& figure, std::string& error) {
    int segment = -1;
    Vec3 location, force, torque;
    bool located[3] = {};
    std::stringstream in(options);
    std::string item;
    while (std::getline(in, item, ',')) {
        const std::size_t equals = item.find('=');
        const std::string key = item.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : item.substr(equals + 1);
        if (key == "segment") {
            for (int s = 0; s < kMainSegmentCount; ++s)
                if (value == SegmentInfoOf(s).name)
                    segment = s;
            if (segment < 0) {
                error = "--force: segment must be a main segment name (CHEST .. HEAD): " + value;
                return nullptr;
            }
            continue;
        }
        std::vector<double> v;
        if (key.size() == 1 && key[0] >= 'x' && key[0] <= 'z' && ParseNumbers(value, 1, v)) {
            location[key[0] - 'x'] = v[0];
            located[key[0] - 'x'] = true;
        } else if (key.size() == 2 && (key[0] == 'f' || key[0] == 't') && key[1] >= 'x' &&
                   key[1] <= 'z' && ParseNumbers(value, 1, v)) {
            (key[0] == 'f' ? force : torque)[key[1] - 'x'] = v[0];
        } else {
            error = "--force: bad item " + item;
            return nullptr;
        }
    }
    if (segment < 0) {
        error = "--force needs segment=NAME";
        return nullptr;
    }
    if (!located[0] && !located[1] && !located[2])
        location = figure.GetSegment(segment)->massCentre;
    else if (!(located[0] && located[1] && located[2])) {
        error = "--force: give all of x, y and z, or none (the mass centre)";
        return nullptr;
    }
    return figure.AddForce(segment, kForceExternal, location, force, torque, nullptr, false);
}

// The last figure of the list; null when there is none.
CMannequin* LastFigure(const CObjectList& list) {
    CMannequin* last = nullptr;
    for (CSceneObject* o : list)
        if (o->type == kTypeMannequin)
            last = static_cast<CMannequin*>(o);
    return last;
}

constexpr const char* kSceneUsage =
    "usage: tavrona-cli scene OUT.tvr [objects]\n"
    "Builds a scene and saves it. Repeatable objects:\n"
    "  --mannequin key=value,...   population, sex, size, age, body, figure, posture, facing\n"
    "                              (as for tavrona-cli mannequin) and x, z: place (in)\n"
    "  --box x1,y1,z1,x2,y2,z2     a box between two corners (in)\n"
    "  --sphere x,y,z,r            a sphere (in)\n"
    "  --line x1,y1,z1,x2,y2,z2,...  a polyline through the points (in)\n"
    "  --text x,y,z,TEXT           outline text with its top-left corner at the point\n"
    "Loads on the last --mannequin:\n"
    "  --force segment=NAME[,x=..,y=..,z=..][,fx=..,fy=..,fz=..][,tx=..,ty=..,tz=..]\n"
    "                              a load on main segment NAME (CHEST .. HEAD): location in\n"
    "                              the segment's frame (in; default its mass centre), force\n"
    "                              (lbf) and torque (lbf.in) in that frame\n"
    "  --feet                      the predicted foot forces (male adult Human figures)\n";

} // namespace

int RunInfoCommand(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::fprintf(argc == 2 ? stdout : stderr,
                     "usage: tavrona-cli info FILE.tvr\nPrints the objects of a scene file as "
                     "JSON: type, name and colour; figures with their\nanthropometry, placement, "
                     "joint angles and loads.\n");
        return argc == 2 ? 0 : 2;
    }
    CStderrReporter reporter;
    Scene scene;
    SceneReadReport report;
    if (!ReadSceneFile(argv[1], scene.list, {&reporter, nullptr, nullptr, &report})) {
        std::fprintf(stderr, "tavrona-cli info: Failed to read file. (%s)\n", argv[1]);
        return 1;
    }
    CJsonWriter json(7);
    json.BeginObject();
    json.String("file", argv[1]);
    json.BeginArray("objects");
    for (const CSceneObject* o : scene.list) {
        if (o->type == kTypeBodyPart || o->type == kTypeForce)
            continue;
        json.BeginObject();
        json.String("type", ObjectTypeName(o->type));
        json.String("name", o->name);
        if (o->type == kTypeMannequin)
            WriteFigure(json, static_cast<const CMannequin&>(*o));
        else
            json.String("colour", HexColour(o->colour));
        if (o->parent && o->parent->type == kTypeGroup)
            json.Integer("group_object", scene.list.IndexOf(o->parent));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
    if (!report.problems.empty())
        std::fprintf(stderr, "tavrona-cli info: %s\n", report.Summary().c_str());
    // A data file's message (printed as it came) means a figure is missing or incomplete.
    return report.problems.empty() && reporter.MessageCount() == 0 ? 0 : 1;
}

int RunSceneCommand(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help") {
        std::fputs(kSceneUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    CStderrReporter reporter;
    Scene scene;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--feet" || option == "--force") {
            CMannequin* figure = LastFigure(scene.list);
            std::string error;
            if (!figure)
                error = option + " needs a --mannequin before it";
            else if (option == "--feet" && !figure->IsBiomechanicsEnabled())
                error = "--feet: foot forces are predicted for male adult Human figures only";
            else if (option == "--force" && i + 1 >= argc)
                error = "--force needs a value";
            if (error.empty() && option == "--feet" && figure->AddFootPredictionForces())
                for (int foot : {kLeftFoot, kRightFoot})
                    figure->FootPredictionForce(foot)->AddToList(scene.list);
            if (error.empty() && option == "--force")
                if (CForce* load = ForceFromOptions(argv[++i], *figure, error))
                    load->AddToList(scene.list);
            if (!error.empty()) {
                std::fprintf(stderr, "tavrona-cli scene: %s\n%s", error.c_str(), kSceneUsage);
                return 2;
            }
            if (figure->UpdateFootPredictionForces() == CMannequin::kFeetUnbalanced)
                std::fprintf(stderr, "tavrona-cli scene: Unbalanced posture.\n");
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "tavrona-cli scene: %s needs a value\n%s", option.c_str(),
                         kSceneUsage);
            return 2;
        }
        const std::string value = argv[++i];
        std::vector<double> v;
        std::string error;
        CSceneObject* object = nullptr;
        if (option == "--mannequin") {
            object = FigureFromOptions(value, reporter, error).release();
        } else if (option == "--box") {
            if (ParseNumbers(value, 6, v)) {
                auto* box = new CPolyface();
                box->Build(kShapeBox, {Vec3(v[0], v[1], v[2]), Vec3(v[3], v[4], v[5])});
                object = box;
            }
        } else if (option == "--sphere") {
            if (ParseNumbers(value, 4, v)) {
                auto* sphere = new CPolyface();
                sphere->Build(kShapeSphere,
                              {Vec3(v[0], v[1], v[2]), Vec3(v[0], v[1] + v[3], v[2])});
                object = sphere;
            }
        } else if (option == "--line") {
            if (ParseNumbers(value, 0, v)) {
                std::vector<Vec3> points;
                for (std::size_t k = 0; k < v.size(); k += 3)
                    points.emplace_back(v[k], v[k + 1], v[k + 2]);
                auto* line = new CPolyline();
                line->Build(kShapeLine, points);
                object = line;
            }
        } else if (option == "--text") {
            const std::size_t third = value.find(',', value.find(',', value.find(',') + 1) + 1);
            if (third != std::string::npos && ParseNumbers(value.substr(0, third), 3, v)) {
                auto* text = new CText3D();
                text->text = value.substr(third + 1);
                text->Build({Vec3(v[0], v[1], v[2])});
                object = text;
            }
        } else {
            error = "unknown option " + option;
        }
        if (!object) {
            const bool built = error != "the figure could not be built";
            if (error.empty())
                error = "bad value for " + option + ": " + value;
            std::fprintf(stderr, "tavrona-cli scene: %s\n%s", error.c_str(),
                         built ? kSceneUsage : "");
            return built ? 2 : 1;
        }
        if (object->type != kTypeMannequin)
            object->CenterOrigin();
        object->AddToList(scene.list);
    }
    std::string failure;
    if (!WriteSceneFile(argv[1], scene.list, &failure)) {
        std::fprintf(stderr, "tavrona-cli scene: Failed to save file. (%s)\n", failure.c_str());
        return 1;
    }
    return 0;
}
