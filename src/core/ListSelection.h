#pragma once

class CObjectList;

// Selection changes a pick makes on a document's object list. Objects are matched by id.

// Deselects every object of the list.
void DeselectAll(const CObjectList& list);
// Selects the objects whose id is `id` and deselects all others. A hit on a child of a group
// (anything with an owner except a body segment) selects the whole group instead.
// Returns 1 when an object matched, 0 otherwise.
int SelectOnly(const CObjectList& list, int id);
// Deselects every object whose id differs from `id`, then selects the hit object's owners up to
// the topmost one together with each owner's children. Returns 0 when nothing matched.
int SelectGroup(const CObjectList& list, int id);
