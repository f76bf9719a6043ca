#include "document/SceneFileMannequin.h"

#include "biomech/Force.h"
#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/ObjectList.h"
#include "core/UserReporter.h"
#include "core/ValueChecks.h"
#include "document/SceneFileFormat.h"
#include "document/SceneFileWriter.h"
#include "human/JointAngles.h"
#include "human/Mannequin.h"
#include "human/Representation.h"

#include <algorithm>
#include <cmath>
#include <string>

using namespace scenefile;

namespace {

constexpr float kPercentiles[5] = {2.5f, 5.0f, 50.0f, 95.0f, 97.5f};
constexpr std::size_t kUpperMinusAngleOffset = 4;
constexpr std::size_t kScaleOffset = 1108;
constexpr std::size_t kScaleFactorOffset = 1300;
constexpr std::size_t kStatureOffset = 1580;
// After the block: two bytes and two int32 ahead of the representation byte.
constexpr std::size_t kRepresentationOffset = 10;

// The abdomen's length scale as stored (float32), so that writer and reader agree on it.
double AbdomenScale(const CAnthropometry& a) {
    return static_cast<float>(a.scale[kAbdomen].y);
}

// Height of the figure's stored centre above its origin (in).
double CentreHeight(const CAnthropometry& a) {
    return (a.gender == kMale ? 7.28 : 6.96) * AbdomenScale(a);
}

// The pelvis offset of the stored placement (in, figure coordinates).
Vec3 PelvisOffset(const CAnthropometry& a) {
    const double s = AbdomenScale(a);
    return a.gender == kMale ? Vec3(-1.46, 7.28 * s + 19.92, 1.24)
                             : Vec3(-3.08, 6.96 * s + 18.88, -0.8);
}

// Stored database code of the population: male choices 0..4 as 3, 4, 5, 6, 8; female 0..2.
int DatabaseCode(const CAnthropometry& a) {
    const int choice = a.population > 0 ? a.population - 1 : 0;
    if (a.gender == kMale) {
        static const int kMaleCodes[5] = {3, 4, 5, 6, 8};
        return kMaleCodes[choice < 4 ? choice : 4];
    }
    return choice < 2 ? choice : 2;
}

// The figure's box in its own frame: every segment vertex brought from the world into it.
BoundingBox FigureOwnBounds(const CMannequin& figure) {
    BoundingBox box;
    const Matrix4 toFigure = Inverse(figure.transform);
    for (int j = 0; j < kSegmentCount; ++j) {
        const CBodyPart& part = *figure.GetSegment(j);
        const Matrix4 placement = toFigure * part.transform;
        for (const Vec3& v : part.vertices)
            box.Extend(TransformPoint(placement, v));
    }
    return box;
}

void WriteFigureRecord(CByteWriter& w, CMannequin& figure, const Matrix4& pelvisPlacement) {
    const CAnthropometry& a = figure.anthropometry;
    const Matrix4& m = figure.transform;
    // The box in the figure's own frame, its corners then placed like the figure.
    const BoundingBox local = FigureOwnBounds(figure);
    const Vec3 centre = TransformPoint(m, Vec3(0, CentreHeight(a), 0));
    const std::size_t start = BeginRecord(w, kTypeMannequin, figure, kFlagMannequin, figure.colour,
                                          centre, local, "MANNEQUIN", m, &m);
    w.I32(DatabaseCode(a));
    w.U8(a.gender);
    w.U8(a.bodyType);
    w.U8(a.population);

    w.F32(a.sizeRow >= 0 && a.sizeRow < 5 ? kPercentiles[a.sizeRow] : 0.0f);
    for (int j = 0; j < kSegmentCount; ++j) {
        const CBodyPart& part = *figure.GetSegment(j);
        w.Point(part.upperLimits - part.angles);
        w.Point(part.lowerLimits - part.angles);
    }
    for (const Vec3& s : a.scale)
        w.Point(s);
    for (int i = 0; i < 48; ++i)
        w.F32(1.0f);
    const CBodyPart& head = *figure.GetSegment(kHead);
    // The eyes: vertices 2 and 3 of the head mesh.
    w.Point(head.vertices.size() > 3 ? head.vertices[2] : Vec3());
    w.Point(head.vertices.size() > 3 ? head.vertices[3] : Vec3());
    for (double value : head.transform.m)
        w.F32(static_cast<float>(value));
    w.F32(a.stature);
    w.F32(a.weight);
    w.Zeros(72);

    w.U8(0);
    w.U8(0);
    w.I32(0);
    w.I32(0);
    // The representation goes in the first of 24 bytes that earlier readers pass over, so their
    // files (0 there) read as Human figures, as they always did.
    w.U8(figure.representation);
    w.Zeros(23);
    WriteMatrixColumns(w, pelvisPlacement);
    PatchRecordLength(w, start);
}

void WriteSegmentRecord(CByteWriter& w, const CMannequin& figure, const CBodyPart& part,
                        const Vec3& pelvis) {
    const std::vector<Vec3> points = StoredPoints(part.vertices, part.transform);
    const BoundingBox box = BoundsOf(points);
    const std::string name = part.name + std::to_string(figure.id);
    const Matrix4 stored = part.transform * Translation(pelvis);
    const std::size_t start =
        BeginRecord(w, kTypeBodyPart, part, 0, figure.colour, pelvis, box, name.c_str(), stored);
    w.I32(static_cast<std::int32_t>(points.size()));
    w.I32(static_cast<std::int32_t>(part.faces.size()));
    WritePoints(w, points);
    for (const Quad& q : part.faces)
        for (int index : q)
            w.I32(index);
    PatchRecordLength(w, start);
}

void WriteForceBlock(CByteWriter& w, const CMannequin& figure, const Vec3& pelvis) {
    const std::size_t start = BeginRecord(w, kTypeForce, figure, 0, figure.colour, Vec3(),
                                          BoundingBox(), "FORCE", Matrix4(true));
    w.I32(static_cast<std::int32_t>(figure.forces.size()));
    for (const CForce* f : figure.forces) {
        // The point relative to the origin of the segment's stored matrix (its frame moved by the
        // pelvis offset), taken without the translation so nothing cancels.
        const CBodyPart& part = *figure.GetSegment(f->segment);
        w.U8(f->segment);
        w.U8(f->kind);
        w.Point(TransformPoint(RotationPart(part.transform), f->location - pelvis));
        w.Point(f->force);
        w.Point(f->torque);
    }
    PatchRecordLength(w, start);
}

bool Finite(double v) {
    return std::isfinite(v);
}

// The figure's placement from the record header's matrix: translations below 1e-10 or above
// 1e10 read as 0, a rotation part with an element outside [-1, 1] (or not a number) as none.
Matrix4 PlacementFromStored(const Matrix4& stored) {
    Matrix4 placement(true);
    bool rotationValid = true;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const double v = stored(row, col);
            rotationValid = rotationValid && Finite(v) && v >= -1.0 && v <= 1.0;
        }
    if (rotationValid)
        placement = RotationPart(stored);
    for (int axis = 0; axis < 3; ++axis) {
        const double v = stored(axis, 3);
        placement(axis, 3) = (!Finite(v) || std::fabs(v) < 1e-10 || std::fabs(v) > 1e10) ? 0.0 : v;
    }
    for (int col = 0; col < 3; ++col)
        placement(3, col) = 0.0;
    placement(3, 3) = 1.0;
    return placement;
}

