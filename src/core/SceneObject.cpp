#include "core/SceneObject.h"

#include <GL/gl.h>

#include <cstring>
#include <vector>

namespace {
// Ids are unique within a run; the first object gets 1.
int gNextId = 1;
std::uint64_t gNextRevision = 1;
} // namespace

CSceneObject::CSceneObject() : id(gNextId++), revision(gNextRevision++) {
    SetName("");
}

CSceneObject::CSceneObject(const CSceneObject& source, bool keepId) : CSceneObject() {
    type = source.type;
    colour = source.colour;
    selected = source.selected;
    attributeB = source.attributeB;
    transform = source.transform;
    savedTransform = source.savedTransform;
    parent = source.parent;
    std::memcpy(name, source.name, sizeof name);
    if (keepId)
        id = source.id;
}

CSceneObject::~CSceneObject() {
    ReleaseDisplayList();
    std::vector<CSceneObject*> owned(children.begin(), children.end());
    children.Clear();
    for (CSceneObject* child : owned)
        if (child->type != kTypeBodyPart)
            delete child;
}

int CSceneObject::PeekNextId() {
    return gNextId;
}

void CSceneObject::ReleaseDisplayList() {
    if (displayList != 0) {
        glDeleteLists(displayList, 1);
        displayList = 0;
    }
}

int CSceneObject::AddToList(CObjectList& list) {
    if (list.ContainsId(id))
        return 0;
    list.Append(this);
    for (CSceneObject* child : children)
        child->AddToList(list);
    return 1;
}

int CSceneObject::RemoveFromList(CObjectList& list) {
    list.RemoveId(id);
    for (CSceneObject* child : children)
        child->RemoveFromList(list);
    return 0;
}

void CSceneObject::RemoveAndDelete(CObjectList& list) {
    RemoveFromList(list);
    delete this;
}

void CSceneObject::Select() {
    // Only the drawing colour changes, which compiled geometry does not hold.
    const std::uint64_t geometry = revision;
    Invalidate();
    revision = geometry;
    selected = 1;
}

void CSceneObject::Deselect() {
    const std::uint64_t geometry = revision;
    Invalidate();
    revision = geometry;
    selected = 0;
}

void CSceneObject::Invalidate() {
    if (parent)
        parent->Invalidate();
    modified = 1;
    revision = gNextRevision++;
}

void CSceneObject::Draw(bool whiteFill, int viewType) {
    glPushMatrix();
    GLMultMatrix(transform);
    for (CSceneObject* child : children)
        child->Draw(whiteFill, viewType);
    glPopMatrix();
}

void CSceneObject::CenterOrigin() {
    BoundingBox box;
    const Matrix4 identity(true);
    CollectBounds(box, &identity);
    if (!box.valid)
        return;
    // The box is in the parent's frame; the shift is applied inside this object's frame, so
    // it is brought there first (a placed, turned object would otherwise move its origin off
    // the centre).
    const Vec3 centre = TransformPoint(Inverse(transform), box.Centre());
    for (CSceneObject* child : children)
        child->transform = child->transform * Translation(-centre);
    transform = transform * Translation(centre);
}

void CSceneObject::CollectBounds(BoundingBox& box, const Matrix4* parentWorld) const {
    if (!parentWorld && parent)
        return;
    const Matrix4 world = parentWorld ? *parentWorld * transform : transform;
    ExtendBounds(box, world);
    for (CSceneObject* child : children)
        child->CollectBounds(box, &world);
}

void CSceneObject::SetName(const char* text) {
    std::memset(name, 0, sizeof name);
    std::strncpy(name, text, sizeof name - 1);
}

void CSceneObject::AddChild(CSceneObject* child) {
    child->parent = this;
    children.Append(child);
}

bool CSceneObject::DetachChild(CSceneObject* child) {
    if (!children.Remove(child))
        return false;
    child->parent = nullptr;
    return true;
}

void GLMultMatrix(const Matrix4& m) {
    double columnMajor[16];
    m.ToColumnMajor(columnMajor);
    glMultMatrixd(columnMajor);
}

void GLSetColour(int packedColour) {
    const float rgba[4] = {RedOf(packedColour) * kByteToUnit, GreenOf(packedColour) * kByteToUnit,
                           BlueOf(packedColour) * kByteToUnit, 1.0f};
    glColor4fv(rgba);
    glMaterialfv(GL_FRONT, GL_AMBIENT, rgba);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, rgba);
}

Matrix4 WorldMatrix(const CSceneObject& object) {
    Matrix4 world = object.transform;
    for (const CSceneObject* p = object.parent; p; p = p->parent)
        world = p->transform * world;
    return world;
}

const char* ObjectTypeName(int type) {
    switch (type) {
    case kTypePolyline:
        return "polyline";
    case kTypePolyface:
        return "polyface";
    case kTypeText:
        return "text";
    case kTypeDimension:
        return "dimension";
    case kTypeDashedPolyline:
        return "dashed polyline";
    case kTypeMannequin:
        return "mannequin";
    case kTypeGroup:
        return "group";
    case kTypeWheelchair:
        return "wheelchair";
    case kTypeUnreadFigure:
        return "unread mannequin";
    default:
        return "other";
    }
}
