#pragma once
// The gallery's command line:
//   gallery [--style LOOK] [--page SECTION] [--screenshot OUT.png | --contact OUT.png] [THEME.sui...]
// LOOK is a built-in style's name or a theme file; the theme files named
// at the end join the style list (the first is shown when --style is
// absent). --screenshot draws the window off screen into a PNG file;
// --contact draws every section in every built-in style and in the
// sample and named theme files.

#include "tools/gallery/GalleryStyle.h"

#include <span>
#include <string>
#include <vector>

enum class GalleryMode { Window, Screenshot, Contact, Help, Refused };

struct GalleryCommand {
    GalleryMode Mode = GalleryMode::Window;
    std::optional<TGalleryStyle> Style;
    std::string Page;
    std::string Output;                   // the PNG file of --screenshot or --contact
    std::vector<TGalleryStyle> Themes;    // theme files named at the end
    std::string Error;                    // why the arguments were refused
};

// args are the arguments after the program's name.
[[nodiscard]] GalleryCommand ParseGalleryCommand(std::span<const char* const> args);

[[nodiscard]] std::string_view GalleryUsage();
