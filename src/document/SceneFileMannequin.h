#pragma once

#include "core/Matrix4.h"
#include "core/SceneObject.h"
#include "document/SceneFileReader.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CByteReader;
class CByteWriter;
class CMannequin;
class CObjectList;
class CSceneObject;

// Writes a figure as its mannequin record (anthropometry, joint state, placement), its 46
// segment records (world frame and world vertices) and, when it carries loads, a force block.
void WriteMannequinRecords(CByteWriter& w, CSceneObject& figure);

// A figure a scene file holds whose body data could not be read: the bytes of its mannequin,
// segment and force records, written back as they are when the scene is saved.
class CUnreadFigure : public CSceneObject {
public:
    CUnreadFigure() { type = kTypeUnreadFigure; }
    CUnreadFigure(const CUnreadFigure& source, bool keepId)
        : CSceneObject(source, keepId), records(source.records) {}
    std::vector<std::uint8_t> records;
};

// Rebuilds figures from their records while a scene file is read: a mannequin record builds and
// lists the figure with its posture, the 46 segment records that follow are counted, a force
// block gives its loads. A figure that cannot be rebuilt from the data directory is listed as
// its records' bytes, so that a save writes it back. Problems go to `report`.
class CFigureRecordReader {
public:
    using Bytes = std::vector<std::uint8_t>;
    CFigureRecordReader(const SceneReadContext& context, CObjectList& objects,
                        SceneReadReport& report)
        : context(context), objects(objects), report(report) {}

    // `group`, when given, becomes the figure's wheelchair. `where` names the record in
    // messages; `raw` is the whole record.
    void ReadFigure(const SceneRecordHeader& h, CByteReader& payload, CSceneObject* group,
                    const std::string& where, Bytes raw);
    void ReadSegment(const std::string& where, const Bytes& raw);
    void ReadForces(const SceneRecordHeader& h, CByteReader& payload, const std::string& where,
                    const Bytes& raw);
    // At the end of the file: reports a figure whose segment records were cut short.
    void Finish();

private:
    bool CheckStoredJoints(const std::string& where);
    void ApplyStoredJoints();

    const SceneReadContext& context;
    CObjectList& objects;
    SceneReadReport& report;
    CMannequin* figure = nullptr;    // the figure whose segment records are being read
    CUnreadFigure* unread = nullptr; // or the records of one that could not be rebuilt
    bool skipped = false;            // or a damaged figure record was skipped
    std::string figureWhere;         // its record, for messages
    int segmentCount = 0;
    std::array<Vec3, 46> upperMinusAngle; // degrees
};
