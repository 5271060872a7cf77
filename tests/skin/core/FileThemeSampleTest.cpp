// The sample themes the build packs from resources/themes/<name>/: each
// loads through TsuiFileTheme with all 42 elements, the pictures equal to
// the folder's BMP files and the numbers equal to its values.txt.

#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/FileTheme.h"
#include "skin/core/ThemeElements.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;

// Where the build puts the packed samples (tools/suitheme/CMakeLists.txt).
#ifdef QZ_SAMPLE_THEME_DIR
constexpr const char* kSampleThemeDir = QZ_SAMPLE_THEME_DIR;
#else
constexpr const char* kSampleThemeDir = nullptr;
#endif

// values.txt's number for key: decimal or 0x hex, True/False.
std::optional<int> ValueOf(const TStringList& values, const std::string& key)
{
    if (values.IndexOfName(key) < 0) return std::nullopt;
    const std::string text = Trim(values.Values(key));
    if (SameText(text, "True") || SameText(text, "False")) return SameText(text, "True");
    return TryStrToInt(text);
}

void CheckSample(const fs::path& folder)
{
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile((fs::path(kSampleThemeDir) / (folder.filename().string() + ".sui")).string());
    ASSERT_TRUE(theme.CanUse()) << "not built";
    TStringList values;
    values.LoadFromFile((folder / "values.txt").string());
    for (int id = 1; id <= kThemeElementCount; ++id) {
        const std::string key(ThemeElementKey(id));
        SCOPED_TRACE(key);
        TBitmap expected, loaded;
        switch (ThemeElementKindOf(id)) {
        case TThemeElementKind::Bitmap:
            expected.LoadFromFile((folder / (key + ".bmp")).string());
            theme.GetBitmap(id, &loaded);
            EXPECT_FALSE(loaded.Empty());
            EXPECT_EQ(loaded.Width(), expected.Width());
            EXPECT_EQ(loaded.Height(), expected.Height());
            EXPECT_TRUE(loaded.Pixels() == expected.Pixels());
            break;
        case TThemeElementKind::Integer: EXPECT_EQ(ValueOf(values, key), theme.GetInt(id)); break;
        case TThemeElementKind::Color: EXPECT_EQ(ValueOf(values, key), theme.GetColor(id)); break;
        case TThemeElementKind::Bool: EXPECT_EQ(ValueOf(values, key), int(theme.GetBool(id))); break;
        }
    }
}

TEST(FileThemeSampleTest, EverySampleHoldsEveryElementOfItsFolder)
{
    if (!kSampleThemeDir) GTEST_SKIP() << "the build did not say where the sample themes are";
    std::error_code error;
    int samples = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(QZ_SOURCE_DIR) / "resources/themes", error)) {
        if (!entry.is_directory()) continue;
        SCOPED_TRACE(entry.path().filename().string());
        CheckSample(entry.path());
        ++samples;
    }
    if (samples == 0) GTEST_SKIP() << "no sample theme folders";
}

}  // namespace
