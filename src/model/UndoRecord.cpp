#include "model/UndoRecord.h"

#include "model/CloneObject.h"
#include "model/SceneObject.h"

CUndoRecord::~CUndoRecord() = default;

void CUndoRecord::Add(int kind, const CSceneObject& object) {
    entries.push_back({kind, std::unique_ptr<CSceneObject>(CloneObject(object, true))});
}
