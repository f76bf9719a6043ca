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

#include <fstream>

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
    files.push_back({"README.md", DataReadme(sources, scaleFiles, massTable)});

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