float Rounded(double v) {
    return static_cast<float>(v);
}

// While it lives, the figure stands exactly as a reader of its records rebuilds it: placement
// rounded to float32 and each joint angle to its limit minus the float32 distance stored.
// Written world data then reads back and writes again to the same bytes. The figure's own
// state comes back afterwards.
class CStoredPose {
public:
    explicit CStoredPose(CMannequin& figure) : figure(figure), placement(figure.transform) {
        for (double& v : figure.transform.m)
            v = Rounded(v);
        for (int j = 0; j < kSegmentCount; ++j) {
            CBodyPart& part = *figure.GetSegment(j);
            angles[j] = part.angles;
            rotations[j] = part.jointRotation;
            const Vec3 gap = part.upperLimits - part.angles;
            part.angles = part.upperLimits - Vec3(Rounded(gap.x), Rounded(gap.y), Rounded(gap.z));
            part.RebuildJointRotation();
        }
        figure.UpdatePosture();
    }
    ~CStoredPose() {
        figure.transform = placement;
        for (int j = 0; j < kSegmentCount; ++j) {
            figure.GetSegment(j)->angles = angles[j];
            figure.GetSegment(j)->jointRotation = rotations[j];
        }
        figure.UpdatePosture();
    }
    CStoredPose(const CStoredPose&) = delete;
    CStoredPose& operator=(const CStoredPose&) = delete;

private:
    CMannequin& figure;
    Matrix4 placement;
    std::array<Vec3, kSegmentCount> angles;
    std::array<Matrix4, kSegmentCount> rotations;
};

