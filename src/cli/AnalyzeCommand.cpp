#include "cli/Commands.h"

#include "biomech/LoadWords.h"
#include "biomech/Units.h"
#include "cli/JsonWriter.h"
#include "cli/SceneInput.h"
#include "core/GlobalSettings.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tavrona-cli analyze SCENE.tvr [--units lbf|N]\n"
    "Prints the static analysis of every figure of a scene file as JSON: centre of gravity,\n"
    "balance, predicted foot forces, body weight, and the force and moment at the joint of\n"
    "each of the 16 main segments (in the segment's frame, with their words), under the\n"
    "default gravity, with the scene's loads and foot forces. Forces in lbf (moments lbf.in)\n"
    "or, with --units N, in N (N.m).\n";

struct ForceUnits {
    int code;
    const char* force;  // key suffix of forces
    const char* moment; // key suffix of moments
};

Vec3 Shown(const Vec3& v, int code) {
    return {ConvertForce(kPoundForce, v.x, code), ConvertForce(kPoundForce, v.y, code),
            ConvertForce(kPoundForce, v.z, code)};
}

Vec3 MomentShown(const Vec3& v, int code) {
    return code == kNewton ? Vec3(MomentToNewtonMetres(v.x), MomentToNewtonMetres(v.y),
                                  MomentToNewtonMetres(v.z))
                           : v;
}

void WriteWords(CJsonWriter& json, const char* key, const std::string words[3]) {
    json.BeginArray(key);
    for (int i = 0; i < 3; ++i)
        json.String(nullptr, words[i]);
    json.EndArray();
}

void WriteAnalysis(CJsonWriter& json, const CMannequin& figure, const ForceUnits& units) {
    const std::string f = units.force, m = units.moment;
    json.String("name", figure.name);
    json.Triple("centre_of_gravity_in", figure.GetCenterOfGravity());
    const bool balanced = figure.IsBalanced();
    json.Bool("balanced", balanced);
    Vec3 left, leftPoint, right, rightPoint;
    if (balanced && figure.PredictFootForces(left, leftPoint, right, rightPoint)) {
        json.BeginObject(("foot_forces_" + f).c_str());
        json.Triple("left", Shown(left, units.code));
        json.Triple("right", Shown(right, units.code));
        json.EndObject();
    } else {
        json.Null(("foot_forces_" + f).c_str());
    }
    Vec3 resultant, moment;
    figure.GetResultantLoad(false, resultant, moment);
    double pounds = 0.0;
    for (int s = 0; s < kMainSegmentCount; ++s)
        pounds += figure.GetSegment(s)->mass;
    json.Number(("body_weight_" + f).c_str(),
                ConvertForce(kPoundForce, pounds * Length(figure.GravityInFigure()) * 0.101971634,
                             units.code));
    json.BeginArray("joints");
    for (int s = 0; s < kMainSegmentCount; ++s) {
        const CBodyPart& part = *figure.GetSegment(s);
        const Vec3 force = part.GetJointForce(true, true);
        const Vec3 jointMoment = part.GetJointMoment(true, true, true);
        std::string forceWords[3], momentWords[3];
        LoadWordsFor(s, force, jointMoment, forceWords, momentWords);
        json.BeginObject();
        json.String("segment", SegmentInfoOf(s).name);
        json.String("joint", SegmentInfoOf(s).jointName);
        json.Triple("angles_deg", part.angles);
        json.Triple(("force_" + f).c_str(), Shown(force, units.code));
        json.Triple(("moment_" + m).c_str(), MomentShown(jointMoment, units.code));
        WriteWords(json, "force_words", forceWords);
        WriteWords(json, "moment_words", momentWords);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

int RunAnalyzeCommand(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    ForceUnits units{kPoundForce, "lbf", "lbf_in"};
    if (argc == 4 && std::string(argv[2]) == "--units" && std::string(argv[3]) == "N")
        units = {kNewton, "n", "n_m"};
    else if (!(argc == 2 ||
               (argc == 4 && std::string(argv[2]) == "--units" && std::string(argv[3]) == "lbf"))) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    CStderrReporter reporter;
    const CGlobalSettings settings; // default gravity
    CommandScene scene;
    if (!ReadCommandScene("analyze", argv[1], settings, reporter, scene))
        return 1;
    CJsonWriter json(7);
    json.BeginObject();
    json.String("file", argv[1]);
    json.BeginArray("figures");
    for (const CSceneObject* o : scene.objects) {
        if (o->type != kTypeMannequin)
            continue;
        json.BeginObject();
        WriteAnalysis(json, static_cast<const CMannequin&>(*o), units);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
    return 0;
}
