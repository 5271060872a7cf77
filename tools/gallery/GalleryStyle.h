#pragma once
// A look the gallery can show: one of the five built-in styles, or a theme
// file (.sui) read through a TsuiFileTheme with the FromThemeFile style.

#include "skin/core/UIStyle.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TGalleryStyle {
    std::string Name;       // shown in the style list; names goldens
    TsuiUIStyle Style = DeepBlue;
    std::string ThemeFile;  // only for FromThemeFile

    bool operator==(const TGalleryStyle&) const = default;
};

// MacOS, WinXP, DeepBlue, Protein, BlueGlass.
[[nodiscard]] std::vector<TGalleryStyle> BuiltInGalleryStyles();
// A theme file's look, named after the file without folder and extension.
[[nodiscard]] TGalleryStyle ThemeFileStyle(const std::string& path);
// A built-in style's name (ASCII case ignored) or a path ending in ".sui".
[[nodiscard]] std::optional<TGalleryStyle> ParseGalleryStyle(std::string_view text);
// The .sui files of a folder, sorted by name; none for a missing folder.
[[nodiscard]] std::vector<TGalleryStyle> ThemeFilesIn(const std::string& folder);
// The folder the build packs the sample themes into.
[[nodiscard]] std::string SampleThemeFolder();
