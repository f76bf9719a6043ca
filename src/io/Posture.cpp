#include "io/Posture.h"

#include "human/JointAngles.h"
#include "human/Mannequin.h"
#include "model/ByteReader.h"
#include "model/ByteWriter.h"
#include "model/SafeFileWrite.h"

#include <bit>

void CapturePosture(const CMannequin& figure, CPosture& posture) {
    for (int i = 0; i < CPosture::kSegments; ++i) {
        const CBodyPart& segment = *figure.GetSegment(i);
        posture.upperLimits[i] = segment.upperLimits;
        posture.lowerLimits[i] = segment.lowerLimits;
        posture.angles[i] = segment.angles;
        posture.orientation[i] = DecomposeJointRotation(segment.jointRotation);
    }
}

void ApplyPosture(CMannequin& figure, const CPosture& posture) {
    for (int i = 0; i < CPosture::kSegments; ++i) {
        CBodyPart& segment = *figure.GetSegment(i);
        segment.upperLimits = posture.upperLimits[i];
        segment.lowerLimits = posture.lowerLimits[i];
        segment.angles = posture.angles[i];
        segment.jointRotation = JointRotationFromAngles(posture.orientation[i]);
        segment.Invalidate();
    }
}

void InterpolatePosture(CMannequin& figure, double percent, const CPosture& initial,
                        const CPosture& final) {
    const double w = percent * 0.01;
    auto blend = [w](const Vec3& a, const Vec3& b) { return (1.0 - w) * a + w * b; };
    for (int i = 0; i < CPosture::kSegments; ++i) {
        CBodyPart& segment = *figure.GetSegment(i);
        segment.upperLimits = blend(initial.upperLimits[i], final.upperLimits[i]);
        segment.lowerLimits = blend(initial.lowerLimits[i], final.lowerLimits[i]);
        segment.angles = blend(initial.angles[i], final.angles[i]);
        segment.jointRotation = JointRotationFromAngles(segment.angles);
        segment.Invalidate();
    }
}

namespace {

template <typename Visit> void ForEachTable(CPosture& p, Visit visit) {
    for (auto* table : {&p.upperLimits, &p.lowerLimits, &p.angles, &p.orientation})
        for (Vec3& v : *table)
            visit(v);
}

void WriteDouble(CByteWriter& w, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    w.I32(static_cast<std::int32_t>(bits & 0xFFFFFFFFu));
    w.I32(static_cast<std::int32_t>(bits >> 32));
}

double ReadDouble(CByteReader& r) {
    const auto low = static_cast<std::uint32_t>(r.I32());
    const auto high = static_cast<std::uint32_t>(r.I32());
    return std::bit_cast<double>((static_cast<std::uint64_t>(high) << 32) | low);
}

} // namespace

std::vector<std::uint8_t> EncodePosture(const CPosture& posture) {
    CByteWriter w;
    w.bytes.reserve(CPosture::kFileSize);
    CPosture copy = posture;
    ForEachTable(copy, [&w](Vec3& v) {
        WriteDouble(w, v.x);
        WriteDouble(w, v.y);
        WriteDouble(w, v.z);
    });
    return std::move(w.bytes);
}

int DecodePosture(const std::uint8_t* data, std::size_t size, CPosture& posture) {
    if (size < CPosture::kFileSize)
        return 0;
    CByteReader r(data, size);
    ForEachTable(posture, [&r](Vec3& v) {
        v.x = ReadDouble(r);
        v.y = ReadDouble(r);
        v.z = ReadDouble(r);
    });
    return 1;
}

int WritePostureFile(const CPosture& posture, const std::string& path) {
    return WriteFileReplacing(path, EncodePosture(posture));
}

int ReadPostureFile(CPosture& posture, const std::string& path) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, CPosture::kFileSize, bytes))
        return 0;
    return DecodePosture(bytes.data(), bytes.size(), posture);
}
