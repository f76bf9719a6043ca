#include "io/ExportGeometry.h"

#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "human/BodyPart.h"

bool IsExportedObject(const CSceneObject& object) {
    return object.type == kTypeBodyPart || object.attributeB == 0;
}

const std::vector<Quad>* WorldMesh(const CSceneObject& object, std::vector<Vec3>& vertices) {
    if (object.type == kTypeBodyPart) {
        const auto& segment = static_cast<const CBodyPart&>(object);
        vertices = segment.worldVertices; // placed by the last posture update
        return &segment.faces.Items();
    }
    if (object.type != kTypePolyface)
        return nullptr;
    const auto& mesh = static_cast<const CPolyface&>(object);
    const Matrix4 world = WorldMatrix(object);
    vertices.clear();
    vertices.reserve(mesh.vertices.size());
    for (const Vec3& v : mesh.vertices)
        vertices.push_back(TransformPoint(world, v));
    return &mesh.faces;
}

bool WorldPolyline(const CSceneObject& object, std::vector<Vec3>& points) {
    if (object.type != kTypePolyline && object.type != kTypeDashedPolyline)
        return false;
    const auto& line = static_cast<const CPolyline&>(object);
    const Matrix4 world = WorldMatrix(object);
    points.clear();
    points.reserve(line.points.size());
    for (const Vec3& p : line.points)
        points.push_back(TransformPoint(world, p));
    return true;
}
