#include "core/GeometryCache.h"

#include <GL/gl.h>

#include <algorithm>

namespace {
// Renderers draw one at a time on the user-interface thread.
CGeometryCache* gCurrentCache = nullptr;
} // namespace

CGeometryCache* CGeometryCache::Current() {
    return gCurrentCache;
}

CGeometryCache::CScope::CScope(CGeometryCache& cache) : previous(gCurrentCache) {
    gCurrentCache = &cache;
}

CGeometryCache::CScope::~CScope() {
    gCurrentCache = previous;
}

bool CGeometryCache::CallOrBeginCompile(const CSceneObject& object, int part) {
    Entry& entry = entries[Key{&object, part, false}];
    const bool current = entry.revision == object.revision;
    entry.revision = object.revision;
    return CallOrBegin(entry, current);
}

bool CGeometryCache::CallOrBeginCompileShared(
    std::initializer_list<std::shared_ptr<const void>> data, int part) {
    Entry& entry = entries[Key{data.begin()->get(), part, true}];
    // The entry holds its arrays, so no other array can take the first one's address while it
    // lives; the others are compared all the same.
    const bool current = std::equal(entry.data.begin(), entry.data.end(), data.begin(), data.end());
    if (!current)
        entry.data.assign(data.begin(), data.end());
    return CallOrBegin(entry, current);
}

bool CGeometryCache::CallOrBegin(Entry& entry, bool current) {
    entry.used = true;
    if (entry.list != 0 && current) {
        glCallList(entry.list);
        return true;
    }
    if (entry.list == 0)
        entry.list = glGenLists(1);
    glNewList(entry.list, GL_COMPILE_AND_EXECUTE);
    return false;
}

void CGeometryCache::EndCompile() {
    glEndList();
}

void CGeometryCache::Sweep() {
    for (auto it = entries.begin(); it != entries.end();) {
        if (!it->second.used) {
            glDeleteLists(it->second.list, 1);
            it = entries.erase(it);
        } else {
            it->second.used = false;
            ++it;
        }
    }
}

void CGeometryCache::Release() {
    for (auto& [key, entry] : entries)
        glDeleteLists(entry.list, 1);
    entries.clear();
}

bool BeginSolidBackFaceCulling() {
    if (!gCurrentCache || !gCurrentCache->SolidBackFacesCulled())
        return false;
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const double determinant = m[0] * (m[5] * m[10] - m[6] * m[9]) -
                               m[4] * (m[1] * m[10] - m[2] * m[9]) +
                               m[8] * (m[1] * m[6] - m[2] * m[5]);
    if (determinant <= 0.0)
        return false;
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    return true;
}

void EndSolidBackFaceCulling() {
    glDisable(GL_CULL_FACE);
}
