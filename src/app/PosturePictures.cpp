#include "app/PosturePictures.h"

#include "core/BoundingBox.h"
#include "core/DataDirectory.h"
#include "core/GlobalSettings.h"
#include "core/ObjectList.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "human/Representation.h"
#include "render/EglContext.h"
#include "render/GLRender.h"

#include <GL/gl.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPainter>
#include <QStandardPaths>
#include <QTextStream>
#include <memory>

namespace {

// Renders at twice the shown size for smooth edges.
constexpr int kOversample = 2;

// Quiet reporter: a picture that cannot be made falls back to a placeholder.
class CSilentReporter : public CUserReporter {
public:
    void Message(const std::string&, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return true; }
};

const char* const kHandNames[CPosturePictures::kHandPostureCount] = {
    "Flat hand",         "Relaxed hand", "Fist",     "Cylindrical power grip", "Tip pinch",
    "Lateral key pinch", "Tripod grip",  "Pointing", "Spherical grip"};

QString DataFile(const char* name) {
    return QString::fromStdString(DataPath(name));
}

// Identifies the data a set of pictures was made from by its content: copied or restored files
// keep their pictures, and changed ones get new pictures whatever their dates say.
QString DataKey() {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const char* name : {"perpost.dat", "rhand.dat", "limit.dat", "usa_m.per"}) {
        hash.addData(QByteArray(name) + '|');
        QFile file(DataFile(name));
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

// A toolkit window's context (GLX on X11) cannot stay current on the thread while an EGL
// context is made current; this one is set aside while the pictures are drawn.
class CWindowContextAside {
public:
    CWindowContextAside() : context(QOpenGLContext::currentContext()) {
        if (context) {
            surface = context->surface();
            context->doneCurrent();
        }
    }
    ~CWindowContextAside() {
        if (context && surface)
            context->makeCurrent(surface);
    }
    CWindowContextAside(const CWindowContextAside&) = delete;
    CWindowContextAside& operator=(const CWindowContextAside&) = delete;

private:
    QOpenGLContext* context;
    QSurface* surface = nullptr;
};

QPixmap Placeholder(QSize size, int index) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QColor(0x8a, 0x99, 0xa8));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    QFont f = p.font();
    f.setPointSize(14);
    p.setFont(f);
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(index));
    return pixmap;
}

// A reference male figure (scale 1 everywhere) in the Human representation, with its limits.
std::unique_ptr<CMannequin> ReferenceFigure(CUserReporter& reporter) {
    auto figure = std::make_unique<CMannequin>();
    for (Vec3& s : figure->anthropometry.scale)
        s = Vec3(1.0, 1.0, 1.0);
    figure->anthropometry.gender = 1;
    if (!figure->LoadMesh(kRepresentationHuman, reporter) || !figure->ReadLimits(reporter))
        return nullptr;
    figure->UpdatePosture();
    return figure;
}

// One segment of a figure with the segments below it (a hand: the palm and its fingers),
// drawn at its place in the scene without the rest of the body.
class CPartOfFigure : public CSceneObject {
public:
    CPartOfFigure(CMannequin& figure, int segment) : figure(figure), segment(segment) {}
    void Draw(bool whiteFill, int viewType) override {
        Matrix4 base(true);
        if (!figure.GetSegmentFrame(segment, base))
            return;
        glPushMatrix();
        GLMultMatrix(base);
        figure.GetSegment(segment)->Draw(whiteFill, viewType);
        glPopMatrix();
    }

private:
    CMannequin& figure;
    int segment;
};

QPixmap ToPixmap(const CImage& image, QSize size) {
    const QImage picture(image.rgb.data(), image.width, image.height, image.width * 3,
                         QImage::Format_RGB888);
    return QPixmap::fromImage(
        picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// Zooms the renderer to the box of the figure's segments `first`..`last` (and `extra`) and
// renders.
bool RenderFrame(CGLRender& renderer, const CObjectList& list, CMannequin& figure, int first,
                 int last, int extra, CImage& image) {
    figure.UpdatePosture();
    BoundingBox box;
    for (int i = first; i <= last; ++i)
        for (const Vec3& v : figure.GetSegment(i)->worldVertices)
            box.Extend(v);
    if (extra >= 0)
        for (const Vec3& v : figure.GetSegment(extra)->worldVertices)
            box.Extend(v);
    if (!box.valid)
        return false;
    const Vec3 margin(1.0, 1.0, 1.0);
    renderer.camera.zoom = 1.0;
    renderer.ZoomToExtents(box.min - margin, box.max + margin);
    renderer.camera.zoom *= 0.92;
    return renderer.RenderObjectList(list, PICK_NONE, 0, 0) && renderer.ReadImage(image);
}

} // namespace

QString CPosturePictures::Name(Kind kind, int index) {
    if (kind == kHand)
        return index >= 1 && index <= kHandPostureCount ? kHandNames[index - 1] : QString();
    QFile file(DataFile("perpost_names.txt"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.section('\t', 0, 0).toInt() == index)
                return line.section('\t', 1).trimmed();
        }
    }
    return QString("Posture %1").arg(index);
}

