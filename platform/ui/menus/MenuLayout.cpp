#include "platform/ui/menus/MenuLayout.h"

#include <algorithm>

TSize PlainItemSize(const TPlainItemMeasure& item, const TPlainMenuMetrics& metrics)
{
    if (item.Separator) return {2 * kMenuColumnMargin, kMenuSeparatorHeight};
    int width = CheckColumnWidth(metrics) + item.CaptionWidth + kMenuArrowColumn;
    if (item.ShortCutWidth > 0) width += kMenuShortCutGap + item.ShortCutWidth;
    const int height = std::max(metrics.TextHeight, metrics.GlyphHeight) + 2 * kMenuItemPadding;
    return {width, height};
}

TPlainItemParts PlainItemParts(const TRect& item, const TPlainMenuMetrics& metrics)
{
    const int checkRight = item.Left + CheckColumnWidth(metrics);
    const int arrowLeft = item.Right - kMenuArrowColumn;
    TPlainItemParts parts;
    parts.Glyph = {item.Left + kMenuColumnMargin, item.Top, checkRight - kMenuColumnMargin, item.Bottom};
    parts.Caption = {checkRight, item.Top, arrowLeft, item.Bottom};
    parts.ShortCut = parts.Caption;
    parts.Arrow = {arrowLeft, item.Top, item.Right, item.Bottom};
    return parts;
}

int TMenuLayout::ItemAt(TPoint client) const
{
    for (std::size_t i = 0; i < Items.size(); ++i) {
        if (Items[i].Contains(client)) return int(i);
    }
    return -1;
}

TMenuLayout LayoutMenu(std::span<const TSize> itemSizes)
{
    int width = 0;
    for (const TSize& size : itemSizes) width = std::max(width, size.cx);
    TMenuLayout layout;
    int top = kMenuBorder;
    for (const TSize& size : itemSizes) {
        layout.Items.push_back(TRect::FromSize(kMenuBorder, top, width, size.cy));
        top += size.cy;
    }
    layout.WindowSize = {width + 2 * kMenuBorder, top + kMenuBorder};
    return layout;
}

namespace {

// The start of a span of length size near wanted, inside [low, high) when it fits.
int KeepInside(int wanted, int size, int low, int high)
{
    return std::max(low, std::min(wanted, high - size));
}

}  // namespace

TPoint PlacePopupMenu(TPoint at, TSize size, const TRect& work)
{
    int x = at.X;
    int y = at.Y;
    if (x + size.cx > work.Right && x - size.cx >= work.Left) x -= size.cx;
    if (y + size.cy > work.Bottom && y - size.cy >= work.Top) y -= size.cy;
    return {KeepInside(x, size.cx, work.Left, work.Right), KeepInside(y, size.cy, work.Top, work.Bottom)};
}

TPoint PlaceSubmenu(const TRect& parentWindow, const TRect& itemScreen, TSize size, const TRect& work)
{
    int x = parentWindow.Right - kSubmenuOverlap;
    if (x + size.cx > work.Right) x = parentWindow.Left + kSubmenuOverlap - size.cx;
    const int y = itemScreen.Top - kMenuBorder;
    return {KeepInside(x, size.cx, work.Left, work.Right), KeepInside(y, size.cy, work.Top, work.Bottom)};
}
