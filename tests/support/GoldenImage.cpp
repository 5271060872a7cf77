#include "tests/support/GoldenImage.h"

#include "platform/core/Exception.h"
#include "platform/gfx/PngWriter.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

namespace {

std::string GoldenPath(const std::string& name) { return std::string(QZ_SOURCE_DIR) + "/tests/golden/" + name + ".png"; }

bool UpdatingGoldens()
{
    const char* update = std::getenv("QZ_UPDATE_GOLDEN");
    return update && std::string_view(update) == "1";
}

struct ImageFreer {
    void operator()(png_image* image) const { png_image_free(image); }
};

}  // namespace

PixelBuffer DecodePngForTest(std::span<const std::uint8_t> png)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const std::unique_ptr<png_image, ImageFreer> cleanup(&image);
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
        throw EReadError(std::string("Bad PNG: ") + image.message);
    if (!PixelBuffer::SizeAllowed(image.width, image.height)) throw EReadError("PNG too large");
    // Read as RGBA bytes and pack them by hand, whatever the byte order.
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr))
        throw EReadError(std::string("Bad PNG: ") + image.message);

    PixelBuffer pixels(int(image.width), int(image.height));
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            const std::uint8_t* p = rgba.data() + (std::size_t(y) * image.width + std::size_t(x)) * 4;
            pixels.At(x, y) = (TPixel(p[3]) << 24) | (TPixel(p[0]) << 16) | (TPixel(p[1]) << 8) | TPixel(p[2]);
        }
    }
    return pixels;
}

PixelBuffer LoadPngForTest(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EFOpenError("Cannot open " + path);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return DecodePngForTest(bytes);
}

::testing::AssertionResult MatchesGolden(const PixelBuffer& actual, const std::string& name)
{
    const std::string path = GoldenPath(name);
    if (UpdatingGoldens()) {
        SavePngFile(actual, path);
        return ::testing::AssertionSuccess() << "golden written: " << path;
    }
    if (!std::filesystem::exists(path))
        return ::testing::AssertionFailure() << "no golden " << path << "; run with QZ_UPDATE_GOLDEN=1 to make it";

    const PixelBuffer expected = LoadPngForTest(path);
    // Goldens in sub-folders ("frame/...") land flat in the temporary directory.
    std::string flatName = name;
    std::replace(flatName.begin(), flatName.end(), '/', '_');
    const std::string actualPath = (std::filesystem::temp_directory_path() / (flatName + ".actual.png")).string();
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
        SavePngFile(actual, actualPath);
        return ::testing::AssertionFailure() << name << ": size " << actual.Width() << "x" << actual.Height()
                                             << ", golden " << expected.Width() << "x" << expected.Height()
                                             << "; actual saved to " << actualPath;
    }
    int differences = 0;
    TPoint first{-1, -1};
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if ((actual.At(x, y) & 0xFFFFFFu) == (expected.At(x, y) & 0xFFFFFFu)) continue;
            if (differences++ == 0) first = {x, y};
        }
    }
    if (differences == 0) return ::testing::AssertionSuccess();
    SavePngFile(actual, actualPath);
    return ::testing::AssertionFailure() << name << ": " << differences << " pixels differ, first at (" << first.X
                                         << ", " << first.Y << "); actual saved to " << actualPath;
}
