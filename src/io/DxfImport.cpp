#include "io/DxfImport.h"

#include "core/ByteReader.h"
#include "core/MathConstants.h"
#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "io/DxfExport.h"
#include "io/DxfGroups.h"
#include "io/DxfShapes.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <unordered_map>

namespace {

// Coordinates not given in an entity hold this marker; anything above 1e37 counts as unset.
constexpr double kUnset = 1e38;
bool IsUnset(double value) {
    return value > 1e37;
}

// One entity: its type, layer and values in file order (codes repeat in LWPOLYLINE and SPLINE).
struct Entity {
    std::string type;
    std::string layer = "0";
    std::string name; // group 2
    unsigned long line = 0;
    std::vector<std::pair<int, double>> reals;
    std::vector<std::pair<int, long long>> integers;

    void Reset(const std::string& entityType, unsigned long atLine) {
        type = entityType;
        layer.assign(1, '0'); // the default layer (assigning "0" trips a false GCC 12 warning)
        name.clear();
        line = atLine;
        reals.clear();
        integers.clear();
    }
    void Add(const DxfGroup& g) {
        switch (DxfKindOf(g.code)) {
        case kDxfReal:
            reals.emplace_back(g.code, g.real);
            break;
        case kDxfInt16:
        case kDxfInt32:
        case kDxfInt64:
        case kDxfBool:
            integers.emplace_back(g.code, g.integer);
            break;
        default:
            if (g.code == 8)
                layer = g.text;
            else if (g.code == 2)
                name = g.text;
        }
    }
    double Real(int code, double fallback = kUnset) const {
        for (auto it = reals.rbegin(); it != reals.rend(); ++it)
            if (it->first == code)
                return it->second;
        return fallback;
    }
    long long Integer(int code, long long fallback) const {
        for (auto it = integers.rbegin(); it != integers.rend(); ++it)
            if (it->first == code)
                return it->second;
        return fallback;
    }
    Vec3 Extrusion() const { return {Real(210, 0.0), Real(220, 0.0), Real(230, 1.0)}; }
};

struct Layer {
    std::string name;
    int index = 0;
    int colour = 7;
    bool visible = true;
};

struct Block {
    Vec3 base;
    std::vector<Entity> entities; // up to, without, its ENDBLK
};

// A block being inserted: the placement of its points in the world, and the layer and colour
// its by-block entities take.
struct InsertContext {
    Matrix4 placement;
    const Layer* layer;
    int colour;
};

// Where entities come from: the file, or a block held in memory.
class EntitySource {
public:
    virtual ~EntitySource() = default;
    // The next entity of the section or block; false at its end or on error.
    virtual bool Next(Entity& entity) = 0;
};

class DxfImporter {
public:
    DxfImporter(CDxfInput& input, bool binary, std::uint64_t size,
                std::vector<std::unique_ptr<CSceneObject>>& created, CUserReporter& reporter,
                CExchangeProgress* progress)
        : input(input), reader(input, binary), size(size), created(created), reporter(reporter),
          progress(progress) {}

    ExchangeStatus Run();

private:
    class FileEntities;
    class BlockEntities;

    bool NextGroup();
    bool ReadEntity(Entity& entity);
    bool Error(unsigned long line, int code);
    bool Error() { return Error(reader.Line(), reader.LastCode()); }
    bool Truncated() { return reader.Failed() ? Error() : Error(reader.Line(), pending.code); }
    void Phase(const char* caption) {
        if (progress)
            progress->SetPhase(caption);
    }

    void SkipSection();
    void ReadTables();
    void ReadBlocks();
    void ReadEntities();

    Layer& LayerNamed(const std::string& name);
    void Process(const Entity& e, EntitySource& source);
    void Face(const Entity& e, bool solid);
    void Line(const Entity& e, bool point);
    void Arc(const Entity& e, bool circle);
    void Polyline(const Entity& e, EntitySource& source);
    void LightPolyline(const Entity& e);
    void Ellipse(const Entity& e);
    void Spline(const Entity& e);
    void Insert(const Entity& e);

