#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CAnthropometry;
class CMannequin;
class CObjectList;
class CUserReporter;
struct CGlobalSettings;

// What a read found damaged or could not rebuild, each problem naming the record and why.
// Objects are the records of drawing objects and figures (a damaged stretch of the file that
// had to be skipped counts as one); a file read whole has no problems.
struct SceneReadReport {
    int objects = 0;
    int read = 0;
    std::vector<std::string> problems;

    // "read N of M objects" and the problems, one a line; empty when there are none.
    std::string Summary() const;
};

// What reading figures needs: where to report data file failures, the display switches the
// rebuilt figures draw with (may be null), and how a figure is rebuilt from its stored
// anthropometry and representation (null: from the data directory, as New Mannequin builds it;
// tests give figures of their own). A builder returns null when the figure cannot be built.
struct SceneReadContext {
    CUserReporter* reporter = nullptr;
    const CGlobalSettings* settings = nullptr;
    std::function<CMannequin*(const CAnthropometry&, int representation)> buildFigure;
    // Where the problems of the read go (may be null).
    SceneReadReport* report = nullptr;
};

// Reads a scene file and appends its objects, each followed by its descendants, to `objects`:
// drawing objects in world placement with their origin at their centre, groups as plain group
// objects, figures rebuilt with their posture, placement, wheelchair and forces. Returns 0 when
// the file cannot be opened or is not a scene file (nothing is appended), else 1. Damaged records
// (contents that do not fit their length, vertices that do not exist, values that are not
// finite or out of range) are skipped; after a record length that does not fit, reading goes
// on at the next place where whole records follow. Each problem goes to the context's report.
// A figure whose body data cannot be read is kept as its records (kTypeUnreadFigure).
int ReadSceneFile(const std::string& path, CObjectList& objects, const SceneReadContext& context);
int DecodeScene(const std::uint8_t* data, std::size_t size, CObjectList& objects,
                const SceneReadContext& context);

// The fixed part of an object record.
struct SceneRecordHeader {
    std::int32_t length = 0;
    int type = 0;
    int group = 0;
    int flags = 0;
    std::int32_t colour = 0;
    Vec3 centre;
    char name[12] = {};
    Matrix4 matrix{true}; // stored column by column
};
