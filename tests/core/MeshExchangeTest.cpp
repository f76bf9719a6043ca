// 3DS export and import through lib3ds, and binary glTF export, checked by lib3ds itself and by
// assimp (an independent reader) against hand counts and sizes.
#include "ExchangeTestSupport.h"
#include "ExpectNear.h"
#include "FigureFixture.h"

#include "core/ObjectList.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "io/GltfExport.h"
#include "io/ThreeDsExchange.h"

#include <gtest/gtest.h>
#include <lib3ds/file.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <regex>

namespace {

// A plate of two triangles stored as quadrilaterals, placed at (1, 2, 3), and the hand-made
// figure of FigureFixture.h (46 segments, each a box of 6 faces).
struct MeshScene {
    MeshScene() {
        auto* plate = new CPolyface;
        plate->SetName("Plate");
        plate->colour = 0x123456;
        plate->vertices = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}};
        plate->faces = {{0, 1, 2, 2}, {0, 2, 3, 3}};
        plate->transform = Translation({1, 2, 3});
        plate->AddToList(list);
        auto figure = MakeFixtureFigure();
        figure->SetName("Figure");
        for (int i = 0; i < kSegmentCount; ++i) // the bare figure's segments have no names
            figure->GetSegment(i)->SetName(("S" + std::to_string(i)).c_str());
        figure->UpdatePosture();
        figure.release()->AddToList(list);
    }
    ~MeshScene() { DeleteTopLevelObjects(list); }
    CObjectList list;
};

// A number that `assimp info` prints after `label`, or -1.
double AssimpValue(const std::string& info, const std::string& label) {
    std::smatch match;
    return std::regex_search(info, match, std::regex(label + R"(:?\s+([-0-9.]+))"))
               ? std::stod(match[1])
               : -1.0;
}

} // namespace

TEST(ThreeDsExchange, ExportedMeshesReadBackThroughLib3dsAndAssimp) {
    TempFolder folder;
    MeshScene scene;
    const std::string path = folder.Path("scene.3ds");
    ASSERT_EQ(Export3ds(scene.list, path, nullptr), kExchangeDone);

    Lib3dsFile* file = lib3ds_file_load(path.c_str());
    ASSERT_TRUE(file);
    int meshes = 0;
    for (Lib3dsMesh* m = file->meshes; m; m = m->next)
        ++meshes;
    EXPECT_EQ(meshes, 1 + 46); // the plate, then one mesh per segment
    Lib3dsMesh* plate = file->meshes;
    while (plate && std::string(plate->name) != "Plate")
        plate = plate->next;
    ASSERT_TRUE(plate);
    ASSERT_EQ(plate->points, 4u);
    EXPECT_FLOAT_EQ(plate->pointL[2].pos[0], 3.0f); // (2, 2, 0) placed at (1, 2, 3)
    EXPECT_FLOAT_EQ(plate->pointL[2].pos[1], 4.0f);
    EXPECT_FLOAT_EQ(plate->pointL[2].pos[2], 3.0f);
    // All first triangles (a, b, c), then all second ones (a, c, d): two of them degenerate.
    ASSERT_EQ(plate->faces, 4u);
    const int expected[4][3] = {{0, 1, 2}, {0, 2, 3}, {0, 2, 2}, {0, 3, 3}};
    for (int f = 0; f < 4; ++f)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(plate->faceL[f].points[k], expected[f][k]) << f;
    EXPECT_STREQ(plate->faceL[0].material, "1193046"); // 0x123456
    Lib3dsMaterial* material = lib3ds_file_material_by_name(file, "1193046");
    ASSERT_TRUE(material);
    EXPECT_FLOAT_EQ(material->ambient[0], 0x56 / 255.0f); // red is the low byte
    EXPECT_FLOAT_EQ(material->diffuse[2], 0x12 / 255.0f);
    lib3ds_file_free(file);

    // Imported in centimetres: the same meshes, triangles as (p0, p1, p2, p2), colour back.
    ObjectVector objects;
    ASSERT_EQ(Import3ds(path, 3, objects), kExchangeDone);
    ASSERT_EQ(objects.size(), 47u);
    const CPolyface* back = nullptr; // lib3ds keeps its meshes in name order
    for (const auto& o : objects)
        if (std::string(o->name) == "Plate")
            back = static_cast<const CPolyface*>(o.get());
    ASSERT_TRUE(back);
    EXPECT_STREQ(back->name, "Plate");
    EXPECT_EQ(back->colour, 0x123456);
    ExpectVecNear(back->vertices[2],
                  {3 * 0.39370078740157477, 4 * 0.39370078740157477, 3 * 0.39370078740157477},
                  1e-6);
    EXPECT_EQ(back->faces[3], (Quad{0, 3, 3, 3}));

    if (!HaveAssimp())
        GTEST_SKIP() << "assimp-utils is not installed";
    // assimp (without its post-processing) reads every mesh and triangle: 4 of the plate and
    // 12 of each segment's box.
    const std::string info = CommandOutput("assimp info " + path + " -r 2>/dev/null");
    EXPECT_EQ(AssimpValue(info, "Meshes"), 1 + 46) << info;
    EXPECT_EQ(AssimpValue(info, "Faces"), 4 + 46 * 12) << info;
}

