#pragma once

#include "core/GeometryCache.h"
#include "core/GlobalSettings.h"
#include "core/ObjectList.h"
#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "render/EglContext.h"
#include "render/GLRender.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// Records messages instead of showing them.
class CRecordingReporter : public CUserReporter {
public:
    void Message(const std::string& text, const std::string& caption = "Error") override {
        messages.push_back(text);
    }
    bool Question(const std::string&, const std::string& = "Tavrona") override { return true; }
    std::vector<std::string> messages;
};

// A filled square in the plane z = depth (inches), drawn like a polyface: white in the filling
// pass of hidden-surface rendering, yellow-olive when selected, its colour otherwise. Its
// geometry goes through the renderer's geometry cache; `emits` counts the compilations.
class CTestSquare : public CSceneObject {
public:
    CTestSquare(double cx, double cy, double depth, double half, int packedColour)
        : cx(cx), cy(cy), depth(depth), half(half) {
        type = kTypePolyface;
        colour = packedColour;
    }
    void Draw(bool whiteFill, int) override {
        GLSetColour(whiteFill ? PackRGB(255, 255, 255) : selected ? PackRGB(155, 155, 0) : colour);
        glLoadName(id);
        glPushMatrix();
        GLMultMatrix(transform);
        DrawCachedGeometry(*this, 0, [this] {
            ++emits;
            glBegin(GL_QUADS);
            glNormal3d(0, 0, 1);
            glVertex3d(cx - half, cy - half, depth);
            glVertex3d(cx + half, cy - half, depth);
            glVertex3d(cx + half, cy + half, depth);
            glVertex3d(cx - half, cy + half, depth);
            glEnd();
        });
        glPopMatrix();
    }
    double cx, cy, depth, half;
    int emits = 0;
};

// A straight line strip drawn like a polyline (blue by default).
class CTestLine : public CSceneObject {
public:
    CTestLine(const Vec3& a, const Vec3& b) : a(a), b(b) {
        type = kTypePolyline;
        colour = PackRGB(0, 0, 255);
    }
    void Draw(bool whiteFill, int) override {
        GLSetColour(whiteFill  ? PackRGB(255, 255, 255)
                    : selected ? PackRGB(255, 155, 155)
                               : colour);
        glLoadName(id);
        glBegin(GL_LINE_STRIP);
        glVertex3d(a.x, a.y, a.z);
        glVertex3d(b.x, b.y, b.z);
        glEnd();
    }
    Vec3 a, b;
};

// Draws a text at its position through the renderer's glyph lists.
class CTestLabel : public CSceneObject {
public:
    CTestLabel(CGLRender& render, const char* text, double size)
        : render(render), text(text), size(size) {}
    void Draw(bool, int) override {
        GLSetColour(PackRGB(0, 0, 0));
        glPushMatrix();
        glScaled(size, size, size);
        render.DrawText(text);
        glPopMatrix();
    }
    CGLRender& render;
    const char* text;
    double size;
};

// An off-screen renderer of a given size, a scene list that owns its objects, and helpers.
class OffscreenTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    void SetUp() override {
        context = std::make_unique<CEglContext>(kWidth, kHeight);
        render = std::make_unique<CGLRender>(settings, reporter);
        ASSERT_EQ(render->InitOffscreenRender(context.get(), nullptr, kWidth, kHeight), 1)
            << (render->message ? render->message : "");
    }
    void TearDown() override {
        render.reset();
        for (CSceneObject* object : owned)
            delete object;
    }
    template <class T> T* Add(T* object) {
        owned.push_back(object);
        object->AddToList(objects);
        return object;
    }
    CImage Frame() {
        CImage image;
        EXPECT_EQ(render->RenderObjectList(objects, PICK_NONE, 1, 1), 1);
        EXPECT_EQ(render->ReadImage(image), 1);
        return image;
    }
    // Window pixel (top-left origin) where a model point lands.
    void PixelOf(const Vec3& p, int& x, int& y) const {
        const Vec3 w = render->camera.Project(p);
        x = static_cast<int>(w.x);
        y = kHeight - 1 - static_cast<int>(w.y);
    }

    CGlobalSettings settings;
    CRecordingReporter reporter;
    std::unique_ptr<CEglContext> context;
    std::unique_ptr<CGLRender> render;
    CObjectList objects;
    std::vector<CSceneObject*> owned;
};

inline bool IsRed(int c) {
    return RedOf(c) > 200 && GreenOf(c) < 60 && BlueOf(c) < 60;
}
inline bool IsGreen(int c) {
    return GreenOf(c) > 200 && RedOf(c) < 60 && BlueOf(c) < 60;
}
inline bool IsBlue(int c) {
    return BlueOf(c) > 200 && RedOf(c) < 60 && GreenOf(c) < 60;
}
// A pixel of a one-pixel line: with multisampling the line may cover only part of each pixel
// it crosses, which then shows its colour blended with the white behind it. Blue still leads
// the other channels by a wide margin.
inline bool IsBluish(int c) {
    return BlueOf(c) > 200 && RedOf(c) < BlueOf(c) - 80 && GreenOf(c) < BlueOf(c) - 80;
}
inline bool IsMagentaish(int c) {
    return RedOf(c) > 200 && BlueOf(c) > 200 && GreenOf(c) < std::min(RedOf(c), BlueOf(c)) - 80;
}
// Whether a pixel within `radius` of (x, y) satisfies the test (thin lines may fall on
// either side of a pixel boundary).
template <class Test> bool AnyPixelNear(const CImage& image, int x, int y, int radius, Test test) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (test(image.PixelAt(x + dx, y + dy)))
                return true;
    return false;
}
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kBlack = 0;
