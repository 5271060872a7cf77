#pragma once
// Every picture skinart draws: the bitmap elements of the theme table with
// their sizes per built-in style, the further skin bitmaps, the program's
// icon and the sample themes' pictures.

#include "tools/skinart/ArtPainter.h"
#include "tools/skinart/Look.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One bitmap element of the theme table.
struct BitmapElement {
    int Id = 0;  // the element's id (SuiThemeId)
    std::array<TSize, kBuiltInLookCount> Sizes;  // per built-in style, in the styles' order
    ArtPainter Paint;

    // The element's key name, "ButtonImage".
    [[nodiscard]] std::string_view Key() const;
};

// One picture to draw.
struct ArtPiece {
    std::string Name;  // resource name, or element key for a theme's pictures
    TSize Size;
    const Look* Style = nullptr;
    ArtPainter Paint = nullptr;

    [[nodiscard]] PixelBuffer Render() const;
};

// The 19 bitmap elements, in the order of their ids.
[[nodiscard]] std::span<const BitmapElement> BitmapElements();
// Throws EInvalidOperation for a key that names no bitmap element.
[[nodiscard]] const BitmapElement& BitmapElementByKey(std::string_view key);
// The resource that holds an element's picture in a built-in look, as the
// skin's built-in theme table names it; throws EInvalidOperation for a
// sample look.
[[nodiscard]] std::string ResourceNameOf(const BitmapElement& element, const Look& look);

// Every skin bitmap of the program, each once, grouped by look; pictures
// shared by all styles come last.
[[nodiscard]] std::vector<ArtPiece> BuiltInPieces();
// The program's icon, MAINICON.
[[nodiscard]] ArtPiece MainIconPiece();
// One picture per bitmap element in a look, named by key, at the sizes of
// the look's size column.
[[nodiscard]] std::vector<ArtPiece> ElementPieces(const Look& look);
