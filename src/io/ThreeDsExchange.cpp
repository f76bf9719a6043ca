#include "io/ThreeDsExchange.h"

#include "core/ObjectList.h"
#include "core/SceneObject.h"
#include "draw/Polyface.h"
#include "io/ExportGeometry.h"

#include <lib3ds/file.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

// The format indexes points and counts triangles with 16 bits.
constexpr std::size_t kMaxMeshItems = 65535;

struct FileOwner {
    Lib3dsFile* file;
    ~FileOwner() {
        if (file)
            lib3ds_file_free(file);
    }
};

void CopyName(char (&target)[64], const std::string& name) {
    std::snprintf(target, sizeof target, "%s", name.c_str());
}

void AddMaterial(Lib3dsFile* file, int colour) {
    Lib3dsMaterial* material = lib3ds_material_new();
    CopyName(material->name, std::to_string(colour));
    const float rgb[3] = {RedOf(colour) / 255.0f, GreenOf(colour) / 255.0f,
                          BlueOf(colour) / 255.0f};
    for (int i = 0; i < 3; ++i) {
        material->ambient[i] = material->diffuse[i] = rgb[i];
        material->specular[i] = 1.0f;
    }
    material->ambient[3] = material->diffuse[3] = material->specular[3] = 1.0f;
    material->shininess = 1.0f;
    material->shin_strength = 1.0f;
    material->transparency = 0.0f;
    lib3ds_file_insert_material(file, material);
}

// One mesh of the triangles [first, last) of `triangles`, with the points they use.
void AddMesh(Lib3dsFile* file, const CSceneObject& object, const std::vector<Vec3>& vertices,
             const std::vector<std::array<int, 3>>& triangles, std::size_t first,
             std::size_t last) {
    std::unordered_map<int, int> local;
    std::vector<int> used;
    for (std::size_t t = first; t < last; ++t)
        for (int index : triangles[t])
            if (local.emplace(index, static_cast<int>(used.size())).second)
                used.push_back(index);
    Lib3dsMesh* mesh = lib3ds_mesh_new(object.name);
    lib3ds_mesh_new_point_list(mesh, static_cast<Lib3dsDword>(used.size()));
    for (std::size_t i = 0; i < used.size(); ++i)
        for (int k = 0; k < 3; ++k)
            mesh->pointL[i].pos[k] = static_cast<float>(vertices[used[i]][k]);
    lib3ds_mesh_new_face_list(mesh, static_cast<Lib3dsDword>(last - first));
    const std::string material = std::to_string(object.colour);
    for (std::size_t t = first; t < last; ++t) {
        Lib3dsFace& face = mesh->faceL[t - first];
        CopyName(face.material, material);
        for (int k = 0; k < 3; ++k)
            face.points[k] = static_cast<Lib3dsWord>(local[triangles[t][k]]);
        face.flags = 1;
    }
    lib3ds_file_insert_mesh(file, mesh);
}

void AddObject(Lib3dsFile* file, const CSceneObject& object) {
    std::vector<Vec3> vertices;
    const std::vector<Quad>* faces = WorldMesh(object, vertices);
    if (!faces || vertices.size() <= 2 || faces->empty())
        return;
    std::vector<std::array<int, 3>> triangles;
    triangles.reserve(faces->size() * 2);
    for (const Quad& f : *faces)
        triangles.push_back({f[0], f[1], f[2]});
    for (const Quad& f : *faces)
        triangles.push_back({f[0], f[2], f[3]});
    AddMaterial(file, object.colour);
    // A chunk of at most 65535 triangles uses at most 3 x that many points; a third as many
    // triangles keeps both counts within 16 bits.
    const std::size_t chunk = vertices.size() <= kMaxMeshItems ? kMaxMeshItems : kMaxMeshItems / 3;
    for (std::size_t first = 0; first < triangles.size(); first += chunk)
        AddMesh(file, object, vertices, triangles, first,
                std::min(first + chunk, triangles.size()));
}

} // namespace

ExchangeStatus Export3ds(const CObjectList& objects, const std::string& path,
                         CExchangeProgress* progress) {
    FileOwner owner{lib3ds_file_new()};
    std::size_t done = 0;
    for (const CSceneObject* object : objects) {
        if (object->type == kTypePolyface || object->type == kTypeBodyPart)
            AddObject(owner.file, *object);
        ++done;
        if (progress && progress->Update(static_cast<int>(done * 100 / objects.size()))) {
            std::remove(path.c_str());
            return kExchangeCancelled;
        }
    }
    if (!lib3ds_file_save(owner.file, path.c_str())) {
        std::remove(path.c_str());
        return kExchangeFailed;
    }
    return kExchangeDone;
}

ExchangeStatus Import3ds(const std::string& path, int unitCode,
                         std::vector<std::unique_ptr<CSceneObject>>& created) {
    FileOwner owner{lib3ds_file_load(path.c_str())};
    if (!owner.file)
        return kExchangeFailed;
    const double scale = ImportUnitScale(unitCode);
    for (Lib3dsMesh* mesh = owner.file->meshes; mesh; mesh = mesh->next) {
        auto object = std::make_unique<CPolyface>();
        char name[12] = {};
        std::memcpy(name, mesh->name, 11);
        object->SetName(name);
        object->vertices.reserve(mesh->points);
        for (Lib3dsDword i = 0; i < mesh->points; ++i) {
            const float* p = mesh->pointL[i].pos;
            object->vertices.push_back({p[0] * scale, p[1] * scale, p[2] * scale});
        }
        object->colour = 0x7F7F7F;
        Lib3dsMaterial* material =
            mesh->faces > 0 ? lib3ds_file_material_by_name(owner.file, mesh->faceL[0].material)
                            : nullptr;
        if (material)
            object->colour = PackRGB(static_cast<int>(material->ambient[0] * 255.0f),
                                     static_cast<int>(material->ambient[1] * 255.0f),
                                     static_cast<int>(material->ambient[2] * 255.0f));
        for (Lib3dsDword i = 0; i < mesh->faces; ++i) {
            const Lib3dsWord* p = mesh->faceL[i].points;
            if (p[0] >= mesh->points || p[1] >= mesh->points || p[2] >= mesh->points)
                continue; // a face pointing past the point list would crash the drawing
            object->faces.push_back({p[0], p[1], p[2], p[2]});
        }
        created.push_back(std::move(object));
    }
    return kExchangeDone;
}