    // Corner i (0..3) of the 10.. 20.. 30.. codes; false when x or y is unset.
    bool Corner(const Entity& e, int i, Vec3& corner, double unsetZ) const;
    bool Point(const Entity& e, int code, Vec3& point) const {
        return Corner(e, code - 10, point, e.Real(38, 0.0));
    }
    // Placement of an entity's points: its object coordinate system when `ocs`, then the
    // inserts it is in.
    Matrix4 Placement(const Entity& e, bool ocs) const;
    bool Budget(std::size_t points);
    void EmitPolyline(std::vector<Vec3> points, const Matrix4& placement);
    void EmitPolyface(std::vector<Vec3> vertices, std::vector<Quad> faces,
                      const Matrix4& placement);
    void Name(CSceneObject& object) const;
    // Polyface of a profile swept by `thickness` along the extrusion (a box for a face, a
    // band for a line or arc). Faces join profile point i to i + 1; `closed` joins the last
    // to the first and puts caps on both ends.
    void EmitExtruded(const std::vector<Vec3>& profile, bool closed, const Vec3& offset,
                      const Matrix4& placement);

    CDxfInput& input;
    CDxfGroupReader reader;
    std::uint64_t size;
    std::vector<std::unique_ptr<CSceneObject>>& created;
    CUserReporter& reporter;
    CExchangeProgress* progress;

    DxfGroup pending; // the code 0 group that starts the next entity
    bool ok = true;
    bool cancelled = false;
    unsigned long lastUpdateLine = 0;
    std::size_t pointCount = 0;

