#pragma once

#include "core/Matrix4.h"
#include "document/SceneFileReader.h"

#include <array>
#include <vector>

class CByteReader;
class CByteWriter;
class CMannequin;
class CObjectList;
class CSceneObject;

// Writes a figure as its mannequin record (anthropometry, joint state, placement), its 46
// segment records (world frame and world vertices) and, when it carries loads, a force block.
void WriteMannequinRecords(CByteWriter& w, CSceneObject& figure);

// Rebuilds figures from their records while a scene file is read: a mannequin record builds and
// lists the figure, the 46 segment records that follow set its posture, a force block its loads.
class CFigureRecordReader {
public:
    CFigureRecordReader(const SceneReadContext& context, CObjectList& objects)
        : context(context), objects(objects) {}

    // `group`, when given, becomes the figure's wheelchair.
    void ReadFigure(const SceneRecordHeader& h, CByteReader& payload, CSceneObject* group);
    void ReadSegment(const SceneRecordHeader& h);
    void ReadForces(const SceneRecordHeader& h, CByteReader& payload);

private:
    void ApplyStoredJoints();

    const SceneReadContext& context;
    CObjectList& objects;
    CMannequin* figure = nullptr; // the figure whose segment records are being read
    int segmentCount = 0;
    std::array<Matrix4, 46> segmentMatrices;
    std::array<Vec3, 46> upperMinusAngle; // degrees
    bool reportedDamage = false;          // a damaged file is reported once
};
