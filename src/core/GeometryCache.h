#pragma once

#include "core/SceneObject.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

// Compiled static geometry (display lists) of scene objects for one OpenGL context; display lists
// are not shared between contexts, so every renderer keeps its own cache and installs it while
// it draws. An entry is recompiled when its object's revision changes, that is only after the
// object was modified, and dropped when a frame no longer draws it.
class CGeometryCache {
public:
    CGeometryCache() = default;
    CGeometryCache(const CGeometryCache&) = delete;
    CGeometryCache& operator=(const CGeometryCache&) = delete;

    // The cache of the renderer drawing now, or null (objects then draw immediately).
    static CGeometryCache* Current();

    // Installs a cache for the lifetime of the scope; the cache's context must be current.
    class CScope {
    public:
        explicit CScope(CGeometryCache& cache);
        ~CScope();
        CScope(const CScope&) = delete;
        CScope& operator=(const CScope&) = delete;

    private:
        CGeometryCache* previous;
    };

    // Calls the list of (object, part) when it is up to date and returns true; otherwise opens
    // a fresh list in compile-and-execute mode and returns false: the caller then emits the
    // geometry and calls EndCompile.
    bool CallOrBeginCompile(const CSceneObject& object, int part);
    // The same for geometry drawn from nothing but `data`, arrays that never change (a mesh that
    // identical figures share): one list serves every object drawing the same arrays. The first
    // array names the list; the entry keeps them all alive while frames use it.
    bool CallOrBeginCompileShared(std::initializer_list<std::shared_ptr<const void>> data,
                                  int part);
    void EndCompile();
    // Whether closed solids may leave out their back faces in what is drawn now; the renderer
    // allows it for filled frames seen from outside every solid.
    void SetSolidBackFacesCulled(bool culled) { solidBackFacesCulled = culled; }
    bool SolidBackFacesCulled() const { return solidBackFacesCulled; }
    // Deletes the lists not used since the previous sweep (objects gone or no longer drawn).
    void Sweep();
    // Deletes every list; the cache's context must be current.
    void Release();
    std::size_t Size() const { return entries.size(); }

private:
    struct Key {
        const void* object; // the scene object, or the first shared array
        int part;
        bool shared;
        bool operator==(const Key& other) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<const void*>()(k.object) ^ (static_cast<std::size_t>(k.part) << 2) ^
                   static_cast<std::size_t>(k.shared);
        }
    };
    struct Entry {
        unsigned int list = 0;
        std::uint64_t revision = 0;
        std::vector<std::shared_ptr<const void>> data; // what a shared list was compiled from
        bool used = false;
    };
    // Calls the entry's list, or opens it for compiling and returns false.
    bool CallOrBegin(Entry& entry, bool current);
    std::unordered_map<Key, Entry, KeyHash> entries;
    bool solidBackFacesCulled = false;
};

// Draws geometry that depends only on the object's own data (vertices, normals; no colour, no
// pick name, no transform) through the current cache, compiling it when the object changed.
// `part` tells apart several pieces of one object. Emitters must not draw cached geometry
// themselves (display lists cannot be compiled inside one another).
template <class Emit> void DrawCachedGeometry(const CSceneObject& object, int part, Emit&& emit) {
    CGeometryCache* cache = CGeometryCache::Current();
    if (!cache) {
        emit();
        return;
    }
    if (cache->CallOrBeginCompile(object, part))
        return;
    emit();
    cache->EndCompile();
}

// DrawCachedGeometry for geometry drawn from nothing but the arrays `data`, which never change:
// objects drawing the same arrays share one compiled list.
template <class Emit>
void DrawSharedGeometry(std::initializer_list<std::shared_ptr<const void>> data, int part,
                        Emit&& emit) {
    CGeometryCache* cache = CGeometryCache::Current();
    if (!cache) {
        emit();
        return;
    }
    if (cache->CallOrBeginCompileShared(data, part))
        return;
    emit();
    cache->EndCompile();
}

// Turns back-face culling on for a solid about to be drawn when the current cache allows it
// and the current model-view keeps the winding of faces (a mirroring one shows solids inside
// out); returns whether it did. EndSolidBackFaceCulling turns it off again.
bool BeginSolidBackFaceCulling();
void EndSolidBackFaceCulling();

// DrawCachedGeometry for a closed surface whose faces wind counter-clockwise seen from outside.
// Seen from outside, each of its back faces lies behind one of its front faces, so leaving the
// back faces out spares the rasteriser half the triangles and changes no pixel (but where two
// faces tie in depth).
template <class Emit> void DrawCachedSolid(const CSceneObject& object, int part, Emit&& emit) {
    const bool culling = BeginSolidBackFaceCulling();
    DrawCachedGeometry(object, part, std::forward<Emit>(emit));
    if (culling)
        EndSolidBackFaceCulling();
}

// DrawSharedGeometry for a closed surface, as DrawCachedSolid.
template <class Emit>
void DrawSharedSolid(std::initializer_list<std::shared_ptr<const void>> data, int part,
                     Emit&& emit) {
    const bool culling = BeginSolidBackFaceCulling();
    DrawSharedGeometry(data, part, std::forward<Emit>(emit));
    if (culling)
        EndSolidBackFaceCulling();
}