    std::unordered_map<std::string, Layer> layers;
    std::map<std::string, Block> blocks;
    std::vector<InsertContext> inserts;
    // What the entity now processed is drawn with.
    const Layer* entityLayer = nullptr;
    int entityColour = 7;
};

// The entities of the file's current section, up to its ENDSEC.
class DxfImporter::FileEntities : public EntitySource {
public:
    explicit FileEntities(DxfImporter& importer) : importer(importer) {}
    bool Next(Entity& entity) override {
        return importer.ok && !importer.cancelled && importer.pending.text != "ENDSEC" &&
               importer.ReadEntity(entity);
    }

private:
    DxfImporter& importer;
};

// The entities of a block held in memory.
class DxfImporter::BlockEntities : public EntitySource {
public:
    explicit BlockEntities(const Block& block) : block(block) {}
    bool Next(Entity& entity) override {
        if (next == block.entities.size())
            return false;
        entity = block.entities[next++];
        return true;
    }

private:
    const Block& block;
    std::size_t next = 0;
};

bool DxfImporter::Error(unsigned long line, int code) {
    if (ok)
        ReportDxfError(reporter, line, code);
    ok = false;
    return false;
}

bool DxfImporter::NextGroup() {
    return reader.Next(pending) || Truncated();
}

// Reads the entity that the pending group starts, up to the next group 0 (then pending).
bool DxfImporter::ReadEntity(Entity& entity) {
    if (pending.code != 0)
        return Error(reader.Line(), pending.code);
    entity.Reset(pending.text, reader.Line() - 1); // the line of its group code 0
    DxfGroup group;
    while (reader.Next(group)) {
        if (group.code == 0) {
            pending = std::move(group);
            if (progress && size > 0 && reader.Line() - lastUpdateLine > 100) {
                lastUpdateLine = reader.Line();
                if (progress->Update(static_cast<int>(input.Position() * 100 / size)))
                    cancelled = true;
            }
            return true;
        }
        entity.Add(group);
    }
    return Truncated();
}

ExchangeStatus DxfImporter::Run() {
    Entity header;
    if (NextGroup())
        while (ok && !cancelled) {
            if (pending.code == 0 && pending.text == "EOF")
                break;
            if (!ReadEntity(header))
                break;
            if (header.type != "SECTION")
                continue; // stray entity outside the sections
            if (header.name == "TABLES")
                ReadTables();
            else if (header.name == "BLOCKS")
                ReadBlocks();
            else if (header.name == "ENTITIES") {
                ReadEntities();
                break; // all there is to read
            } else
                SkipSection();
        }
    if (cancelled)
        return kExchangeCancelled;
    if (ok && progress)
        progress->Update(100); // Cancel comes too late now
    return ok ? kExchangeDone : kExchangeFailed;
}

void DxfImporter::SkipSection() {
    Entity entity;
    FileEntities source(*this);
    while (source.Next(entity)) {
    }
}

void DxfImporter::ReadTables() {
    Phase("Reading tables section...");
    Entity entity;
    FileEntities source(*this);
    while (source.Next(entity)) {
        if (entity.type != "LAYER")
            continue;
        Layer& layer = LayerNamed(entity.name);
        const long long colour = entity.Integer(62, 7);
        layer.colour = static_cast<int>(std::min(std::llabs(colour), 256LL));
        layer.visible = colour >= 0 && (entity.Integer(70, 0) & 1) == 0;
    }
}

void DxfImporter::ReadBlocks() {
    Phase("Reading blocks section...");
    Entity entity;
    FileEntities source(*this);
    Block* block = nullptr;
    while (source.Next(entity)) {
        if (entity.type == "BLOCK") {
            if (entity.name.empty()) {
                reporter.Message("BLOCK name missing.");
                ok = false;
                return;
            }
            Vec3 base;
            if (!Corner(entity, 0, base, 0.0)) {
                Error(entity.line, 10);
                return;
            }
            block = &blocks[entity.name];
            *block = Block{base, {}};
        } else if (entity.type == "ENDBLK") {
            block = nullptr;
        } else if (block) {
            block->entities.push_back(entity);
        }
    }
}

void DxfImporter::ReadEntities() {
    Phase("Reading entities section...");
    Entity entity;
    FileEntities source(*this);
    while (source.Next(entity))
        Process(entity, source);
}

Layer& DxfImporter::LayerNamed(const std::string& name) {
    auto [it, added] = layers.try_emplace(name);
    if (added) {
        it->second.name = name;
        it->second.index = static_cast<int>(layers.size()) - 1;
    }
    return it->second;
}

void DxfImporter::Process(const Entity& e, EntitySource& source) {
    const Layer& layer = LayerNamed(e.layer);
    bool shown = e.Integer(67, 0) != 1 && layer.visible;
    for (const InsertContext& context : inserts)
        shown = shown && context.layer->visible;
    if (!shown) {
        if (e.type == "POLYLINE") { // its vertices go with it
            Entity vertex;
            while (source.Next(vertex) && vertex.type != "SEQEND") {
            }
        }
        return;
    }
    const long long colour = e.Integer(62, 256);
    entityLayer = &layer;
    if (colour == 256 || (colour == 0 && inserts.empty()))
        entityColour = layer.colour;
    else if (colour == 0)
        entityColour = inserts.back().colour;
    else
        entityColour = static_cast<int>(std::min(std::llabs(colour), 256LL));

    const std::string& t = e.type;
    if (t == "3DFACE")
        Face(e, false);
    else if (t == "SOLID" || t == "TRACE")
        Face(e, true);
    else if (t == "LINE" || t == "3DLINE")
        Line(e, false);
    else if (t == "POINT")
        Line(e, true);
    else if (t == "CIRCLE" || t == "ARC")
        Arc(e, t == "CIRCLE");
    else if (t == "POLYLINE")
        Polyline(e, source);
    else if (t == "LWPOLYLINE")
        LightPolyline(e);
    else if (t == "ELLIPSE")
        Ellipse(e);
    else if (t == "SPLINE")
        Spline(e);
    else if (t == "INSERT")
        Insert(e);
}

bool DxfImporter::Corner(const Entity& e, int i, Vec3& corner, double unsetZ) const {
    corner = {e.Real(10 + i), e.Real(20 + i), e.Real(30 + i)};
    if (IsUnset(corner.x) || IsUnset(corner.y))
        return false;
    if (IsUnset(corner.z))
        corner.z = unsetZ;
    return true;
}

Matrix4 DxfImporter::Placement(const Entity& e, bool ocs) const {
    const Matrix4 local = ocs ? ArbitraryAxisMatrix(e.Extrusion()) : Matrix4(true);
    return inserts.empty() ? local : inserts.back().placement * local;
}

bool DxfImporter::Budget(std::size_t points) {
    pointCount += points + 1; // an object without points costs one too
    return pointCount <= kDxfMaxPoints || Error(reader.Line(), 0);
}

void DxfImporter::Name(CSceneObject& object) const {
    object.SetName(entityLayer->name.substr(0, 11).c_str());
    object.groupNumber = entityLayer->index;
    object.colour = DxfColourValue(entityColour);
    object.attributeB = 0;
}

void DxfImporter::EmitPolyline(std::vector<Vec3> points, const Matrix4& placement) {
    if (!Budget(points.size()))
        return;
    auto line = std::make_unique<CPolyline>();
    Name(*line);
    for (Vec3& p : points)
        p = TransformPoint(placement, p);
    line->points = std::move(points);
    created.push_back(std::move(line));
}

void DxfImporter::EmitPolyface(std::vector<Vec3> vertices, std::vector<Quad> faces,
                               const Matrix4& placement) {
    if (!Budget(vertices.size()))
        return;
    auto mesh = std::make_unique<CPolyface>();
    Name(*mesh);
    for (Vec3& v : vertices)
        v = TransformPoint(placement, v);
    mesh->vertices = std::move(vertices);
    mesh->faces = std::move(faces);
    created.push_back(std::move(mesh));
}

void DxfImporter::EmitExtruded(const std::vector<Vec3>& profile, bool closed, const Vec3& offset,
                               const Matrix4& placement) {
    const int n = static_cast<int>(profile.size());
    std::vector<Vec3> vertices = profile;
    for (const Vec3& p : profile)
        vertices.push_back(p + offset);
    std::vector<Quad> faces;
    if (closed) // the profile is a face: bottom and top
        faces = {{0, 1, 2, 3}, {n, n + 1, n + 2, n + 3}};
    for (int i = 0; i + 1 < n || (closed && i < n); ++i) {
        const int j = (i + 1) % n;
        faces.push_back({i, j, n + j, n + i});
    }
    EmitPolyface(std::move(vertices), std::move(faces), placement);
}

void DxfImporter::Face(const Entity& e, bool solid) {
    const double elevation = e.Real(38, 0.0);
    Vec3 c[4];
    for (int i = 0; i < 3; ++i)
        if (!Corner(e, i, c[i], solid ? elevation : kUnset) || IsUnset(c[i].z)) {
            Error(e.line, 10 + i);
            return;
        }
    if (!Corner(e, 3, c[3], solid ? elevation : c[2].z) || IsUnset(c[3].z))
        c[3] = c[2];
    if (solid) // corners in the order 1, 2, 4, 3
        std::swap(c[2], c[3]);
    const std::vector<Vec3> corners(c, c + 4);
    const double thickness = e.Real(39, 0.0);
    if (solid && std::fabs(thickness) > 1e-10)
        EmitExtruded(corners, true, {0.0, 0.0, thickness}, Placement(e, true));
    else
        EmitPolyface(corners, {{0, 1, 2, 3}}, Placement(e, solid));
}

void DxfImporter::Line(const Entity& e, bool point) {
    Vec3 a, b;
    if (!Point(e, 10, a)) {
        Error(e.line, 10);
        return;
    }
    if (point)
        b = a;
    else if (!Point(e, 11, b)) {
        Error(e.line, 11);
        return;
    }
    const double thickness = e.type == "3DLINE" ? 0.0 : e.Real(39, 0.0);
    if (std::fabs(thickness) > 1e-10)
        EmitExtruded({a, b}, false, thickness * Normalize(e.Extrusion()), Placement(e, false));
    else
        EmitPolyline({a, b}, Placement(e, false));
}

void DxfImporter::Arc(const Entity& e, bool circle) {
    Vec3 centre;
    if (!Point(e, 10, centre)) {
        Error(e.line, 10);
        return;
    }
    const double radius = e.Real(40, 0.0);
    const std::vector<Vec3> points =
        circle ? ArcPoints(centre, radius, 0.0, 360.0)
               : ArcPoints(centre, radius, e.Real(50, 0.0), e.Real(51, 360.0));
    const double thickness = e.Real(39, 0.0);
    if (std::fabs(thickness) > 1e-10)
        EmitExtruded(points, false, {0.0, 0.0, thickness}, Placement(e, true));
    else
        EmitPolyline(points, Placement(e, true));
}

// Appends the points of a polyline's vertices, following bulges; closes it when asked.
void AppendBulged(std::vector<Vec3>& points, const std::vector<Vec3>& vertices,
                  const std::vector<double>& bulges, bool closed) {
    const std::size_t n = vertices.size();
    if (n == 0)
        return;
    points.push_back(vertices[0]);
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i)
        for (const Vec3& p : BulgePoints(vertices[i], vertices[(i + 1) % n], bulges[i]))
            points.push_back(p);
}

