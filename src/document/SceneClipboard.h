#pragma once

#include <memory>

class CSceneObject;

// The program's object clipboard: at most one top-level scene object (a deep copy with no
// parent), shared by every document of the running program. Not the system clipboard. The
// application owns one and hands it to its documents; tests make their own.
class CSceneClipboard {
public:
    CSceneClipboard();
    ~CSceneClipboard();
    CSceneClipboard(const CSceneClipboard&) = delete;
    CSceneClipboard& operator=(const CSceneClipboard&) = delete;

    bool IsEmpty() const { return !object; }
    const CSceneObject* Peek() const { return object.get(); }
    // Replaces the held object (the old one is deleted); takes ownership.
    void Store(CSceneObject* newObject);
    // Hands the held object over to the caller and leaves the clipboard empty.
    CSceneObject* Take() { return object.release(); }

private:
    std::unique_ptr<CSceneObject> object;
};
