#include "human/Representation.h"

namespace {
struct RepresentationRow {
    const char* name;
    const char* maleFile;
    const char* femaleFile;
};
constexpr RepresentationRow kRows[kRepresentationCount] = {
    {"Human", "usa_m.per", "usa_f.per"},          {"Robot", "usa_m1.per", "usa_f1.per"},
    {"Stick Figure", "usa_m2.per", "usa_f2.per"}, {"Skeleton", "usa_m3.per", "usa_f3.per"},
    {"HumanForm", "usa_m4.per", "usa_f4.per"},
};
bool IsKnown(int r) {
    return r >= 0 && r < kRepresentationCount;
}
} // namespace

const char* RepresentationName(int representation) {
    return IsKnown(representation) ? kRows[representation].name : "";
}

const char* RepresentationMeshFile(int representation, bool male) {
    if (!IsKnown(representation))
        return "";
    return male ? kRows[representation].maleFile : kRows[representation].femaleFile;
}