void DxfImporter::Polyline(const Entity& e, EntitySource& source) {
    const long long flags = e.Integer(70, 0);
    std::vector<Entity> vertices;
    Entity vertex;
    while (source.Next(vertex) && vertex.type == "VERTEX") {
        if (!Budget(1))
            return;
        vertices.push_back(vertex);
    }
    if (!ok || cancelled)
        return;
    if (vertex.type != "SEQEND") {
        Error(vertex.line, 0);
        return;
    }
    std::vector<Vec3> points;
    for (const Entity& v : vertices) {
        Vec3 p;
        if (!Corner(v, 0, p, 0.0)) {
            Error(v.line, 10);
            return;
        }
        points.push_back(p);
    }
    if (flags & 16) { // polygon mesh, M x N vertices
        const long long m = e.Integer(71, 0), n = e.Integer(72, 0);
        if (m < 2 || n < 2 || m * n > static_cast<long long>(points.size())) {
            Error(e.line, 71);
            return;
        }
        const bool closedM = flags & 1, closedN = flags & 32;
        std::vector<Quad> faces;
        for (long long i = 0; i < (closedM ? m : m - 1); ++i)
            for (long long j = 0; j < (closedN ? n : n - 1); ++j) {
                const long long i1 = (i + 1) % m, j1 = (j + 1) % n;
                faces.push_back({static_cast<int>(i * n + j), static_cast<int>(i * n + j1),
                                 static_cast<int>(i1 * n + j1), static_cast<int>(i1 * n + j)});
            }
        points.resize(static_cast<std::size_t>(m * n));
        EmitPolyface(std::move(points), std::move(faces), Placement(e, false));
    } else if (flags & 64) { // polyface mesh: position vertices, then face records
        std::vector<Vec3> positions;
        std::vector<Quad> faces;
        for (std::size_t k = 0; k < vertices.size(); ++k) {
            const Entity& v = vertices[k];
            if (v.Integer(70, 0) & 64) {
                positions.push_back(points[k]);
                continue;
            }
            Quad face;
            for (int i = 0; i < 4; ++i) {
                const long long index = std::llabs(v.Integer(71 + i, 0)); // negative: hidden edge
                if (index == 0 && i == 3) {
                    face[3] = face[2];
                    continue;
                }
                if (index < 1 || index > static_cast<long long>(positions.size())) {
                    Error(v.line, 71 + i);
                    return;
                }
                face[i] = static_cast<int>(index - 1);
            }
            faces.push_back(face);
        }
        EmitPolyface(std::move(positions), std::move(faces), Placement(e, false));
    } else { // a line through the vertices; a 2D one lies in its object coordinate system
        // Its vertices keep their own z: files of earlier versions of this program wrote their
        // 3D polylines without flag 8.
        const bool threeD = flags & 8;
        std::vector<double> bulges;
        for (const Entity& v : vertices)
            bulges.push_back(threeD ? 0.0 : v.Real(42, 0.0));
        std::vector<Vec3> line;
        AppendBulged(line, points, bulges, flags & 1);
        EmitPolyline(std::move(line), Placement(e, !threeD));
    }
}

