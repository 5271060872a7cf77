#pragma once
// The gallery's command line:
//   gallery [--style LOOK] [--page SECTION] [--log] [THEME.sui...]
//   gallery [--style LOOK] [--page SECTION] --screenshot OUT.png | --contact OUT.png | --layout
// LOOK is a built-in style's name or a theme file; the theme files named
// at the end join the style list (the first is shown when --style is
// absent). --screenshot draws the window off screen into a PNG file;
// --contact draws every section in every built-in style and in the
// sample and named theme files. --layout prints every named control's
// place in the window's client area ("name left top width height"), --log
// prints the window's events (GalleryEventLog.h), for scripts.

#include "tools/gallery/GalleryStyle.h"

#include <span>
#include <string>
#include <vector>

enum class GalleryMode { Window, Screenshot, Contact, Layout, Help, Refused };

struct GalleryCommand {
    GalleryMode Mode = GalleryMode::Window;
    std::optional<TGalleryStyle> Style;
    std::string Page;
    bool Log = false;                     // the window prints its events
    std::string Output;                   // the PNG file of --screenshot or --contact
    std::vector<TGalleryStyle> Themes;    // theme files named at the end
    std::string Error;                    // why the arguments were refused
};

// args are the arguments after the program's name.
[[nodiscard]] GalleryCommand ParseGalleryCommand(std::span<const char* const> args);

[[nodiscard]] std::string_view GalleryUsage();
