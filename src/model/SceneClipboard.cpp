#include "model/SceneClipboard.h"

#include "model/SceneObject.h"

CSceneClipboard::CSceneClipboard() = default;
CSceneClipboard::~CSceneClipboard() = default;

void CSceneClipboard::Store(CSceneObject* newObject) {
    object.reset(newObject);
}