// Passes a figure build's messages on and keeps them for the read's report.
class CKeepingReporter : public CUserReporter {
public:
    explicit CKeepingReporter(CUserReporter& next) : next(next) {}
    void Message(const std::string& text, const std::string& caption) override {
        kept += (kept.empty() ? "" : "; ") + text;
        next.Message(text, caption);
    }
    bool Question(const std::string& text, const std::string& caption) override {
        return next.Question(text, caption);
    }
    std::string kept;

private:
    CUserReporter& next;
};

// A figure rebuilt from its stored anthropometry and representation: by the context's builder,
// or from the data directory (as a Human figure when the stored representation has no mesh
// for it). Null, with the reason in `why`, when it cannot be built.
CMannequin* BuildStoredFigure(const CAnthropometry& anthropometry, int representation,
                              const SceneReadContext& ctx, std::string& why) {
    CMannequin* figure = nullptr;
    CStderrReporter fallback;
    CKeepingReporter reporter(ctx.reporter ? *ctx.reporter : fallback);
    if (ctx.buildFigure) {
        figure = ctx.buildFigure(anthropometry, representation);
    } else {
        figure = new CMannequin(representation, anthropometry, reporter);
        if (!figure->valid && representation != kRepresentationHuman) {
            delete figure;
            figure = new CMannequin(kRepresentationHuman, anthropometry, reporter);
        }
        if (!figure->valid) {
            delete figure;
            figure = nullptr;
        }
    }
    if (figure)
        figure->settings = ctx.settings;
    else
        why = reporter.kept.empty() ? "its body data could not be read" : reporter.kept;
    return figure;
}

// What is wrong with a stored anthropometry, or empty.
std::string CheckStoredAnthropometry(const CAnthropometry& a) {
    if (!std::isfinite(a.stature) || a.stature <= 0.0f || a.stature > 300.0f)
        return "its stature " + std::to_string(a.stature) + " cm is out of range";
    if (!std::isfinite(a.weight) || a.weight <= 0.0f || a.weight > 500.0f)
        return "its weight " + std::to_string(a.weight) + " kg is out of range";
    for (const Vec3& s : a.scale)
        for (double v : {s.x, s.y, s.z})
            if (!std::isfinite(v) || v <= 0.0 || v >= kMaxScale)
                return "a scale factor " + std::to_string(v) + " is out of range";
    return {};
}

std::string FigureLabel(const CAnthropometry& a) {
    return std::string(a.gender == kMale ? "male" : "female") + ", population " +
           std::to_string(a.population) + ", size row " + std::to_string(a.sizeRow);
}

} // namespace

void WriteMannequinRecords(CByteWriter& w, CSceneObject& object) {
    auto& figure = static_cast<CMannequin&>(object);
    const CStoredPose stored(figure);
    const Vec3 pelvis = PelvisOffset(figure.anthropometry);
    WriteFigureRecord(w, figure, figure.transform * Translation(pelvis));
    for (int j = 0; j < kSegmentCount; ++j)
        WriteSegmentRecord(w, figure, *figure.GetSegment(j), pelvis);
    if (!figure.forces.empty())
        WriteForceBlock(w, figure, pelvis);
}

