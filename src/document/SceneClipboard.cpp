#include "document/SceneClipboard.h"

#include "core/SceneObject.h"

CSceneClipboard::CSceneClipboard() = default;
CSceneClipboard::~CSceneClipboard() = default;

void CSceneClipboard::Store(CSceneObject* newObject) {
    object.reset(newObject);
}