void DxfImporter::LightPolyline(const Entity& e) {
    const double elevation = e.Real(38, 0.0);
    std::vector<Vec3> vertices;
    std::vector<double> bulges;
    for (const auto& [code, value] : e.reals) {
        if (code == 10) {
            vertices.push_back({value, 0.0, elevation});
            bulges.push_back(0.0);
        } else if (code == 20 && !vertices.empty()) {
            vertices.back().y = value;
        } else if (code == 42 && !bulges.empty()) {
            bulges.back() = value;
        }
    }
    if (vertices.empty())
        return;
    std::vector<Vec3> points;
    AppendBulged(points, vertices, bulges, e.Integer(70, 0) & 1);
    EmitPolyline(std::move(points), Placement(e, true));
}

void DxfImporter::Ellipse(const Entity& e) {
    Vec3 centre, major;
    if (!Point(e, 10, centre) || !Point(e, 11, major)) {
        Error(e.line, 10);
        return;
    }
    EmitPolyline(EllipsePoints(centre, major, e.Extrusion(), e.Real(40, 1.0), e.Real(41, 0.0),
                               e.Real(42, tav::kTwoPi)),
                 Placement(e, false));
}

void DxfImporter::Spline(const Entity& e) {
    std::vector<Vec3> controls, fits;
    std::vector<double> knots, weights;
    for (const auto& [code, value] : e.reals) {
        switch (code) {
        case 10:
            controls.push_back({value, 0.0, 0.0});
            break;
        case 20:
        case 30:
            if (!controls.empty())
                controls.back()[code / 10 - 1] = value;
            break;
        case 11:
            fits.push_back({value, 0.0, 0.0});
            break;
        case 21:
        case 31:
            if (!fits.empty())
                fits.back()[code / 10 - 2] = value;
            break;
        case 40:
            knots.push_back(value);
            break;
        case 41:
            weights.push_back(value);
            break;
        }
    }
    if (!Budget(controls.size() * 10 + fits.size()))
        return;
    std::vector<Vec3> points =
        SplinePoints(static_cast<int>(e.Integer(71, 3)), controls, weights, std::move(knots));
    if (points.empty())
        points = fits;
    if (points.size() >= 2)
        EmitPolyline(std::move(points), Placement(e, false));
}

