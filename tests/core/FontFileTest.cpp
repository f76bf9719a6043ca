#include "core/FontFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <string>

namespace {

// Family and style of the face a lookup names, as the font file itself gives them.
struct FaceNames {
    std::string family;
    std::string style;
};

bool ReadFaceNames(const FontFile& file, FaceNames& names) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face face = nullptr;
    const bool opened = FT_New_Face(library, file.path.c_str(), file.faceIndex, &face) == 0;
    if (opened) {
        names.family = face->family_name ? face->family_name : "";
        names.style = face->style_name ? face->style_name : "";
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return opened;
}

// The Liberation fonts are installed with the program's dependencies.
TEST(FontFile, ArialResolvesToTheMetricCompatibleLiberationSans) {
    const FontFile file = FindFontFile("Arial");
    ASSERT_FALSE(file.path.empty());
    FaceNames names;
    ASSERT_TRUE(ReadFaceNames(file, names)) << file.path;
    EXPECT_EQ(names.family, "Liberation Sans");
    EXPECT_EQ(names.style, "Regular");
}

TEST(FontFile, StyleInTheNameSelectsThatFace) {
    const FontFile file = FindFontFile("Liberation Serif:bold");
    FaceNames names;
    ASSERT_TRUE(ReadFaceNames(file, names)) << file.path;
    EXPECT_EQ(names.family, "Liberation Serif");
    EXPECT_EQ(names.style, "Bold");
}

} // namespace
