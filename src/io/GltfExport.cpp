#include "io/GltfExport.h"

#include "core/ObjectList.h"
#include "core/SafeFileWrite.h"
#include "core/SceneObject.h"
#include "human/Mannequin.h"
#include "io/ExportGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr int kModeLines = 1, kModeLineStrip = 3, kModeTriangles = 4;

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

// Collects the JSON arrays and the binary buffer of a glTF scene.
class GltfBuilder {
public:
    // A node with the object's mesh (none for an empty one); returns its index.
    int AddObjectNode(const CSceneObject& object) {
        std::vector<Vec3> points;
        std::vector<std::uint32_t> indices;
        int mode = kModeTriangles;
        if (const std::vector<Quad>* faces = WorldMesh(object, points)) {
            for (const Quad& f : *faces) {
                if (!Valid(f, points.size()))
                    continue;
                indices.insert(indices.end(),
                               {std::uint32_t(f[0]), std::uint32_t(f[1]), std::uint32_t(f[2])});
                if (f[3] != f[2])
                    indices.insert(indices.end(),
                                   {std::uint32_t(f[0]), std::uint32_t(f[2]), std::uint32_t(f[3])});
            }
        } else if (WorldPolyline(object, points)) {
            mode = object.type == kTypeDashedPolyline ? kModeLines : kModeLineStrip;
            for (std::uint32_t i = 0; i < points.size(); ++i)
                indices.push_back(i);
            if (mode == kModeLines && indices.size() % 2)
                indices.pop_back();
        }
        std::string node = "{\"name\":" + Quoted(object.name);
        if (!indices.empty() && (mode != kModeLineStrip || indices.size() >= 2))
            node += ",\"mesh\":" + std::to_string(AddMesh(points, indices, mode, object.colour));
        return AddNode(node + "}");
    }

    int AddGroupNode(const std::string& name, const std::vector<int>& children) {
        std::string node = "{\"name\":" + Quoted(name);
        if (!children.empty()) {
            node += ",\"children\":[";
            for (std::size_t i = 0; i < children.size(); ++i)
                node += (i ? "," : "") + std::to_string(children[i]);
            node += "]";
        }
        return AddNode(node + "}");
    }

