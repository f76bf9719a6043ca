#pragma once

#include "core/GlobalSettings.h"
#include "document/DocumentViews.h"
#include "document/SceneClipboard.h"
#include "document/TavroDoc.h"

#include "../support/TestFiles.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Stands in for the views and file dialogs of a document: records redraws and modes, answers
// file dialogs with a prepared path (or cancels when it is empty).
class RecordingViews : public CDocumentViews {
public:
    void RedrawAllViews() override { ++redraws; }
    int ActiveViewMode() const override { return mode; }
    void SetActiveViewMode(int m) override { mode = m; }
    bool ChooseOpenFile(const std::string& filter, const std::string&, std::string& path) override {
        filters.push_back(filter);
        path = nextPath;
        return !nextPath.empty();
    }
    bool ChooseSaveFile(const std::string& filter, const std::string&, std::string& path) override {
        filters.push_back(filter);
        path = nextPath;
        return !nextPath.empty();
    }
    void AddToRecentFiles(const std::string& path) override { recent.push_back(path); }

    int redraws = 0;
    int mode = 0;
    std::string nextPath;
    std::vector<std::string> filters;
    std::vector<std::string> recent;
};

// A document with recording stand-ins for everything around it.
struct DocFixture {
    RecordingViews views;
    RecordingReporter reporter;
    CSceneClipboard clipboard;
    CGlobalSettings settings;
    CTavroDoc doc{views, reporter, clipboard, settings};
};

// Hand-written little-endian encoder: the expected bytes of a layout, built independently of
// the program's writer.
struct ExpectedBytes {
    std::vector<std::uint8_t> b;
    void u8(int v) { b.push_back(static_cast<std::uint8_t>(v)); }
    void i16(int v) {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void i32(std::int64_t v) {
        for (int i = 0; i < 4; ++i)
            u8(static_cast<int>((v >> (8 * i)) & 0xFF));
    }
    void f32(float f) {
        std::uint32_t u;
        std::memcpy(&u, &f, 4);
        i32(u);
    }
    void f64(double d) {
        std::uint64_t u;
        std::memcpy(&u, &d, 8);
        i32(u & 0xFFFFFFFF);
        i32(u >> 32);
    }
    void xyz(double x, double y, double z) {
        f32(static_cast<float>(x));
        f32(static_cast<float>(y));
        f32(static_cast<float>(z));
    }
    void text(const char* s, std::size_t size) {
        const std::size_t n = std::strlen(s);
        for (std::size_t i = 0; i < size; ++i)
            u8(i < n ? s[i] : 0);
    }
    void zeros(std::size_t n) { b.insert(b.end(), n, 0); }
    void identityColumns() {
        for (int i = 0; i < 16; ++i)
            f32(i % 5 == 0 ? 1.0f : 0.0f);
    }
};

inline std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::int32_t I32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

inline float F32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    const std::uint32_t u = static_cast<std::uint32_t>(I32At(b, at));
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}
