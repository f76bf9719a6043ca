#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

class CSceneObject;

// Ordered list of scene objects (a document's scene list, an object's children). Keeps a set
// of the ids it holds so that the duplicate check of AddToList stays cheap on large scenes.
class CObjectList {
public:
    using const_iterator = std::vector<CSceneObject*>::const_iterator;

    bool ContainsId(int id) const { return ids.count(id) != 0; }
    void Append(CSceneObject* object);
    // Removes the first entry with this id; returns it, or null when there is none.
    CSceneObject* RemoveId(int id);
    // Removes this exact pointer (first occurrence); returns whether it was found.
    bool Remove(CSceneObject* object);
    CSceneObject* FindId(int id) const;
    void Clear();

    bool empty() const { return items.empty(); }
    std::size_t size() const { return items.size(); }
    CSceneObject* operator[](std::size_t i) const { return items[i]; }
    CSceneObject* front() const { return items.front(); }
    CSceneObject* back() const { return items.back(); }
    const_iterator begin() const { return items.begin(); }
    const_iterator end() const { return items.end(); }
    int IndexOf(const CSceneObject* object) const;
    // Moves the entries from index `from` to the end so that they start at index `to` (<= from),
    // keeping their order and the order of the others.
    void MoveTailTo(std::size_t from, std::size_t to);

private:
    std::vector<CSceneObject*> items;
    std::unordered_multiset<int> ids;
};

// Deletes every top-level object of the list (each deletes its descendants) and empties it:
// how the owner of a list read from a file lets go of it.
void DeleteTopLevelObjects(CObjectList& list);
