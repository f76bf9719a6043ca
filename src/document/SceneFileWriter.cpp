#include "document/SceneFileWriter.h"

#include "core/ByteWriter.h"
#include "core/SafeFileWrite.h"
#include "document/SceneFileFormat.h"
#include "document/SceneFileMannequin.h"
#include "draw/Dimension.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"

#include <cstring>

using namespace scenefile;

namespace {

void WriteFileHeader(CByteWriter& w) {
    char signature[kSignatureSize] = {};
    std::memcpy(signature, kSignature, sizeof kSignature - 1);
    w.Bytes(signature, kSignatureSize);
    w.F32(kVersion);
    w.I16(1);
    // The one stored view: always the same values.
    for (int value : {0, 0, 0, 697, 484, 348, 242, 0})
        w.I32(value);
    w.F32(50.0f);
    w.I32(0);
    w.F32(144.0f);
    WriteMatrixColumns(w, Matrix4(true));
    w.I32(0x40571c6d); // 3.36111f
    w.U8(1);
    w.Zeros(44);
}

// Objects whose members are stored under a group number: every object with children other
// than figures and their segments (groups, wheelchairs).
bool IsStoredGroup(const CSceneObject& o) {
    return o.type != kTypeMannequin && o.type != kTypeBodyPart && !o.children.empty();
}

// Group numbers for the members of every stored group, and for a figure that carries one.
void AssignGroupNumbers(const CObjectList& objects) {
    int group = 0;
    for (CSceneObject* o : objects) {
        if (!IsStoredGroup(*o))
            continue;
        ++group;
        for (CSceneObject* child : o->children)
            child->groupNumber = group;
        if (o->parent && o->parent->type == kTypeMannequin)
            o->parent->groupNumber = group;
    }
}

int DrawingFlags(const CSceneObject& o) {
    return (o.attributeB & 1) ? kFlagAttributeB : 0;
}

// The points the object stores, in world placement.
const std::vector<Vec3>* LocalPoints(const CSceneObject& o) {
    switch (o.type) {
    case kTypePolyline:
        return &static_cast<const CPolyline&>(o).points;
    case kTypePolyface:
        return &static_cast<const CPolyface&>(o).vertices;
    case kTypeText:
        return &static_cast<const CText3D&>(o).strokes;
    default:
        return &static_cast<const CDimension&>(o).points;
    }
}

void WriteDrawingObject(CByteWriter& w, CSceneObject& o) {
    const std::vector<Vec3> points = StoredPoints(*LocalPoints(o), WorldMatrix(o));
    const BoundingBox box = BoundsOf(points);
    const int flags = o.type == kTypeDimension ? 0 : DrawingFlags(o);
    const std::size_t start =
        BeginRecord(w, o.type, o, flags, o.colour, box.Centre(), box, o.name, Matrix4(true));
    switch (o.type) {
    case kTypePolyline:
        w.I32(static_cast<std::int32_t>(points.size()));
        w.U8(static_cast<const CPolyline&>(o).closed);
        w.U8(0);
        break;
    case kTypePolyface: {
        const auto& face = static_cast<const CPolyface&>(o);
        w.I32(static_cast<std::int32_t>(points.size()));
        w.I32(static_cast<std::int32_t>(face.faces.size()));
        WritePoints(w, points);
        for (const Quad& q : face.faces)
            for (int index : q)
                w.I32(index);
        break;
    }
    case kTypeText: {
        const auto& text = static_cast<const CText3D&>(o);
        // The length byte holds at most 254 characters and the NUL (longer texts are refused
        // before saving, see SceneFileLimitProblem).
        const std::string stored = text.text.substr(0, kMaxStoredText);
        w.U8(static_cast<int>(stored.size()) + 1);
        w.U8(text.fontChosen);
        w.U8(text.reserved);
        w.U8(static_cast<int>(points.size())); // low byte; readers count by record length
        w.Bytes(stored.c_str(), stored.size() + 1);
        break;
    }
    case kTypeDimension: {
        const auto& dim = static_cast<const CDimension&>(o);
        const std::string label = dim.label.substr(0, kMaxStoredText);
        w.U8(dim.kind);
        w.U8(dim.reserved);
        w.U8(static_cast<int>(label.size()) + 1);
        w.U8(0);
        w.U8(1);
        w.U8(static_cast<int>(points.size()));
        w.Bytes(label.c_str(), label.size() + 1);
        break;
    }
    default:
        break;
    }
    if (o.type != kTypePolyface)
        WritePoints(w, points);
    PatchRecordLength(w, start);
}

} // namespace

