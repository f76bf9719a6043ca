#pragma once

class CSceneObject;

// Deep copy of a scene object: a new object of the class its type code names (copy
// construction, keeping the id when asked) with copies of its children, except body segments,
// which their figure copies itself. The copy's parent is the source's parent; children of the
// copy point to the copy.
CSceneObject* CloneObject(const CSceneObject& source, bool keepId);
