#include "PosedPreview.h"

#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int WritePosedPreview(const std::string& dataDir, int representation, int sex, int posture,
                      const std::string& objPath) {
    setenv("TAVRONA_DATA", dataDir.c_str(), 1);
    CStderrReporter reporter;
    CMannequin figure;
    figure.anthropometry.gender = static_cast<std::uint8_t>(sex);
    if (!figure.LoadMesh(representation, reporter) || !figure.ReadLimits(reporter) ||
        !figure.ApplyStandardPosture(posture)) {
        return 0;
    }
    figure.UpdatePosture();
    std::ofstream out(objPath);
    int base = 1;
    char line[128];
    for (int s = 0; s < kSegmentCount; ++s) {
        const CBodyPart* part = figure.GetSegment(s);
        out << "g " << SegmentInfoOf(s).name << "\n";
        for (const Vec3& v : part->worldVertices) {
            std::snprintf(line, sizeof line, "v %.3f %.3f %.3f\n", v.x, v.y, v.z);
            out << line;
        }
        for (const Quad& q : part->faces) {
            out << "f " << q[0] + base << " " << q[1] + base << " " << q[2] + base;
            if (q[3] != q[2]) {
                out << " " << q[3] + base;
            }
            out << "\n";
        }
        base += static_cast<int>(part->worldVertices.size());
    }
    return out ? 1 : 0;
}
