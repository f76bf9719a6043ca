// Feeds arbitrary bytes to the scene file reader: records of every kind, groups, figures with
// their segment records and load blocks. Figures are bare ones, so no data files are needed.
#include "human/Mannequin.h"
#include "model/ObjectList.h"
#include "model/SceneFileReader.h"
#include "model/SceneFileWriter.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneReadContext context;
    context.buildFigure = [](const CAnthropometry& a) {
        auto* figure = new CMannequin();
        figure->anthropometry = a;
        return figure;
    };
    CObjectList read;
    if (DecodeScene(data, size, read, context))
        EncodeScene(read); // whatever was read must also write
    DeleteTopLevelObjects(read);
    return 0;
}
