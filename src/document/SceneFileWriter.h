#pragma once

#include "core/BoundingBox.h"
#include "core/Matrix4.h"

#include <cstdint>
#include <string>
#include <vector>

class CByteWriter;
class CObjectList;
class CSceneObject;

// The bytes of a scene file for these objects: the header, then in list order one record per
// polyline, polyface, text and dimension, and per figure its record, its 46 segment records and
// its force block. Objects with children (groups, wheelchairs) give their members a group number
// (attribute A, cleared again as each record is written); other object kinds are not stored.
std::vector<std::uint8_t> EncodeScene(const CObjectList& objects);

// What a scene file cannot hold of these objects, as a message naming the object: a text or
// dimension label longer than 254 characters, more than 65535 groups. Empty when all fits.
std::string SceneFileLimitProblem(const CObjectList& objects);

// Saves the scene at `path` as WriteFileReplacing does, keeping an existing file under its
// backup name. Returns 1, or 0 with the reason in `failure` when the file could not be written
// completely; the previous file is then left as it was.
int WriteSceneFile(const std::string& path, const CObjectList& objects,
                   std::string* failure = nullptr);

// Shared by the record writers: the fixed header, with the length field left for
// PatchRecordLength. Flat axes of `box` are widened at the minimum; its four stored corners are
// placed by `cornerPlacement` when given.
std::size_t BeginRecord(CByteWriter& w, int type, const CSceneObject& object, int flags,
                        int colourValue, const Vec3& centre, const BoundingBox& box,
                        const char* name, const Matrix4& matrix,
                        const Matrix4* cornerPlacement = nullptr);
void PatchRecordLength(CByteWriter& w, std::size_t recordStart);
// The points as stored: placed by `placement`, rounded to float32. Headers take their centre
// and box from these, so a file read back and written again gives the same bytes.
std::vector<Vec3> StoredPoints(const std::vector<Vec3>& local, const Matrix4& placement);
BoundingBox BoundsOf(const std::vector<Vec3>& points);
void WritePoints(CByteWriter& w, const std::vector<Vec3>& points);
// 16 float32, column by column.
void WriteMatrixColumns(CByteWriter& w, const Matrix4& m);
