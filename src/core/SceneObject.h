#pragma once

#include "core/BoundingBox.h"
#include "core/Matrix4.h"
#include "core/ObjectList.h"

#include <cstdint>

class COverlay;

// Kinds of scene objects (the `type` field, also stored in scene files).
enum SceneObjectType : std::int8_t {
    kTypePolyline = 0,
    kTypePolyface = 1,
    kTypeText = 2,
    kTypeDimension = 3,
    kTypeDashedPolyline = 4,
    kTypeMannequin = 5,
    kTypeBodyPart = 6,
    kTypeForce = 7,
    kTypeGroup = 9,
    kTypeWheelchair = 10,
    // A figure a scene file holds but that could not be rebuilt, kept as its stored records.
    kTypeUnreadFigure = 11,
};

// A kind's name for messages and reports: "polyline", "mannequin", ...; "other" for the rest.
const char* ObjectTypeName(int type);

// Packed colours: red in bits 0-7, green 8-15, blue 16-23.
inline constexpr int PackRGB(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
inline constexpr int RedOf(int c) {
    return c & 0xFF;
}
inline constexpr int GreenOf(int c) {
    return (c >> 8) & 0xFF;
}
inline constexpr int BlueOf(int c) {
    return (c >> 16) & 0xFF;
}
inline constexpr float kByteToUnit = 0.003921569f;

// Base of everything that can stand in a document's scene. An object owns its children and
// deletes them, except body segments (type 6), which belong to their figure.
class CSceneObject {
public:
    CSceneObject();
    // Copies type, colour, selection, attribute B, both matrices, parent and name; never the
    // children. With keepId the copy carries the source's id instead of a fresh one.
    CSceneObject(const CSceneObject& source, bool keepId);
    CSceneObject(const CSceneObject&) = delete;
    CSceneObject& operator=(const CSceneObject&) = delete;
    virtual ~CSceneObject();

    // Appends this object and its descendants; 0 when an object with the same id is present.
    virtual int AddToList(CObjectList& list);
    // Removes this object's entry (by id) and those of its descendants; returns 0.
    virtual int RemoveFromList(CObjectList& list);
    virtual void RemoveAndDelete(CObjectList& list);
    virtual int IsLinkedSelected() const { return 0; }
    virtual void Select();
    virtual void Deselect();
    // Marks this object and every ancestor as needing a rebuild or redraw.
    virtual void Invalidate();
    virtual void Validate() { modified = 0; }
    virtual int IsTopLevel() const { return parent == nullptr; }
    // Draws the children under this object's transform; whiteFill is the filling pass of
    // hidden-surface rendering, viewType the camera placement of the view being drawn.
    virtual void Draw(bool whiteFill, int viewType);
    virtual void DrawHighlight(COverlay& overlay) {}
    // Adds this object's own geometry, placed by `world`, to the box.
    virtual void ExtendBounds(BoundingBox& box, const Matrix4& world) const {}
    virtual void SaveTransform() { savedTransform = transform; }
    virtual void RestoreTransform() { transform = savedTransform; }
    // Moves the origin to the centre of the bounding box without moving the geometry.
    virtual void CenterOrigin();

    // Bounds of this object and its children. Without a parent matrix, a child object
    // (one with a parent) collects nothing.
    void CollectBounds(BoundingBox& box, const Matrix4* parentWorld = nullptr) const;
    void SetName(const char* text);
    void AddChild(CSceneObject* child);
    // Detaches without deleting; returns whether it was a child.
    bool DetachChild(CSceneObject* child);
    void ReleaseDisplayList();

    // Next id the counter hands out (the counter starts at 1 for each run).
    static int PeekNextId();

    CSceneObject* parent = nullptr;
    CObjectList children;
    unsigned int displayList = 0;
    std::int8_t type = kTypeGroup;
    int id = 0;
    int colour = 0;
    int groupNumber = 0; // attribute A: group number used by the scene file writer
    char name[12] = {};
    int attributeB = 0; // 1 for a human figure; bit 0 stored for drawing objects
    Matrix4 transform{true};
    Matrix4 savedTransform{false};
    int selected = 0;
    int modified = 1;
    // Unique stamp of this object's current content: a fresh value from a process-wide counter
    // at construction and at every Invalidate, except the one of Select and Deselect (the
    // colour is not compiled). Caches of compiled geometry compare it.
    std::uint64_t revision = 0;
};

// Placement of an object in the world: its transform under those of all its ancestors.
Matrix4 WorldMatrix(const CSceneObject& object);

// Multiplies the current OpenGL matrix by m (row-major, transposed for OpenGL).
void GLMultMatrix(const Matrix4& m);
// Sets the current colour and the front ambient and diffuse material from a packed colour.
void GLSetColour(int packedColour);
