// Feeds arbitrary bytes to the scene file reader: records of every kind, groups, figures with
// their segment records and load blocks. Figures are bare ones, so no data files are needed
// (corpus/scene/figure-with-loads.tvr is a figure record that passes the reader's checks).
// Beyond not crashing, a read must hold no number that is not finite, and the memory it takes
// must stay within a fixed multiple of the file's size.
#include "biomech/Force.h"
#include "core/ObjectList.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Bytes allocated while a read runs, counted by the sanitizer's allocation hooks.
struct ReadMemory {
    bool counting = false;
    long long current = 0;
    long long peak = 0;
};
ReadMemory memory;

void OnAllocate(const volatile void*, std::size_t size) {
    if (!memory.counting)
        return;
    memory.current += static_cast<long long>(size);
    memory.peak = std::max(memory.peak, memory.current);
}

void OnFree(const volatile void* pointer) {
    if (memory.counting && pointer)
        memory.current -= static_cast<long long>(
            __sanitizer_get_allocated_size(const_cast<const void*>(pointer)));
}

// A bare figure holds about 80 KB for its 1917-byte record (42 bytes a byte); every other kind
// of record takes less memory per byte than that.
constexpr long long kBytesPerFileByte = 64;
constexpr long long kBytesPerRead = 1 << 20;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "scene read invariant broken: %s\n", what);
        std::abort();
    }
}

bool Finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Nothing read may hold a number that is not finite: placements, extents, joint angles and
// limits, loads.
void CheckFinite(const CSceneObject& object) {
    for (double v : object.transform.m)
        Require(std::isfinite(v), "a placement that is not finite");
    BoundingBox box;
    object.ExtendBounds(box, Matrix4(true));
    Require(!box.valid || (Finite(box.min) && Finite(box.max)), "extents that are not finite");
    if (object.type == kTypeBodyPart) {
        const auto& part = static_cast<const CBodyPart&>(object);
        Require(Finite(part.angles) && Finite(part.upperLimits) && Finite(part.lowerLimits),
                "a joint angle or limit that is not finite");
    }
    if (object.type == kTypeForce) {
        const auto& load = static_cast<const CForce&>(object);
        Require(Finite(load.location) && Finite(load.force) && Finite(load.torque),
                "a load that is not finite");
    }
    for (const CSceneObject* child : object.children)
        CheckFinite(*child);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(OnAllocate, OnFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneReadContext context;
    context.buildFigure = [](const CAnthropometry& a, int representation) {
        auto* figure = new CMannequin();
        figure->anthropometry = a;
        figure->representation = representation;
        return figure;
    };
    SceneReadReport report;
    context.report = &report;
    CObjectList read;
    memory = ReadMemory{true, 0, 0};
    const int decoded = DecodeScene(data, size, read, context);
    memory.counting = false;
    Require(memory.peak <= kBytesPerFileByte * static_cast<long long>(size) + kBytesPerRead,
            "the read took more memory than a fixed multiple of the file's size");
    if (decoded) {
        for (const CSceneObject* object : read)
            if (!object->parent)
                CheckFinite(*object);
        EncodeScene(read); // whatever was read must also write
    }
    DeleteTopLevelObjects(read);
    return 0;
}
