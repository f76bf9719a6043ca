#pragma once

#include <memory>
#include <vector>

class CSceneObject;

// What an undo entry says happened to its object.
enum UndoKind {
    kUndoAdded = 0,   // undo removes the live object
    kUndoRemoved = 1, // undo puts a copy of the stored object back
    kUndoChanged = 2, // undo replaces the live object by the stored copy
};

// One undoable step: entries of (kind, copy of the object taken before the change, keeping its
// id). Most commands record one entry; an import records one per imported object.
class CUndoRecord {
public:
    struct Entry {
        int kind;
        std::unique_ptr<CSceneObject> copy;
        // Where a removed top-level object stood: how many top-level objects preceded it in the
        // scene list (-1: unknown, it goes back at the end).
        int topLevelPosition = -1;
    };

    CUndoRecord() = default;
    CUndoRecord(int kind, const CSceneObject& object) { Add(kind, object); }
    ~CUndoRecord();
    CUndoRecord(const CUndoRecord&) = delete;
    CUndoRecord& operator=(const CUndoRecord&) = delete;

    // Stores a deep copy of `object` (same id) with this kind.
    void Add(int kind, const CSceneObject& object, int topLevelPosition = -1);

    // In the order they were added.
    std::vector<Entry> entries;
};