std::vector<Vec3> StoredPoints(const std::vector<Vec3>& local, const Matrix4& placement) {
    std::vector<Vec3> stored;
    stored.reserve(local.size());
    for (const Vec3& p : local) {
        const Vec3 q = TransformPoint(placement, p);
        stored.emplace_back(static_cast<float>(q.x), static_cast<float>(q.y),
                            static_cast<float>(q.z));
    }
    return stored;
}

BoundingBox BoundsOf(const std::vector<Vec3>& points) {
    BoundingBox box;
    for (const Vec3& p : points)
        box.Extend(p);
    return box;
}

void WritePoints(CByteWriter& w, const std::vector<Vec3>& points) {
    for (const Vec3& p : points)
        w.Point(p);
}

void WriteMatrixColumns(CByteWriter& w, const Matrix4& m) {
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            w.F32(static_cast<float>(m(row, col)));
}

std::size_t BeginRecord(CByteWriter& w, int type, const CSceneObject& object, int flags,
                        int colourValue, const Vec3& centre, const BoundingBox& box,
                        const char* name, const Matrix4& matrix, const Matrix4* cornerPlacement) {
    const std::size_t start = w.Size();
    w.I32(0); // length, patched when the payload is written
    w.U8(type);
    // Group numbers above 255 continue in the next byte, which is 0 in files of fewer groups.
    w.U8(object.groupNumber & 0xFF);
    w.U8((object.groupNumber >> 8) & 0xFF);
    w.U8(flags);
    w.I32(colourValue);
    w.Point(centre);
    Vec3 lo = box.min;
    const Vec3 hi = box.max;
    for (int axis = 0; axis < 3; ++axis)
        if (hi[axis] - lo[axis] < kFlatExtent)
            lo[axis] -= kFlatWidening;
    for (const Vec3& corner :
         {lo, Vec3(lo.x, hi.y, lo.z), Vec3(hi.x, lo.y, lo.z), Vec3(lo.x, lo.y, hi.z)})
        w.Point(cornerPlacement ? TransformPoint(*cornerPlacement, corner) : corner);
    char field[kNameSize] = {};
    std::strncpy(field, name, kNameSize - 1);
    w.Bytes(field, kNameSize);
    WriteMatrixColumns(w, matrix);
    w.I32(0);
    return start;
}

void PatchRecordLength(CByteWriter& w, std::size_t recordStart) {
    w.PatchI32(recordStart, static_cast<std::int32_t>(w.Size() - recordStart));
}

namespace {

// The start of a long text, to name it in a message.
std::string Opening(const std::string& text) {
    return text.size() > 24 ? text.substr(0, 24) + "..." : text;
}

} // namespace

std::string SceneFileLimitProblem(const CObjectList& objects) {
    int groups = 0;
    for (const CSceneObject* o : objects) {
        groups += IsStoredGroup(*o);
        const std::string* text = nullptr;
        const char* what = "";
        if (o->type == kTypeText) {
            text = &static_cast<const CText3D*>(o)->text;
            what = "text";
        } else if (o->type == kTypeDimension) {
            text = &static_cast<const CDimension*>(o)->label;
            what = "dimension label";
        }
        if (text && text->size() > kMaxStoredText)
            return "The " + std::string(what) + " \"" + Opening(*text) + "\" has " +
                   std::to_string(text->size()) + " characters; a scene file holds at most " +
                   std::to_string(kMaxStoredText) + ". The file was not saved.";
    }
    if (groups > kMaxStoredGroups)
        return "The scene has " + std::to_string(groups) + " groups; a scene file holds at most " +
               std::to_string(kMaxStoredGroups) + ". The file was not saved.";
    return "";
}

std::vector<std::uint8_t> EncodeScene(const CObjectList& objects) {
    CByteWriter w;
    WriteFileHeader(w);
    AssignGroupNumbers(objects);
    for (CSceneObject* o : objects) {
        switch (o->type) {
        case kTypePolyline:
        case kTypePolyface:
        case kTypeText:
        case kTypeDimension:
            WriteDrawingObject(w, *o);
            break;
        case kTypeMannequin:
            WriteMannequinRecords(w, *o);
            break;
        case kTypeUnreadFigure: {
            const auto& records = static_cast<const CUnreadFigure&>(*o).records;
            w.Bytes(records.data(), records.size());
            break;
        }
        default:
            break;
        }
        o->groupNumber = 0;
    }
    return std::move(w.bytes);
}

int WriteSceneFile(const std::string& path, const CObjectList& objects, std::string* failure) {
    return WriteFileReplacing(path, EncodeScene(objects), true, failure);
}
