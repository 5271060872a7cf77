#pragma once
// Where the parts of a menu window go: pure functions of measured sizes, so
// that hit testing, painting and placing the windows share one geometry.

#include "platform/core/Rect.h"

#include <span>
#include <vector>

constexpr int kMenuBorder = 2;            // px, the raised edge around the items
constexpr int kMenuSeparatorHeight = 8;   // px
constexpr int kMenuShortCutGap = 16;      // px between a caption and its shortcut
constexpr int kMenuArrowColumn = 16;      // px at the right, for the submenu arrow
constexpr int kMenuColumnMargin = 3;      // px on each side of the check column
constexpr int kMenuItemPadding = 3;       // px above and below the tallest part of an item
constexpr int kSubmenuOverlap = 3;        // px a submenu covers of its parent window

// What the plain look measures of one item.
struct TPlainItemMeasure {
    bool Separator = false;
    int CaptionWidth = 0;   // px
    int ShortCutWidth = 0;  // px, 0 without a shortcut
};

// What all items of a window share in the plain look.
struct TPlainMenuMetrics {
    int TextHeight = 0;   // px, of the menu font
    int GlyphWidth = 0;   // px, the wider of the check mark and the images
    int GlyphHeight = 0;  // px
};

[[nodiscard]] constexpr int CheckColumnWidth(const TPlainMenuMetrics& metrics)
{
    return metrics.GlyphWidth + 2 * kMenuColumnMargin;
}

// The plain size of an item.
[[nodiscard]] TSize PlainItemSize(const TPlainItemMeasure& item, const TPlainMenuMetrics& metrics);

// The columns of a plain item in its rectangle: the check mark or image at
// the left, the caption, the shortcut right-aligned before the arrow column.
struct TPlainItemParts {
    TRect Glyph;
    TRect Caption;
    TRect ShortCut;
    TRect Arrow;
};
[[nodiscard]] TPlainItemParts PlainItemParts(const TRect& item, const TPlainMenuMetrics& metrics);

// The items stacked inside the border, each as wide as the widest.
struct TMenuLayout {
    TSize WindowSize;
    std::vector<TRect> Items;  // client coordinates, one per measured size

    // The item under a client point, -1 for none (the border, an empty menu).
    [[nodiscard]] int ItemAt(TPoint client) const;
};
[[nodiscard]] TMenuLayout LayoutMenu(std::span<const TSize> itemSizes);

// Where a pop-up menu of size goes when asked for at: there, or flipped to
// the left of and above the point when the work area ends, then kept inside.
[[nodiscard]] TPoint PlacePopupMenu(TPoint at, TSize size, const TRect& work);
// Where a submenu goes: to the right of its parent window at the height of
// its item, else to the left; moved up when the work area ends below.
[[nodiscard]] TPoint PlaceSubmenu(const TRect& parentWindow, const TRect& itemScreen, TSize size, const TRect& work);
