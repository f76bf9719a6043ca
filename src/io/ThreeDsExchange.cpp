#include "io/ThreeDsExchange.h"

#include "core/ByteReader.h"
#include "core/ObjectList.h"
#include "core/SceneObject.h"
#include "draw/Polyface.h"
#include "io/ExportGeometry.h"

#include <lib3ds/file.h>
#include <lib3ds/io.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <algorithm>
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

// lib3ds trusts what it reads: a face naming a point past the point list, or a material group
// naming a face past the face list, makes it read or write out of bounds. The chunk tree is
// checked before the library sees it: every chunk within its parent, every list within its
// chunk, every face's points within the point list. A material group naming faces that do not
// exist (assimp writes them for meshes of lines) is emptied instead, so the rest still reads.
class ChunkCheck {
public:
    explicit ChunkCheck(std::vector<std::uint8_t>& bytes) : b(bytes) {}

    bool File() const { return b.size() >= 6 && U16(0) == 0x4D4D && Children(0, b.size(), 0); }

private:
    std::uint32_t U16(std::size_t at) const { return b[at] | (b[at + 1] << 8); }
    std::uint32_t U32(std::size_t at) const {
        return U16(at) | (static_cast<std::uint32_t>(U16(at + 2)) << 16);
    }

    // The chunks from `begin` to `end`, inside a chunk of id `parent`.
    bool Children(std::size_t begin, std::size_t end, int depth) const {
        std::size_t points = 0, faces = 0;
        bool havePoints = false;
        for (std::size_t at = begin; at < end;) {
            if (end - at < 6 || depth > 16)
                return false;
            const std::uint32_t id = U16(at), length = U32(at + 2);
            if (length < 6 || length > end - at)
                return false;
            const std::size_t data = at + 6, stop = at + length;
            if (!Chunk(id, data, stop, depth, points, faces, havePoints))
                return false;
            at = stop;
        }
        return true;
    }

    bool Chunk(std::uint32_t id, std::size_t data, std::size_t stop, int depth, std::size_t& points,
               std::size_t& faces, bool& havePoints) const {
        const std::size_t size = stop - data;
        auto count = [&](std::size_t itemSize, std::size_t& n) {
            if (size < 2)
                return false;
            n = U16(data);
            return 2 + n * itemSize <= size;
        };
        std::size_t n = 0;
        switch (id) {
        case 0x4D4D: // main
        case 0x3D3D: // editor
        case 0x4100: // triangle mesh
            return Children(data, stop, depth + 1);
        case 0x4000: { // named object: a name, then chunks
            std::size_t at = data;
            while (at < stop && b[at] != 0)
                ++at;
            return at < stop && Children(at + 1, stop, depth + 1);
        }
        case 0x4110: // points
            havePoints = true;
            return count(12, points);
        case 0x4111: // point flags
        case 0x4140: // texture coordinates (checked for their size)
            return count(id == 0x4111 ? 2 : 8, n);
        case 0x4120: { // faces: three point indices and flags, then material groups
            if (!havePoints || !count(8, faces))
                return false;
            for (std::size_t f = 0; f < faces; ++f)
                for (int k = 0; k < 3; ++k)
                    if (U16(data + 2 + f * 8 + k * 2) >= points)
                        return false;
            return FaceChildren(data + 2 + faces * 8, stop, faces);
        }
        default:
            return true;
        }
    }

    bool FaceChildren(std::size_t begin, std::size_t end, std::size_t faces) const {
        for (std::size_t at = begin; at < end;) {
            if (end - at < 6)
                return false;
            const std::uint32_t id = U16(at), length = U32(at + 2);
            if (length < 6 || length > end - at)
                return false;
            const std::size_t data = at + 6, stop = at + length;
            if (id == 0x4130) { // material group: a name and face indices
                std::size_t p = data;
                while (p < stop && b[p] != 0)
                    ++p;
                if (p + 3 > stop)
                    return false;
                const std::size_t n = U16(p + 1);
                if (p + 3 + n * 2 > stop)
                    return false;
                for (std::size_t i = 0; i < n; ++i)
                    if (U16(p + 3 + i * 2) >= faces) {
                        b[p + 1] = b[p + 2] = 0; // the group's count
                        break;
                    }
            } else if (id == 0x4150 && length - 6 < faces * 4) { // smoothing groups
                return false;
            }
            at = stop;
        }
        return true;
    }

    std::vector<std::uint8_t>& b;
};

// lib3ds reads the checked bytes from memory.
struct MemoryStream {
    const std::vector<std::uint8_t>& bytes;
    long position = 0;

    static Lib3dsBool Error(void*) { return LIB3DS_FALSE; }
    static long Seek(void* self, long offset, Lib3dsIoSeek origin) {
        auto* s = static_cast<MemoryStream*>(self);
        const long base = origin == LIB3DS_SEEK_SET   ? 0
                          : origin == LIB3DS_SEEK_CUR ? s->position
                                                      : static_cast<long>(s->bytes.size());
        if (base + offset < 0 || base + offset > static_cast<long>(s->bytes.size()))
            return -1;
        s->position = base + offset;
        return 0;
    }
    static long Tell(void* self) { return static_cast<MemoryStream*>(self)->position; }
    static std::size_t Read(void* self, void* buffer, std::size_t size) {
        auto* s = static_cast<MemoryStream*>(self);
        const std::size_t n =
            std::min(size, s->bytes.size() - static_cast<std::size_t>(s->position));
        std::memcpy(buffer, s->bytes.data() + s->position, n);
        s->position += static_cast<long>(n);
        return n;
    }
    static std::size_t Write(void*, const void*, std::size_t) { return 0; }
};

// The file loaded through lib3ds once its chunks passed the check; null otherwise.
Lib3dsFile* LoadChecked(const std::string& path) {
    // A 3DS file's own length field is 32 bits, so no file of more than 4 GB is one; readers
    // of these files stop at 2 GB. Only regular files: a FIFO or a device would never end.
    constexpr std::size_t kMax3dsFileSize = std::size_t(1) << 31;
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, kMax3dsFileSize + 1, bytes) || bytes.size() > kMax3dsFileSize ||
        !ChunkCheck(bytes).File())
        return nullptr;
    MemoryStream stream{bytes};
    Lib3dsIo* io = lib3ds_io_new(&stream, MemoryStream::Error, MemoryStream::Seek,
                                 MemoryStream::Tell, MemoryStream::Read, MemoryStream::Write);
    Lib3dsFile* loaded = lib3ds_file_new();
    if (!lib3ds_file_read(loaded, io)) {
        lib3ds_file_free(loaded);
        loaded = nullptr;
    }
    lib3ds_io_free(io);
    return loaded;
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
    FileOwner owner{LoadChecked(path)};
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
            object->faces.push_back({p[0], p[1], p[2], p[2]});
        }
        created.push_back(std::move(object));
    }
    return kExchangeDone;
}
