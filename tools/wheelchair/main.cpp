// Writes the six seated figures in wheelchairs of the data directory: a Human figure of each
// sex at the 5th, 50th and 95th percentile of the US (1988 Army) tables in the wheelchair
// posture (38), sitting on a wheelchair fitted to it, saved as a scene file with the figure
// first and the wheelchair as one separate group.
//
// usage: tavrona-wheelchair [data folder]   (default: $TAVRONA_DATA or Data/ beside the program)

#include "WheelchairModel.h"

#include "core/DataDirectory.h"
#include "core/ObjectList.h"
#include "core/SafeFileWrite.h"
#include "core/UserReporter.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kWheelchairPosture = 38;
constexpr int kUsaPopulation = 1;

int WriteOne(const std::string& folder, int gender, int sizeRow, const char* fileName) {
    CStderrReporter reporter;
    const CAnthropometryContext context{reporter};
    std::unique_ptr<CMannequin> figure(new CMannequin(0, gender, -1, sizeRow, 1, kUsaPopulation,
                                                      kWheelchairPosture, 2, 0, context));
    if (!figure->valid) {
        std::fprintf(stderr, "Cannot build the figure for %s\n", fileName);
        return 0;
    }
    // A fixed id in the file, so that the output does not depend on what was built before.
    figure->colour = 1;
    const SeatedFit fit = SeatFigure(*figure);
    std::unique_ptr<CSceneObject> chair(BuildWheelchair(fit));
    CObjectList list;
    figure->AddToList(list);
    chair->AddToList(list);
    const std::string path = folder + fileName;
    if (!WriteFileReplacing(path, EncodeScene(list))) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return 0;
    }
    std::printf("%s: seat %.1f in, back rest at z %.1f, footrests at %.1f in\n", fileName,
                fit.seatTop, fit.seatBack, fit.footTop);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        setenv("TAVRONA_DATA", argv[1], 1);
    const std::string folder = DataDirectory();
    struct File {
        int gender;
        int sizeRow;
        const char* name;
    };
    const File files[] = {{1, 1, "whtv5m.___"}, {1, 2, "whtv50m.___"}, {1, 3, "whtv95m.___"},
                          {0, 1, "whtv5f.___"}, {0, 2, "whtv50f.___"}, {0, 3, "whtv95f.___"}};
    int ok = 1;
    for (const File& f : files)
        ok &= WriteOne(folder, f.gender, f.sizeRow, f.name);
    return ok ? 0 : 1;
}
