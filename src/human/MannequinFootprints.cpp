#include "human/Mannequin.h"

#include "core/ByteReader.h"
#include "core/DataDirectory.h"
#include "core/UserReporter.h"
#include "human/BodyFiles.h"

#include <filesystem>

namespace {

// Indices of the sole outline and foot mesh points that are matched: outline points 0 and 14
// span the sole's length, as do foot vertices 3 and 2; point 0 is laid on vertex 3.
constexpr int kOutlineHeel = 0;
constexpr int kOutlineToe = 14;
constexpr int kFootSpanStart = 2;
constexpr int kFootAnchor = 3;

// Scales the outline to the foot's length and lays it on the foot, in figure coordinates.
// 0 when the outline or the foot has no length to match.
int FitOutline(const CMannequin& figure, int foot, const Footprint& outline, Footprint& placed) {
    const std::vector<Vec3>& v = figure.GetSegment(foot)->vertices;
    if (v.size() <= kFootAnchor)
        return 0;
    const float outlineLength =
        static_cast<float>(Distance(outline[kOutlineHeel], outline[kOutlineToe]));
    if (!(outlineLength > 0.0f))
        return 0;
    const float scale =
        static_cast<float>(Distance(v[kFootSpanStart], v[kFootAnchor])) / outlineLength;
    Matrix4 footFrame;
    figure.GetSegmentLocalFrame(foot, footFrame);
    const Vec3 shift = v[kFootAnchor] - outline[kOutlineHeel] * scale;
    for (int i = 0; i < kFootprintPoints; ++i)
        placed[i] = TransformPoint(footFrame, outline[i] * scale + shift);
    return 1;
}

} // namespace

int CMannequin::LoadFootprints(CUserReporter& reporter) {
    const std::string path = DataPath("footprn2.dat");
    std::vector<unsigned char> bytes;
    Footprint right, left;
    if (!ReadFileBytes(path, kFootprintFileSize, bytes) ||
        !ParseFootprintFile(bytes.data(), bytes.size(), right, left) ||
        !PlaceFootprints(right, left)) {
        reporter.Message("Cannot open FOOTPRINT DATA file: " + path);
        return 0;
    }
    return 1;
}

int CMannequin::PlaceFootprints(const Footprint& right, const Footprint& left) {
    Footprint placedRight, placedLeft;
    if (!FitOutline(*this, kLeftFoot, left, placedLeft) ||
        !FitOutline(*this, kRightFoot, right, placedRight))
        return 0;
    leftFootprint = placedLeft;
    rightFootprint = placedRight;
    return 1;
}

int CMannequin::CurrentFootprints(Footprint& left, Footprint& right) const {
    // The outline file is read again only when it changed: balance is asked for often.
    static std::string readPath;
    static std::filesystem::file_time_type readTime;
    static bool readOk = false;
    static Footprint outlineRight, outlineLeft;
    const std::string path = DataPath("footprn2.dat");
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error)
        return 0;
    if (path != readPath || time != readTime) {
        std::vector<unsigned char> bytes;
        readOk = ReadFileBytes(path, kFootprintFileSize, bytes) &&
                 ParseFootprintFile(bytes.data(), bytes.size(), outlineRight, outlineLeft);
        readPath = path;
        readTime = time;
    }
    return readOk && FitOutline(*this, kLeftFoot, outlineLeft, left) &&
           FitOutline(*this, kRightFoot, outlineRight, right);
}
