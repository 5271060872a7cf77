#pragma once
// What a piece of text asks of a font: a name, a height and a style. The
// colour is not part of it; it belongs to whoever paints.
//
// Height follows the classic desktop rule:
//   Height < 0   the em size in pixels (character height without leading);
//   Height > 0   the cell height in pixels (ascent + descent);
//   Height == 0  the default, a cell of kDefaultCellHeight pixels.

#include <string>

struct FontDesc {
    static constexpr int kDefaultCellHeight = 13;  // pixels

    std::string Name = "MS Sans Serif";
    int Height = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const FontDesc&) const = default;
};
