#include "document/SceneFileReader.h"

#include "core/ByteReader.h"
#include "core/ObjectList.h"
#include "core/ValueChecks.h"
#include "document/SceneFileFormat.h"
#include "document/SceneFileMannequin.h"
#include "draw/Dimension.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

using namespace scenefile;

namespace {

constexpr std::size_t kPointSize = 12;
constexpr std::size_t kFaceSize = 16;

SceneRecordHeader ReadRecordHeader(CByteReader& r) {
    SceneRecordHeader h;
    h.length = r.I32();
    h.type = r.U8();
    h.group = r.U8();
    h.group |= r.U8() << 8;
    h.flags = r.U8();
    h.colour = r.I32();
    h.centre = r.Point();
    r.Skip(48); // box corners: derived from the points
    const std::string name = r.Text(kNameSize);
    std::strncpy(h.name, name.c_str(), sizeof h.name - 1);
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            h.matrix(row, col) = r.F32();
    r.I32();
    return h;
}

// `count` points when they fit in what is left of the record and every coordinate is a
// number within the range a scene can hold.
bool ReadPoints(CByteReader& r, std::int64_t count, std::vector<Vec3>& points) {
    if (count < 0 || static_cast<std::uint64_t>(count) > r.Remaining() / kPointSize)
        return false;
    points.resize(static_cast<std::size_t>(count));
    for (Vec3& p : points) {
        p = r.Point();
        if (!IsStorableCoordinate(p))
            return false;
    }
    return true;
}

bool IsObjectRecordType(int type) {
    return type <= kTypeDimension || type == kTypeMannequin || type == kTypeBodyPart ||
           type == kTypeForce;
}

// Whether a record header that fits the file starts at `at`: a length that fits, a kind that
// is stored, and a placement matrix whose last row is (0, 0, 0, 1) as every writer leaves it.
bool RecordFitsAt(const std::uint8_t* data, std::size_t size, std::size_t at) {
    constexpr std::size_t kMatrixOffset = 84;
    if (at + kRecordHeaderSize > size)
        return false;
    CByteReader r(data + at, size - at);
    const std::int64_t length = r.I32();
    if (length < static_cast<std::int64_t>(kRecordHeaderSize) ||
        static_cast<std::uint64_t>(length) > size - at || !IsObjectRecordType(r.U8()))
        return false;
    r.Skip(kMatrixOffset - 5);
    for (int col = 0; col < 4; ++col) {
        r.Skip(12);
        if (r.F32() != (col == 3 ? 1.0f : 0.0f))
            return false;
    }
    return true;
}

// After a damaged length: the next place from which a record that fits the file is followed
// by another one or by the end of the file. `size` when there is none.
std::size_t NextWholeRecord(const std::uint8_t* data, std::size_t size, std::size_t from) {
    for (std::size_t at = from; at + kRecordHeaderSize <= size; ++at) {
        if (!RecordFitsAt(data, size, at))
            continue;
        CByteReader r(data + at, size - at);
        const auto next = at + static_cast<std::size_t>(r.I32());
        if (next == size || RecordFitsAt(data, size, next))
            return at;
    }
    return size;
}

CSceneObject* ReadPolyline(CByteReader& r) {
    if (!r.Has(6))
        return nullptr;
    auto line = std::make_unique<CPolyline>();
    const std::int32_t n = r.I32();
    line->closed = r.U8();
    r.U8();
    return ReadPoints(r, n, line->points) ? line.release() : nullptr;
}

CSceneObject* ReadPolyface(CByteReader& r) {
    if (!r.Has(8))
        return nullptr;
    auto face = std::make_unique<CPolyface>();
    const std::int64_t n = r.I32();
    const std::int64_t f = r.I32();
    if (f < 0 || !ReadPoints(r, n, face->vertices) ||
        static_cast<std::uint64_t>(f) > r.Remaining() / kFaceSize)
        return nullptr;
    face->faces.resize(static_cast<std::size_t>(f));
    for (Quad& q : face->faces)
        for (int& index : q) {
            index = r.I32();
            if (index < 0 || index >= n)
                return nullptr;
        }
    return face.release();
}

CSceneObject* ReadText(CByteReader& r) {
    if (!r.Has(4))
        return nullptr;
    auto text = std::make_unique<CText3D>();
    const int length = r.U8();
    text->fontChosen = r.U8();
    text->reserved = r.U8();
    const int countByte = r.U8();
    if (!r.Has(length))
        return nullptr;
    text->text = r.Text(length);
    // The count byte holds only the low byte of the stroke count; the record length has it all.
    std::int64_t count = r.Remaining() / kPointSize;
    if ((count & 0xFF) != countByte)
        count = countByte;
    return ReadPoints(r, count, text->strokes) ? text.release() : nullptr;
}

CSceneObject* ReadDimension(CByteReader& r) {
    if (!r.Has(6))
        return nullptr;
    const int kind = r.U8();
    if (kind > kDimensionAngle)
        return nullptr;
    auto dim = std::make_unique<CDimension>(kind);
    dim->reserved = r.U8();
    const int length = r.U8();
    r.U8();
    r.U8();
    const int count = r.U8();
    if (!r.Has(length))
        return nullptr;
    dim->label = r.Text(length);
    if (!ReadPoints(r, count, dim->points))
        return nullptr;
    if (kind == kDimensionVertical)
        dim->angle = 90.0f;
    return dim.release();
}

CSceneObject* ReadDrawingObject(const SceneRecordHeader& h, CByteReader& payload) {
    switch (h.type) {
    case kTypePolyline:
        return ReadPolyline(payload);
    case kTypePolyface:
        return ReadPolyface(payload);
    case kTypeText:
        return ReadText(payload);
    case kTypeDimension:
        return ReadDimension(payload);
    default:
        return nullptr;
    }
}

} // namespace

