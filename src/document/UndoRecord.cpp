#include "document/UndoRecord.h"

#include "core/SceneObject.h"
#include "document/CloneObject.h"

CUndoRecord::~CUndoRecord() = default;

void CUndoRecord::Add(int kind, const CSceneObject& object, int topLevelPosition) {
    entries.push_back(
        {kind, std::unique_ptr<CSceneObject>(CloneObject(object, true)), topLevelPosition});
}