void CFigureRecordReader::ReadFigure(const SceneRecordHeader& h, CByteReader& payload,
                                     CSceneObject* group, const std::string& where, Bytes raw) {
    Finish();
    ++report.objects;
    figureWhere = where + " (figure)";
    if (h.length != static_cast<std::int32_t>(kMannequinRecordSize)) {
        report.problems.push_back(figureWhere + ": its length " + std::to_string(h.length) +
                                  " is not " + std::to_string(kMannequinRecordSize) +
                                  "; the figure is skipped");
        skipped = true;
        return;
    }
    CAnthropometry a;
    payload.I32(); // database code: the population byte says it all
    a.gender = payload.U8() == kFemale ? kFemale : kMale;
    a.bodyType = payload.U8();
    a.population = payload.U8();
    // Children are told by their population code; adults keep child table 0.
    a.childTable = IsChildPopulation(a.population) ? a.population - kFirstChildPopulation : 0;
    CByteReader block = payload.Sub(kMannequinBlockSize);
    const float percentile = block.F32();
    a.sizeRow = kCustomSizeRow;
    for (int row = 0; row < 5; ++row)
        if (percentile == kPercentiles[row])
            a.sizeRow = row;
    for (int j = 0; j < kSegmentCount; ++j) {
        upperMinusAngle[j] = block.Point();
        block.Point(); // lower limit minus angle: the limits come from the limit file
    }
    CByteReader scales(block), factors(block);
    scales.Skip(kScaleOffset - kUpperMinusAngleOffset - 46 * 24);
    factors.Skip(kScaleFactorOffset - kUpperMinusAngleOffset - 46 * 24);
    for (Vec3& s : a.scale) {
        const Vec3 value = scales.Point();
        const Vec3 factor = factors.Point();
        s = Vec3(value.x * factor.x, value.y * factor.y, value.z * factor.z);
    }
    block.Skip(kStatureOffset - kUpperMinusAngleOffset - 46 * 24);
    a.stature = block.F32();
    a.weight = block.F32();
    payload.Skip(kRepresentationOffset);
    const int stored = payload.U8();
    const int representation = stored < kRepresentationCount ? stored : kRepresentationHuman;
    // The closing matrix (placement times the pelvis offset) repeats the header's placement.

    if (const std::string wrong = CheckStoredAnthropometry(a); !wrong.empty()) {
        report.problems.push_back(figureWhere + ": " + wrong + "; the figure is skipped");
        skipped = true;
        return;
    }
    std::string why;
    CMannequin* built = BuildStoredFigure(a, representation, context, why);
    if (!built) {
        report.problems.push_back(figureWhere + " (" + FigureLabel(a) + ") could not be rebuilt: " +
                                  why + ". It is kept as stored and saved again unchanged.");
        unread = new CUnreadFigure();
        unread->SetName(h.name);
        unread->colour = h.colour;
        raw[5] = 0; // its wheelchair stays in the scene as a plain group
        unread->records = std::move(raw);
        unread->AddToList(objects);
        return;
    }
    ++report.read;
    built->colour = h.colour;
    built->UpdatePosture();
    built->AddToList(objects);
    built->transform = PlacementFromStored(h.matrix);
    if (group && !group->parent) {
        group->transform = Inverse(built->transform) * group->transform;
        group->type = kTypeWheelchair;
        built->AddChild(group);
    }
    figure = built;
    CheckStoredJoints(figureWhere);
    ApplyStoredJoints();
}

void CFigureRecordReader::ReadSegment(const std::string& where, const Bytes& raw) {
    if (unread)
        unread->records.insert(unread->records.end(), raw.begin(), raw.end());
    else if (!skipped && (!figure || segmentCount >= kSegmentCount))
        report.problems.push_back(where + ": a segment record without its figure; skipped");
    ++segmentCount;
}

