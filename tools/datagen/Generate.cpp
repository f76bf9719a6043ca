#include "Generate.h"

#include "Footprint.h"
#include "Gait.h"
#include "Limits.h"
#include "MassTable.h"
#include "Meshes.h"
#include "Postures.h"
#include "Readme.h"
#include "ScaleTables.h"
#include "Sources.h"
#include "SurveyMeasures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// The program's loaders read the data directory named by $TAVRONA_DATA: the files are written
// into a scratch folder that stands in for it while the figures are built and measured.
std::vector<SurveyMeasurement> MeasureGeneratedFigures(const CSources& sources,
                                                       const std::vector<GeneratedFile>& files) {
    std::string folder =
        (std::filesystem::temp_directory_path() / "tavrona-datagen-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        return {};
    }
    const char* previous = std::getenv("TAVRONA_DATA");
    const std::string restore = previous ? previous : "";
    std::vector<SurveyMeasurement> measured;
    if (WriteDataFiles(folder, files)) {
        setenv("TAVRONA_DATA", folder.c_str(), 1);
        measured = MeasureUsFigures(sources);
        if (previous) {
            setenv("TAVRONA_DATA", restore.c_str(), 1);
        } else {
            unsetenv("TAVRONA_DATA");
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return measured;
}

} // namespace

int GenerateDataFiles(const std::string& sourcesDir, std::vector<GeneratedFile>& files,
                      std::vector<std::string>& problems) {
    files.clear();
    problems.clear();
    CSources sources;
    if (!sources.Load(sourcesDir)) {
        problems.push_back("cannot read the source tables in " + sourcesDir);
        return 0;
    }
    const JointLimits limits = BuildJointLimits(sources);
    files.push_back({"limit.dat", JointLimitsText(limits)});

    const std::vector<NamedPosture> standard = StandardPostures();
    const std::vector<NamedHandPosture> hands = HandPostures();
    for (const std::string& p : PosturesOutsideLimits(standard, hands, limits)) {
        problems.push_back("posture outside the joint limits: " + p);
    }
    files.push_back({"perpost.dat", StandardPostureText(standard)});
    files.push_back({"perpost_names.txt", StandardPostureNamesText(standard)});
    files.push_back({"lhand.dat", HandPostureText(hands, false)});
    files.push_back({"rhand.dat", HandPostureText(hands, true)});

    const GaitCycle gait = BuildGaitCycle(sources);
    for (int f = 0; f < kGaitFrames; ++f) {
        for (int s = 0; s < kMainSegmentCount; ++s) {
            if (!limits.Contains(s, gait.poses[f][s])) {
                problems.push_back("gait frame " + std::to_string(f) + " outside the limits of " +
                                   SegmentName(s));
            }
        }
    }
    files.push_back({"walk.dat", GaitText(gait)});

    const std::vector<ScaleFile> scaleFiles = BuildScaleFiles(sources);
    for (const ScaleFile& f : scaleFiles) {
        files.push_back({f.fileName, ScaleFileText(f)});
    }
    const MassTable massTable = BuildMassTable(sources);
    files.push_back({"antro1.dat", MassTableBytes(massTable)});
    for (const FigureMesh& mesh : BuildFigureMeshes(sources)) {
        for (const std::string& p : CheckFigureMesh(mesh)) {
            problems.push_back(p);
        }
        std::string problem;
        files.push_back({mesh.fileName, MeshFileBytes(mesh.records, problem)});
        if (!problem.empty()) {
            problems.push_back(mesh.fileName + ": " + problem);
        }
    }

    files.push_back({"footprn2.dat", FootprintBytes(BuildSkeleton(sources, Sex::Male))});

    if (problems.empty()) {
        const std::vector<SurveyMeasurement> measured = MeasureGeneratedFigures(sources, files);
        if (measured.empty()) {
            problems.push_back("the generated US figures cannot be built for measuring");
        }
        files.push_back({"README.md", DataReadme(sources, scaleFiles, massTable, measured)});
    }

    for (const std::string& m : sources.Missing()) {
        problems.push_back("missing source value " + m);
    }
    return problems.empty() ? 1 : 0;
}

int WriteMeshPreviews(const std::string& sourcesDir, const std::string& dir) {
    CSources sources;
    if (!sources.Load(sourcesDir)) {
        return 0;
    }
    std::vector<GeneratedFile> previews;
    for (const FigureMesh& mesh : BuildFigureMeshes(sources)) {
        previews.push_back(
            {mesh.fileName.substr(0, mesh.fileName.size() - 4) + ".obj", MeshObj(mesh.records)});
    }
    return WriteDataFiles(dir, previews);
}

int WriteDataFiles(const std::string& dir, const std::vector<GeneratedFile>& files) {
    const std::string base = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    for (const GeneratedFile& f : files) {
        std::ofstream out(base + f.name, std::ios::binary | std::ios::trunc);
        if (!out.write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()))) {
            return 0;
        }
    }
    return 1;
}
