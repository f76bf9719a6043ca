// Feeds arbitrary bytes to the scene file reader: records of every kind, groups, figures with
// their segment records and load blocks. Figures are bare ones, so no data files are needed.
#include "core/ObjectList.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneReadContext context;
    context.buildFigure = [](const CAnthropometry& a, int representation) {
        auto* figure = new CMannequin();
        figure->anthropometry = a;
        figure->representation = representation;
        return figure;
    };
    CObjectList read;
    if (DecodeScene(data, size, read, context))
        EncodeScene(read); // whatever was read must also write
    DeleteTopLevelObjects(read);
    return 0;
}
