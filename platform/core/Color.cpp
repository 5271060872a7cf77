#include "platform/core/Color.h"

#include <array>

namespace {

// The classic light-grey desktop palette, indexed by COLOR_*.
constexpr std::array<TColor, COLOR_COUNT> kClassicPalette = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application work space
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3D dark shadow
    RGB(212, 208, 200),  // 3D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(181, 181, 181),  // (unused index)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // active caption gradient
    RGB(192, 192, 192),  // inactive caption gradient
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

}  // namespace

TColor GetSysColor(int index)
{
    if (index < 0 || index >= COLOR_COUNT) return clBlack;
    return kClassicPalette[std::size_t(index)];
}

TColor ColorToRGB(TColor c)
{
    if (IsSystemColor(c)) return GetSysColor(c & 0xFF);
    return c & 0x00FFFFFF;
}
