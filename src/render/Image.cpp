#include "render/Image.h"

#include "core/SafeFileWrite.h"
#include "core/SceneObject.h"

#include <png.h>

int CImage::PixelAt(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return PackRGB(rgb[i], rgb[i + 1], rgb[i + 2]);
}

namespace {

void AppendToBuffer(png_structp png, png_bytep data, png_size_t size) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + size);
}

void FlushNothing(png_structp) {}

} // namespace

int WritePng(const CImage& image, const std::string& path, std::string* failure) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3)
        return 0;
    // Encoded in memory first, so that the file is replaced as a scene is: whole or not at all.
    std::vector<std::uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile int ok = 0;
    if (info && !setjmp(png_jmpbuf(png))) {
        png_set_write_fn(png, &bytes, AppendToBuffer, FlushNothing);
        png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < image.height; ++y)
            png_write_row(png, image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3);
        png_write_end(png, nullptr);
        ok = 1;
    }
    png_destroy_write_struct(&png, &info);
    return ok && WriteFileReplacing(path, bytes, false, failure);
}