TEST(ThreeDsExchange, ImportCutsNamesAndGreysMeshesWithoutMaterial) {
    TempFolder folder;
    const std::string path = folder.Path("other.3ds");
    Lib3dsFile* file = lib3ds_file_new();
    Lib3dsMesh* mesh = lib3ds_mesh_new("ABCDEFGHIJKLMNO");
    lib3ds_mesh_new_point_list(mesh, 3);
    for (int i = 0; i < 3; ++i)
        mesh->pointL[i].pos[i] = 1.0f;
    lib3ds_mesh_new_face_list(mesh, 2);
    mesh->faceL[0].points[1] = 1;
    mesh->faceL[0].points[2] = 2;
    lib3ds_file_insert_mesh(file, mesh);
    ASSERT_TRUE(lib3ds_file_save(file, path.c_str()));
    // The same with a face naming a point past the list, which lib3ds cannot read safely.
    mesh->faceL[1].points[2] = 40000;
    const std::string hostile = folder.Path("hostile.3ds");
    ASSERT_TRUE(lib3ds_file_save(file, hostile.c_str()));
    lib3ds_file_free(file);

    ObjectVector objects;
    ASSERT_EQ(Import3ds(path, 4, objects), kExchangeDone); // metres
    ASSERT_EQ(objects.size(), 1u);
    const auto* object = static_cast<const CPolyface*>(objects[0].get());
    EXPECT_STREQ(object->name, "ABCDEFGHIJK");
    EXPECT_EQ(object->colour, 0x7F7F7F);
    ExpectVecNear(object->vertices[1], {0, 39.37007874015748, 0}, 1e-9);
    EXPECT_EQ(object->faces.size(), 2u);

    EXPECT_EQ(Import3ds(folder.Path("missing.3ds"), 0, objects), kExchangeFailed);
    const std::string junk = folder.Path("junk.3ds");
    std::FILE* f = std::fopen(junk.c_str(), "wb");
    std::fputs("not a 3ds file at all", f);
    std::fclose(f);
    EXPECT_EQ(Import3ds(junk, 0, objects), kExchangeFailed);
    EXPECT_EQ(Import3ds(hostile, 0, objects), kExchangeFailed);
    // Every truncation of a good file is refused or read, never a crash.
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::vector<char> bytes(4096);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
    std::fclose(in);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::FILE* out = std::fopen(junk.c_str(), "wb");
        std::fwrite(bytes.data(), 1, length, out);
        std::fclose(out);
        ObjectVector cut;
        EXPECT_EQ(Import3ds(junk, 0, cut), kExchangeFailed) << length;
    }
    EXPECT_EQ(objects.size(), 1u);
}

TEST(GltfExport, AssimpReadsOneMeshPerObjectInMetres) {
    if (!HaveAssimp())
        GTEST_SKIP() << "assimp-utils is not installed";
    TempFolder folder;
    {
        MeshScene scene;
        const std::string path = folder.Path("scene.glb");
        ASSERT_EQ(ExportGlb(scene.list, path, nullptr), kExchangeDone);
        const std::string info = CommandOutput("assimp info " + path + " -r 2>/dev/null");
        EXPECT_EQ(AssimpValue(info, "Meshes"), 1 + 46) << info;
        // Degenerate second triangles are left out: 2 of the plate, 12 per box.
        EXPECT_EQ(AssimpValue(info, "Faces"), 2 + 46 * 12) << info;

        // assimp's own 3DS file of the same scene comes in with every triangle.
        const std::string other = folder.Path("assimp.3ds");
        ASSERT_EQ(std::system(("assimp export " + path + " " + other + " >/dev/null 2>&1").c_str()),
                  0);
        ObjectVector objects;
        ASSERT_EQ(Import3ds(other, 0, objects), kExchangeDone);
        std::size_t triangles = 0;
        for (const auto& o : objects)
            triangles += static_cast<const CPolyface*>(o.get())->faces.size();
        EXPECT_EQ(objects.size(), 1u + 46u);
        EXPECT_EQ(triangles, 2u + 46u * 12u);
    }
    // A box of 10 x 20 x 30 inches spans 0.254 x 0.508 x 0.762 metres.
    CObjectList list;
    auto* box = new CPolyface;
    box->Build(kShapeBox, {{0, 0, 0}, {10, 20, 30}});
    box->AddToList(list);
    const std::string path = folder.Path("box.glb");
    ASSERT_EQ(ExportGlb(list, path, nullptr), kExchangeDone);
    DeleteTopLevelObjects(list);
    const std::string info = CommandOutput("assimp info " + path + " -r 2>/dev/null");
    std::smatch low, high;
    const std::regex minimum(R"(Minimum point\s+\(([-0-9.]+) ([-0-9.]+) ([-0-9.]+)\))");
    const std::regex maximum(R"(Maximum point\s+\(([-0-9.]+) ([-0-9.]+) ([-0-9.]+)\))");
    ASSERT_TRUE(std::regex_search(info, low, minimum)) << info;
    ASSERT_TRUE(std::regex_search(info, high, maximum)) << info;
    const double size[3] = {0.254, 0.508, 0.762};
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(std::stod(high[k + 1]) - std::stod(low[k + 1]), size[k], 1e-5) << k;
}