void CFigureRecordReader::Finish() {
    if ((figure || unread) && segmentCount < kSegmentCount)
        report.problems.push_back(figureWhere + ": only " + std::to_string(segmentCount) +
                                  " of its " + std::to_string(kSegmentCount) +
                                  " segment records follow it");
    figure = nullptr;
    unread = nullptr;
    skipped = false;
    segmentCount = 0;
}

// Each stored angle must be a number within the segment's joint limits (a float32 rounding
// apart); others are reported and set within them.
bool CFigureRecordReader::CheckStoredJoints(const std::string& where) {
    constexpr double kRounding = 0.01; // degrees
    std::string outside;
    for (int j = 0; j < kSegmentCount; ++j) {
        const CBodyPart& part = *figure->GetSegment(j);
        Vec3& gap = upperMinusAngle[j];
        for (int axis = 0; axis < 3; ++axis) {
            const double angle = part.upperLimits[axis] - gap[axis];
            const double low = part.lowerLimits[axis] - kRounding;
            const double high = part.upperLimits[axis] + kRounding;
            if (std::isfinite(angle) && angle >= low && angle <= high)
                continue;
            const double kept =
                std::isfinite(angle)
                    ? std::clamp(angle, part.lowerLimits[axis], part.upperLimits[axis])
                    : std::clamp(0.0, part.lowerLimits[axis], part.upperLimits[axis]);
            gap[axis] = part.upperLimits[axis] - kept;
            if (outside.find(part.name) == std::string::npos)
                outside += (outside.empty() ? "" : ", ") + std::string(part.name);
        }
    }
    if (!outside.empty())
        report.problems.push_back(where + ": stored joint angles of " + outside +
                                  " are not numbers or lie outside the joint limits; they are "
                                  "set within the limits");
    return outside.empty();
}

void CFigureRecordReader::ApplyStoredJoints() {
    for (int j = 0; j < kSegmentCount; ++j) {
        CBodyPart& part = *figure->GetSegment(j);
        part.limitsEnabled = 1;
        part.angles = part.upperLimits - upperMinusAngle[j];
        part.RebuildJointRotation();
        part.Invalidate();
    }
    figure->UpdatePosture();
}

void CFigureRecordReader::ReadForces(const SceneRecordHeader& h, CByteReader& payload,
                                     const std::string& where, const Bytes& raw) {
    if (unread && unread->colour == h.colour) {
        unread->records.insert(unread->records.end(), raw.begin(), raw.end());
        return;
    }
    const std::int64_t count = payload.Has(4) ? payload.I32() : -1;
    if (skipped)
        return; // the loads of a figure already reported
    if (!figure || figure->colour != h.colour) {
        report.problems.push_back(where + ": loads without their figure; skipped");
        return;
    }
    if (count < 0 || static_cast<std::uint64_t>(count) > payload.Remaining() / kForceEntrySize) {
        report.problems.push_back(where + ": the figure's load count does not fit its length; "
                                          "the loads are skipped");
        return;
    }
    const Vec3 pelvis = PelvisOffset(figure->anthropometry);
    int refused = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const int segment = payload.U8();
        const int kind = payload.U8();
        const Vec3 point = payload.Point();
        const Vec3 force = payload.Point();
        const Vec3 torque = payload.Point();
        if (segment >= kSegmentCount || !IsStorableCoordinate(point) ||
            !IsStorableCoordinate(force) || !IsStorableCoordinate(torque)) {
            ++refused;
            continue;
        }
        // Back into the segment's frame: the inverse of the writer's rotation, then the offset.
        const Matrix4 toSegment = Inverse(RotationPart(figure->GetSegment(segment)->transform));
        const Vec3 location = TransformPoint(toSegment, point) + pelvis;
        if (CForce* added =
                figure->AddForce(segment, kind, location, force, torque, nullptr, false))
            added->AddToList(objects);
    }
    if (refused)
        report.problems.push_back(where + ": " + std::to_string(refused) + " of " +
                                  std::to_string(count) +
                                  " loads name no segment or hold values out of range; skipped");
    figure->UpdatePosture();
}
