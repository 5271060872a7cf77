#include "platform/gfx/PngWriter.h"

#include "platform/core/Exception.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <span>

namespace {

// Unpacks 0xAARRGGBB pixels into the byte order libpng expects.
std::vector<std::uint8_t> PackedRows(const PixelBuffer& pixels, PngChannels channels)
{
    const std::size_t components = channels == PngChannels::Rgba ? 4 : 3;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(pixels.Width()) * std::size_t(pixels.Height()) * components);
    for (int y = 0; y < pixels.Height(); ++y) {
        for (const TPixel p : std::span(pixels.Row(y), std::size_t(pixels.Width()))) {
            bytes.push_back(std::uint8_t(p >> 16));
            bytes.push_back(std::uint8_t(p >> 8));
            bytes.push_back(std::uint8_t(p));
            if (components == 4) bytes.push_back(std::uint8_t(p >> 24));
        }
    }
    return bytes;
}

struct ImageFreer {
    void operator()(png_image* image) const { png_image_free(image); }
};

}  // namespace

std::vector<std::uint8_t> EncodePng(const PixelBuffer& pixels, PngChannels channels)
{
    if (pixels.IsEmpty()) throw EWriteError("Cannot save an empty picture as PNG");

    const std::vector<std::uint8_t> rows = PackedRows(pixels, channels);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(pixels.Width());
    image.height = png_uint_32(pixels.Height());
    image.format = channels == PngChannels::Rgba ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const std::unique_ptr<png_image, ImageFreer> cleanup(&image);

    // The first call asks for the size, the second writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rows.data(), 0, nullptr))
        throw EWriteError(std::string("PNG encoding failed: ") + image.message);
    std::vector<std::uint8_t> png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rows.data(), 0, nullptr))
        throw EWriteError(std::string("PNG encoding failed: ") + image.message);
    png.resize(size);
    return png;
}

void SavePngFile(const PixelBuffer& pixels, const std::string& path, PngChannels channels)
{
    const std::vector<std::uint8_t> png = EncodePng(pixels, channels);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) throw EFOpenError("Cannot create file " + path);
    if (std::fwrite(png.data(), 1, png.size(), file.get()) != png.size() || std::fflush(file.get()) != 0)
        throw EWriteError("Cannot write file " + path);
}