    std::vector<std::uint8_t> Glb(const std::vector<int>& roots) const {
        std::string json = "{\"asset\":{\"version\":\"2.0\",\"generator\":\"Tavrona\"},"
                           "\"scene\":0,\"scenes\":[{\"nodes\":[";
        for (std::size_t i = 0; i < roots.size(); ++i)
            json += (i ? "," : "") + std::to_string(roots[i]);
        json += "]}]";
        Array(json, "nodes", nodes);
        Array(json, "meshes", meshes);
        Array(json, "materials", materials);
        Array(json, "accessors", accessors);
        Array(json, "bufferViews", views);
        if (!buffer.empty())
            json += ",\"buffers\":[{\"byteLength\":" + std::to_string(buffer.size()) + "}]";
        json += "}";
        while (json.size() % 4)
            json += ' ';
        std::vector<std::uint8_t> out;
        auto u32 = [&out](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        const std::size_t total = 12 + 8 + json.size() + (buffer.empty() ? 0 : 8 + buffer.size());
        u32(0x46546C67); // "glTF"
        u32(2);
        u32(static_cast<std::uint32_t>(total));
        u32(static_cast<std::uint32_t>(json.size()));
        u32(0x4E4F534A); // "JSON"
        out.insert(out.end(), json.begin(), json.end());
        if (!buffer.empty()) {
            u32(static_cast<std::uint32_t>(buffer.size()));
            u32(0x004E4942); // "BIN"
            out.insert(out.end(), buffer.begin(), buffer.end());
        }
        return out;
    }

private:
    static bool Valid(const Quad& f, std::size_t count) {
        return std::all_of(f.begin(), f.end(),
                           [count](int i) { return i >= 0 && std::size_t(i) < count; });
    }

    static void Array(std::string& json, const char* key, const std::vector<std::string>& items) {
        if (items.empty())
            return;
        json += ",\"" + std::string(key) + "\":[";
        for (std::size_t i = 0; i < items.size(); ++i)
            json += (i ? "," : "") + items[i];
        json += "]";
    }

    int AddNode(const std::string& node) {
        nodes.push_back(node);
        return static_cast<int>(nodes.size()) - 1;
    }

    // A buffer view of `bytes` (aligned to 4), returning its index.
    int AddView(const void* bytes, std::size_t size, int target) {
        const std::size_t offset = buffer.size();
        const auto* b = static_cast<const std::uint8_t*>(bytes);
        buffer.insert(buffer.end(), b, b + size);
        while (buffer.size() % 4)
            buffer.push_back(0);
        views.push_back("{\"buffer\":0,\"byteOffset\":" + std::to_string(offset) +
                        ",\"byteLength\":" + std::to_string(size) +
                        ",\"target\":" + std::to_string(target) + "}");
        return static_cast<int>(views.size()) - 1;
    }

    int AddMesh(const std::vector<Vec3>& points, const std::vector<std::uint32_t>& indices,
                int mode, int colour) {
        std::vector<float> xyz;
        xyz.reserve(points.size() * 3);
        float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
        for (const Vec3& p : points)
            for (int k = 0; k < 3; ++k) {
                const float v = static_cast<float>(p[k] * kMetresPerInch);
                xyz.push_back(v);
                low[k] = std::min(low[k], v);
                high[k] = std::max(high[k], v);
            }
        const int positionView = AddView(xyz.data(), xyz.size() * 4, 34962);
        accessors.push_back("{\"bufferView\":" + std::to_string(positionView) +
                            ",\"componentType\":5126,\"count\":" + std::to_string(points.size()) +
                            ",\"type\":\"VEC3\",\"min\":[" + Number(low[0]) + "," + Number(low[1]) +
                            "," + Number(low[2]) + "],\"max\":[" + Number(high[0]) + "," +
                            Number(high[1]) + "," + Number(high[2]) + "]}");
        const int position = static_cast<int>(accessors.size()) - 1;
        const int indexView = AddView(indices.data(), indices.size() * 4, 34963);
        accessors.push_back("{\"bufferView\":" + std::to_string(indexView) +
                            ",\"componentType\":5125,\"count\":" + std::to_string(indices.size()) +
                            ",\"type\":\"SCALAR\"}");
        const int index = static_cast<int>(accessors.size()) - 1;
        meshes.push_back(
            "{\"primitives\":[{\"attributes\":{\"POSITION\":" + std::to_string(position) +
            "},\"indices\":" + std::to_string(index) + ",\"mode\":" + std::to_string(mode) +
            ",\"material\":" + std::to_string(Material(colour)) + "}]}");
        return static_cast<int>(meshes.size()) - 1;
    }

    int Material(int colour) {
        const auto found = materialOf.find(colour);
        if (found != materialOf.end())
            return found->second;
        char name[8];
        std::snprintf(name, sizeof name, "#%02X%02X%02X", RedOf(colour), GreenOf(colour),
                      BlueOf(colour));
        materials.push_back("{\"name\":\"" + std::string(name) +
                            "\",\"pbrMetallicRoughness\":{\"baseColorFactor\":[" +
                            Number(RedOf(colour) / 255.0) + "," + Number(GreenOf(colour) / 255.0) +
                            "," + Number(BlueOf(colour) / 255.0) +
                            ",1],\"metallicFactor\":0,\"roughnessFactor\":1},"
                            "\"doubleSided\":true}");
        return materialOf[colour] = static_cast<int>(materials.size()) - 1;
    }

    std::vector<std::string> nodes, meshes, materials, accessors, views;
    std::vector<std::uint8_t> buffer;
    std::map<int, int> materialOf;
};

// The node of a segment and, below it, those of the segments hanging from it.
int AddSegmentTree(GltfBuilder& gltf, const CBodyPart& segment) {
    std::vector<int> children;
    for (const CBodyPart* child : segment.childSegments)
        children.push_back(AddSegmentTree(gltf, *child));
    const int node = gltf.AddObjectNode(segment);
    if (children.empty())
        return node;
    // A segment with children: its mesh node and the child trees under one node of its name.
    children.insert(children.begin(), node);
    return gltf.AddGroupNode(segment.name, children);
}

} // namespace

ExchangeStatus ExportGlb(const CObjectList& objects, const std::string& path,
                         CExchangeProgress* progress) {
    GltfBuilder gltf;
    std::vector<int> roots;
    std::size_t done = 0;
    for (const CSceneObject* object : objects) {
        if (object->type == kTypeMannequin) {
            const auto& figure = static_cast<const CMannequin&>(*object);
            std::vector<int> trees;
            for (int i = 0; i < kSegmentCount; ++i)
                if (const CBodyPart* segment = figure.GetSegment(i); !segment->parentSegment)
                    trees.push_back(AddSegmentTree(gltf, *segment));
            roots.push_back(gltf.AddGroupNode(figure.name, trees));
        } else if (object->type != kTypeBodyPart && IsExportedObject(*object) &&
                   (object->type == kTypePolyface || object->type == kTypePolyline ||
                    object->type == kTypeDashedPolyline)) {
            roots.push_back(gltf.AddObjectNode(*object));
        }
        ++done;
        if (progress && progress->Update(static_cast<int>(done * 100 / objects.size())))
            return kExchangeCancelled;
    }
    return WriteFileReplacing(path, gltf.Glb(roots)) ? kExchangeDone : kExchangeFailed;
}
