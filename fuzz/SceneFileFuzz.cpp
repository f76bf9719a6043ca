// Feeds arbitrary bytes to the scene file reader: records of every kind, groups, figures with
// their segment records and load blocks. Figures are bare ones, so no data files are needed.
#include "core/ObjectList.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
    if (DecodeScene(data, size, read, context)) {
        // Nothing read may hold a number that is not finite, in its placement or its points.
        for (const CSceneObject* object : read) {
            BoundingBox box;
            object->ExtendBounds(box, Matrix4(true));
            for (double v : object->transform.m)
                if (!std::isfinite(v))
                    std::abort();
            for (const Vec3& corner : {box.min, box.max})
                if (box.valid && !(std::isfinite(corner.x) && std::isfinite(corner.y) &&
                                   std::isfinite(corner.z)))
                    std::abort();
        }
        EncodeScene(read); // whatever was read must also write
    }
    DeleteTopLevelObjects(read);
    return 0;
}