std::string SceneReadReport::Summary() const {
    if (problems.empty())
        return {};
    std::string text = "The scene file is damaged: read " + std::to_string(read) + " of " +
                       std::to_string(objects) + " objects.";
    for (const std::string& problem : problems)
        text += "\n" + problem;
    return text;
}

int DecodeScene(const std::uint8_t* data, std::size_t size, CObjectList& objects,
                const SceneReadContext& context) {
    SceneReadReport unused;
    SceneReadReport& report = context.report ? *context.report : unused;
    CByteReader r(data, size);
    if (!r.Has(kSignatureSize + 4))
        return 0;
    const std::string signature = r.Text(kSignatureSize);
    if (signature.compare(0, 5, "Tavro") != 0)
        return 0;
    const float version = r.F32();
    if (version > 3.0f) {
        if (!r.Has(2))
            return 0;
        const int views = r.I16();
        if (views < 0 || !r.Has(static_cast<std::size_t>(views) * kViewEntrySize))
            return 0;
        r.Skip(static_cast<std::size_t>(views) * kViewEntrySize);
    }

    std::map<int, CSceneObject*> groups;
    CFigureRecordReader figures(context, objects, report);
    int number = 0;
    while (r.Has(kRecordHeaderSize)) {
        const std::size_t at = size - r.Remaining();
        const std::string where =
            "record " + std::to_string(++number) + " at byte " + std::to_string(at);
        const SceneRecordHeader h = ReadRecordHeader(r);
        if (h.length < static_cast<std::int32_t>(kRecordHeaderSize) ||
            !r.Has(static_cast<std::size_t>(h.length) - kRecordHeaderSize)) {
            ++report.objects;
            const std::size_t next = NextWholeRecord(data, size, at + 1);
            report.problems.push_back(
                where + ": its length " + std::to_string(h.length) + " does not fit the file; " +
                (next < size ? "reading goes on at byte " + std::to_string(next)
                             : "the rest of the file is not read"));
            r = CByteReader(data, size);
            r.Skip(next);
            continue;
        }
        const std::uint8_t* raw = data + at;
        CByteReader payload = r.Sub(static_cast<std::size_t>(h.length) - kRecordHeaderSize);
        CSceneObject* group = nullptr;
        if (h.group != 0) {
            if (!groups[h.group]) {
                groups[h.group] = new CSceneObject();
                groups[h.group]->attributeB = 1;
                groups[h.group]->AddToList(objects);
            }
            group = groups[h.group];
        }
        switch (h.type) {
        case kTypePolyline:
        case kTypePolyface:
        case kTypeText:
        case kTypeDimension: {
            ++report.objects;
            CSceneObject* object = ReadDrawingObject(h, payload);
            if (!object) {
                report.problems.push_back(where + " (" + ObjectTypeName(h.type) + " \"" + h.name +
                                          "\"): its contents do not fit its length or hold "
                                          "values out of range; skipped");
                break;
            }
            ++report.read;
            object->colour = h.colour;
            object->SetName(h.name);
            object->attributeB = 0;
            if (group)
                group->AddChild(object);
            object->CenterOrigin();
            object->AddToList(objects);
            break;
        }
        case kTypeMannequin:
            figures.ReadFigure(h, payload, group, where, {raw, raw + h.length});
            break;
        case kTypeBodyPart:
            figures.ReadSegment(where, {raw, raw + h.length});
            break;
        case kTypeForce:
            figures.ReadForces(h, payload, where, {raw, raw + h.length});
            break;
        default:
            ++report.objects;
            report.problems.push_back(where + ": unknown kind " + std::to_string(h.type) +
                                      "; skipped");
            break;
        }
    }
    figures.Finish();
    if (r.Remaining() > 0) {
        ++report.objects; // the start of a record, cut short
        report.problems.push_back(std::to_string(r.Remaining()) +
                                  " bytes at the end of the file are not a whole record");
    }
    for (const auto& [number, group] : groups)
        group->CenterOrigin();
    return 1;
}

int ReadSceneFile(const std::string& path, CObjectList& objects, const SceneReadContext& context) {
    // Far beyond any scene (a thousand figures take 20 MB); larger files are refused whole
    // rather than read in part.
    constexpr std::size_t kMaxSceneFileSize = std::size_t(1) << 31;
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kMaxSceneFileSize && !error) {
        if (context.report)
            context.report->problems.push_back(path + " is larger than 2 GB");
        return 0;
    }
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, kMaxSceneFileSize, bytes))
        return 0;
    return DecodeScene(bytes.data(), bytes.size(), objects, context);
}
