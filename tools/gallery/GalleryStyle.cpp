#include "tools/gallery/GalleryStyle.h"

#include "platform/core/EnumInfo.h"
#include "platform/core/SysUtils.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::string_view kThemeExtension = ".sui";
// Sample themes are small; a folder is not searched without limit.
constexpr std::size_t kMaxThemeFiles = 64;

bool HasThemeExtension(std::string_view path)
{
    return path.size() > kThemeExtension.size() &&
           SameText(path.substr(path.size() - kThemeExtension.size()), kThemeExtension);
}

}  // namespace

std::vector<TGalleryStyle> BuiltInGalleryStyles()
{
    std::vector<TGalleryStyle> styles;
    for (TsuiUIStyle style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        styles.push_back({GetEnumName(EnumInfoOf(style), style), style, {}});
    }
    return styles;
}

TGalleryStyle ThemeFileStyle(const std::string& path)
{
    return {std::filesystem::path(path).stem().string(), FromThemeFile, path};
}

std::optional<TGalleryStyle> ParseGalleryStyle(std::string_view text)
{
    for (const TGalleryStyle& style : BuiltInGalleryStyles()) {
        if (SameText(style.Name, text)) return style;
    }
    if (HasThemeExtension(text)) return ThemeFileStyle(std::string(text));
    return std::nullopt;
}

std::vector<TGalleryStyle> ThemeFilesIn(const std::string& folder)
{
    std::vector<TGalleryStyle> styles;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (styles.size() == kMaxThemeFiles) break;
        const std::string path = entry.path().string();
        if (entry.is_regular_file(error) && HasThemeExtension(path)) styles.push_back(ThemeFileStyle(path));
    }
    std::sort(styles.begin(), styles.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    return styles;
}

std::string SampleThemeFolder()
{
    return QZ_GALLERY_THEME_DIR;
}