void DxfImporter::Insert(const Entity& e) {
    const auto block = blocks.find(e.name);
    if (block == blocks.end()) {
        Error(e.line, 2);
        return;
    }
    if (inserts.size() >= static_cast<std::size_t>(kDxfMaxInsertDepth)) {
        Error(e.line, 2);
        return;
    }
    Vec3 at;
    if (!Corner(e, 0, at, e.Real(38, 0.0)))
        at = {0.0, 0.0, 0.0};
    const Vec3 scale{e.Real(41, 1.0), e.Real(42, 1.0), e.Real(43, 1.0)};
    const double angle = e.Real(50, 0.0);
    const long long columns = std::max(1LL, e.Integer(70, 1));
    const long long rows = std::max(1LL, e.Integer(71, 1));
    if (!Budget(static_cast<std::size_t>(std::min(columns * rows, 1LL << 40))))
        return;
    Matrix4 scaling(true);
    for (int i = 0; i < 3; ++i)
        scaling(i, i) = scale[i];
    const double radians = angle * (tav::kPi / 180.0);
    Matrix4 rotation(true);
    rotation(0, 0) = rotation(1, 1) = std::cos(radians);
    rotation(1, 0) = std::sin(radians);
    rotation(0, 1) = -rotation(1, 0);
    const Matrix4 local = rotation * scaling * Translation(-block->second.base); // scale, then turn
    const Matrix4 outer = Placement(e, true);
    const Layer* layer = entityLayer;
    const int colour = entityColour;
    for (long long row = 0; row < rows && ok && !cancelled; ++row)
        for (long long column = 0; column < columns && ok && !cancelled; ++column) {
            const Vec3 cell =
                TransformPoint(rotation, {column * e.Real(44, 0.0), row * e.Real(45, 0.0), 0.0});
            inserts.push_back({outer * Translation(at + cell) * local, layer, colour});
            BlockEntities source(block->second);
            Entity entity;
            while (ok && !cancelled && source.Next(entity))
                Process(entity, source);
            inserts.pop_back();
        }
}

ExchangeStatus Import(CDxfInput& input, bool binary, std::uint64_t size,
                      std::vector<std::unique_ptr<CSceneObject>>& created, CUserReporter& reporter,
                      CExchangeProgress* progress) {
    DxfImporter importer(input, binary, size, created, reporter, progress);
    return importer.Run();
}

} // namespace

ExchangeStatus ReadDxfFile(const std::string& path,
                           std::vector<std::unique_ptr<CSceneObject>>& created,
                           CUserReporter& reporter, CExchangeProgress* progress) {
    // Only a regular file: a FIFO or a device would hang the import or never end.
    std::FILE* file = OpenRegularFile(path);
    if (!file) {
        reporter.Message("Cannot open DXF file.");
        return kExchangeFailed;
    }
    std::uint8_t head[kDxfSentinelSize];
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    const bool binary = IsBinaryDxf(head, got);
    std::fseek(file, 0, SEEK_END);
    const long length = std::ftell(file);
    std::fseek(file, binary ? static_cast<long>(kDxfSentinelSize) : 0L, SEEK_SET);
    CDxfInput input(file);
    const ExchangeStatus status =
        Import(input, binary, length > 0 ? static_cast<std::uint64_t>(length) : 0, created,
               reporter, progress);
    std::fclose(file);
    return status;
}

ExchangeStatus ReadDxfData(const std::uint8_t* data, std::size_t size,
                           std::vector<std::unique_ptr<CSceneObject>>& created,
                           CUserReporter& reporter, CExchangeProgress* progress) {
    const bool binary = IsBinaryDxf(data, size);
    const std::size_t skip = binary ? kDxfSentinelSize : 0;
    CDxfInput input(data + skip, size - skip);
    return Import(input, binary, size, created, reporter, progress);
}
