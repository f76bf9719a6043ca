#include "Meshes.h"

#include "Representations.h"

#include <set>

std::vector<FigureMesh> BuildFigureMeshes(const CSources& sources) {
    using Builder = FigureSurfaces (*)(const Skeleton&);
    const Builder builders[5] = {HumanSurfaces, RobotSurfaces, StickSurfaces, BoneSurfaces,
                                 FormSurfaces};
    std::vector<FigureMesh> meshes;
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const Skeleton skeleton = BuildSkeleton(sources, sex);
        for (int r = 0; r < 5; ++r) {
            FigureMesh m;
            m.sex = sex;
            m.representation = r;
            m.fileName = std::string(sex == Sex::Male ? "usa_m" : "usa_f") +
                         (r == 0 ? "" : std::to_string(r)) + ".per";
            m.records = AssembleRecords(skeleton, builders[r](skeleton));
            meshes.push_back(std::move(m));
        }
    }
    return meshes;
}

std::vector<std::string> CheckFigureMesh(const FigureMesh& mesh) {
    std::vector<std::string> problems;
    for (int s = 0; s < kSegmentCount; ++s) {
        const MeshRecord& r = mesh.records[s];
        const std::string where = mesh.fileName + " " + SegmentName(s);
        // The loader gives a vertex a normal only from faces in which it is among the first
        // three corners; every vertex a face uses must be one of those somewhere.
        std::set<int> used, lit;
        for (const auto& f : r.faces) {
            for (int i = 0; i < 4; ++i) {
                if (f[i] < 0 || f[i] >= static_cast<int>(r.vertices.size())) {
                    problems.push_back(where + ": face index out of range");
                    return problems;
                }
                used.insert(f[i]);
            }
            if (Length(TriangleNormal(r.vertices[f[0]], r.vertices[f[1]], r.vertices[f[2]])) > 0) {
                lit.insert({f[0], f[1], f[2]});
            }
        }
        if (used.size() != lit.size()) {
            problems.push_back(where + ": " + std::to_string(used.size() - lit.size()) +
                               " vertices get no normal");
        }
        SurfaceMesh surface{r.vertices, r.faces};
        if (SignedVolume(surface) <= 0) {
            problems.push_back(where + ": faces point inwards");
        }
    }
    return problems;
}