QString CPosturePictures::CacheFile(Kind kind, int index) const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dataKey.isEmpty())
        dataKey = DataKey();
    return QString("%1/postures-%2-%3/%4-%5.png")
        .arg(folder, dataKey, ColourSchemeKey(scheme), kind == kBody ? "body" : "hand")
        .arg(index);
}

void CPosturePictures::SetColourScheme(int chosen) {
    scheme = chosen == COLOURS_NATURAL ? COLOURS_NATURAL : COLOURS_PALETTE;
}

QPixmap CPosturePictures::Picture(Kind kind, int index) {
    const int key = MemoryKey(kind, index);
    if (auto it = pictures.find(key); it != pictures.end())
        return it->second;
    QPixmap cached;
    if (cached.load(CacheFile(kind, index))) {
        pictures[key] = cached;
        return cached;
    }
    if (!rendered[scheme][kind])
        RenderAll(kind);
    if (auto it = pictures.find(key); it != pictures.end())
        return it->second;
    return pictures[key] = Placeholder(kind == kBody ? kBodySize : kHandSize, index);
}

void CPosturePictures::RenderAll(Kind kind) {
    rendered[scheme][kind] = true;
    CSilentReporter reporter;
    std::unique_ptr<CMannequin> figure = ReferenceFigure(reporter);
    if (!figure)
        return;
    const QSize size = kind == kBody ? kBodySize : kHandSize;
    const CWindowContextAside aside;
    CEglContext context(size.width() * kOversample, size.height() * kOversample);
    CGlobalSettings settings;
    settings.colourScheme = scheme;
    CGLRender renderer(settings, reporter);
    if (!renderer.InitOffscreenRender(&context, nullptr, size.width() * kOversample,
                                      size.height() * kOversample))
        return;
    renderer.SetRenderMode(RENDER_SHADED);
    // Bodies are drawn whole; hands alone, so that the thigh does not hide them.
    CObjectList list;
    CPartOfFigure hand(*figure, kRightPalm);
    if (kind == kBody) {
        figure->AddToList(list);
    } else {
        // The palette's pure blue saturates under the lights at this size and the hand shows as
        // a flat silhouette; a softer blue keeps its shading, so the fingers read. (The natural
        // scheme draws skin whatever the segments' colours.)
        constexpr int kHandPictureColour = 0xD28C50; // red 0x50, green 0x8C, blue 0xD2
        for (int i = kFirstRightFinger; i < kSegmentCount; ++i)
            figure->GetSegment(i)->colour = kHandPictureColour;
        figure->GetSegment(kRightPalm)->colour = kHandPictureColour;
        list.Append(&hand);
    }
    const int count = kind == kBody ? kBodyPostureCount : kHandPostureCount;
    const QString folder = QFileInfo(CacheFile(kind, 1)).path();
    QDir().mkpath(folder);
    for (int index = 1; index <= count; ++index) {
        CImage image;
        bool ok = false;
        if (kind == kBody) {
            renderer.camera.SetUserVectors(Vec3(0.45, 0.15, 1.0), Vec3(0.0, 1.0, 0.0));
            renderer.SetViewType(VIEW_USER);
            ok = figure->ApplyStandardPosture(index) &&
                 RenderFrame(renderer, list, *figure, 0, kSegmentCount - 1, -1, image);
        } else {
            // The palm side, fingers up.
            renderer.camera.SetUserVectors(Vec3(1.0, 0.0, 0.6), Vec3(0.0, -1.0, 0.0));
            renderer.SetViewType(VIEW_USER);
            ok = figure->ApplyHandPosture(index, 1) &&
                 RenderFrame(renderer, list, *figure, kFirstRightFinger, kSegmentCount - 1,
                             kRightPalm, image);
        }
        if (!ok)
            continue;
        const QPixmap pixmap = ToPixmap(image, size);
        pictures[MemoryKey(kind, index)] = pixmap;
        pixmap.save(CacheFile(kind, index));
    }
    if (kind == kBody)
        figure->RemoveFromList(list);
    else
        list.Remove(&hand);
}
