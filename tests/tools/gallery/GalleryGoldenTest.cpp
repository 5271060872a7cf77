// Every gallery section in every built-in style and in a sample theme,
// compared with its golden picture. To accept new pictures on purpose:
//     QZ_UPDATE_GOLDEN=1 build/tests/tools/gallery/gallery_tests --gtest_filter='*Golden*'
// then look at tests/golden/gallery/*.png before committing them.

#include "tests/support/GoldenImage.h"
#include "tools/gallery/GalleryRender.h"
#include "tools/gallery/GallerySection.h"

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr const char* kSampleTheme = "Amber";

std::vector<std::string> SectionNames()
{
    std::vector<std::string> names;
    for (const TGallerySection& section : GallerySections()) names.emplace_back(section.Name);
    return names;
}

std::vector<std::string> LookNames()
{
    std::vector<std::string> names;
    for (const TGalleryStyle& style : BuiltInGalleryStyles()) names.push_back(style.Name);
    names.emplace_back(kSampleTheme);
    return names;
}

TGalleryStyle LookNamed(const std::string& name)
{
    if (name == kSampleTheme) return ThemeFileStyle(std::string(QZ_SAMPLE_THEME_DIR) + "/" + name + ".sui");
    return *ParseGalleryStyle(name);
}

class GalleryGolden : public ::testing::TestWithParam<std::tuple<std::string, std::string>> {
protected:
    GalleryGolden()
    {
        // A mismatch saves the actual picture under the same relative name.
        std::filesystem::create_directories(std::filesystem::temp_directory_path() / "gallery");
    }
};

TEST_P(GalleryGolden, SectionLooksAsStored)
{
    const auto& [section, look] = GetParam();
    const PixelBuffer pixels = RenderGallerySection(LookNamed(look), section);
    EXPECT_TRUE(MatchesGolden(pixels, "gallery/" + section + "_" + look));
}

INSTANTIATE_TEST_SUITE_P(EveryLook, GalleryGolden,
                         ::testing::Combine(::testing::ValuesIn(SectionNames()), ::testing::ValuesIn(LookNames())),
                         [](const auto& info) { return std::get<0>(info.param) + "_" + std::get<1>(info.param); });

}  // namespace
