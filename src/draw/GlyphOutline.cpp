#include "draw/GlyphOutline.h"

#include "core/FontFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// One FreeType face per font name, loaded on first use and kept for the run.
class CFontCache {
public:
    ~CFontCache() {
        for (auto& [name, face] : faces)
            if (face)
                FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }

    FT_Face Face(const std::string& fontName) {
        auto found = faces.find(fontName);
        if (found != faces.end())
            return found->second;
        FT_Face face = Load(fontName);
        faces[fontName] = face;
        return face;
    }

private:
    FT_Face Load(const std::string& fontName) {
        if (!library && FT_Init_FreeType(&library) != 0)
            return nullptr;
        const FontFile file = FindFontFile(fontName.c_str());
        if (file.path.empty())
            return nullptr;
        FT_Face face = nullptr;
        if (FT_New_Face(library, file.path.c_str(), file.faceIndex, &face) != 0)
            return nullptr;
        return face;
    }

    FT_Library library = nullptr;
    std::map<std::string, FT_Face> faces;
};

CFontCache& Fonts() {
    static CFontCache cache;
    return cache;
}

// Collects a glyph's flattened contours, shifted to the pen position and flipped so that
// y grows downwards from the top of the cell.
struct OutlineSink {
    std::vector<OutlinePoint>* out;
    double penX;
    double ascent;
    double lastX = 0.0, lastY = 0.0; // current point, FreeType pixels (y up)

    void Emit(double x, double y, bool moveTo) {
        out->push_back({penX + x, ascent - y, moveTo});
        lastX = x;
        lastY = y;
    }
};

constexpr double k26Dot6 = 1.0 / 64.0;

int Segments(double length) {
    return std::clamp(static_cast<int>(length / 3.0) + 1, 2, 16);
}

int MoveTo(const FT_Vector* to, void* user) {
    static_cast<OutlineSink*>(user)->Emit(to->x * k26Dot6, to->y * k26Dot6, true);
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    static_cast<OutlineSink*>(user)->Emit(to->x * k26Dot6, to->y * k26Dot6, false);
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    const double x0 = sink->lastX, y0 = sink->lastY;
    const double x1 = control->x * k26Dot6, y1 = control->y * k26Dot6;
    const double x2 = to->x * k26Dot6, y2 = to->y * k26Dot6;
    const int n = Segments(std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1));
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1.0 - t;
        sink->Emit(u * u * x0 + 2 * u * t * x1 + t * t * x2,
                   u * u * y0 + 2 * u * t * y1 + t * t * y2, false);
    }
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    const double x0 = sink->lastX, y0 = sink->lastY;
    const double x1 = c1->x * k26Dot6, y1 = c1->y * k26Dot6;
    const double x2 = c2->x * k26Dot6, y2 = c2->y * k26Dot6;
    const double x3 = to->x * k26Dot6, y3 = to->y * k26Dot6;
    const int n = Segments(std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1) +
                           std::hypot(x3 - x2, y3 - y2));
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1.0 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        sink->Emit(a * x0 + b * x1 + c * x2 + d * x3, a * y0 + b * y1 + c * y2 + d * y3, false);
    }
    return 0;
}

} // namespace

int TextOutline(const std::string& text, const std::string& fontName, double cellHeight,
                std::vector<OutlinePoint>& points) {
    points.clear();
    FT_Face face = Fonts().Face(fontName);
    if (!face)
        return 0;
    // Request the size by cell height (ascent + descent), as a positive font height does.
    FT_Size_RequestRec request{};
    request.type = FT_SIZE_REQUEST_TYPE_CELL;
    request.height = static_cast<FT_Long>(std::lround(cellHeight * 64.0));
    if (FT_Request_Size(face, &request) != 0)
        return 0;
    const double ascent = FT_MulFix(face->ascender, face->size->metrics.y_scale) * k26Dot6;

    FT_Outline_Funcs funcs{};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;
    OutlineSink sink{&points, 0.0, ascent};
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
            continue;
        if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_Outline_Decompose(&face->glyph->outline, &funcs, &sink);
        sink.penX += face->glyph->linearHoriAdvance / 65536.0;
    }
    return 1;
}
