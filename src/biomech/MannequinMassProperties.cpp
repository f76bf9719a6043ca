#include "human/Mannequin.h"

#include "biomech/MassProperties.h"
#include "core/DataDirectory.h"
#include "core/UserReporter.h"

static_assert(kScaledSegmentCount == kMainSegmentCount, "one mass per scaled segment");

int CMannequin::ComputeMassProperties(CUserReporter& reporter) {
    const std::string path = DataPath(kMassRegressionFileName);
    MassRegressionTable table;
    if (!ReadMassRegressionTable(path, table)) {
        reporter.Message("Cannot open HUMAN DATA file: " + path);
        return 0;
    }
    SegmentMassProperties result[kMainSegmentCount];
    ComputeSegmentMassProperties(table, anthropometry.stature, anthropometry.weight, result);
    for (int i = 0; i < kMainSegmentCount; ++i) {
        CBodyPart& segment = *GetSegment(i);
        segment.mass = result[i].mass;
        segment.volume = result[i].volume;
        segment.inertia = result[i].inertia;
    }
    return 1;
}
