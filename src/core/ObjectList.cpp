#include "core/ObjectList.h"

#include "core/SceneObject.h"

#include <algorithm>

void CObjectList::Append(CSceneObject* object) {
    items.push_back(object);
    ids.insert(object->id);
}

CSceneObject* CObjectList::RemoveId(int id) {
    if (!ContainsId(id))
        return nullptr;
    auto it =
        std::find_if(items.begin(), items.end(), [id](CSceneObject* o) { return o->id == id; });
    if (it == items.end())
        return nullptr;
    CSceneObject* found = *it;
    items.erase(it);
    ids.erase(ids.find(id));
    if (items.empty())
        items.shrink_to_fit();
    return found;
}

bool CObjectList::Remove(CSceneObject* object) {
    auto it = std::find(items.begin(), items.end(), object);
    if (it == items.end())
        return false;
    items.erase(it);
    ids.erase(ids.find(object->id));
    return true;
}

CSceneObject* CObjectList::FindId(int id) const {
    if (!ContainsId(id))
        return nullptr;
    for (CSceneObject* o : items)
        if (o->id == id)
            return o;
    return nullptr;
}

void CObjectList::MoveTailTo(std::size_t from, std::size_t to) {
    if (to < from && from <= items.size())
        std::rotate(items.begin() + static_cast<std::ptrdiff_t>(to),
                    items.begin() + static_cast<std::ptrdiff_t>(from), items.end());
}

void CObjectList::Clear() {
    items.clear();
    items.shrink_to_fit();
    ids.clear();
}

int CObjectList::IndexOf(const CSceneObject* object) const {
    auto it = std::find(items.begin(), items.end(), object);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void DeleteTopLevelObjects(CObjectList& list) {
    std::vector<CSceneObject*> top;
    for (CSceneObject* o : list)
        if (!o->parent)
            top.push_back(o);
    list.Clear();
    for (CSceneObject* o : top)
        delete o;
}
