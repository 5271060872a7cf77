#pragma once
// Pictures of pixels as text, so that raster tests state exact pixels in a
// readable way. Each row ends with '\n' and the picture starts with one, so a
// raw string literal written as a block compares equal.

#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"

#include <string>

// '.' white, '#' black, 'r' red, 'g' lime, 'b' blue, '?' any other colour.
inline char PixelChar(TPixel p)
{
    switch (ColorFromPixel(p)) {
    case clWhite: return '.';
    case clBlack: return '#';
    case clRed: return 'r';
    case clLime: return 'g';
    case clBlue: return 'b';
    default: return '?';
    }
}

inline std::string Picture(const PixelBuffer& b, const TRect& area)
{
    std::string s = "\n";
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) s += PixelChar(b.GetPixel(x, y));
        s += '\n';
    }
    return s;
}

inline std::string Picture(const PixelBuffer& b) { return Picture(b, b.Bounds()); }

// '#' inside the region, '.' outside.
inline std::string Picture(const Region& r, const TRect& area)
{
    std::string s = "\n";
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) s += r.Contains({x, y}) ? '#' : '.';
        s += '\n';
    }
    return s;
}

inline int CountPixels(const PixelBuffer& b, TColor c)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += ColorFromPixel(b.At(x, y)) == c;
    return n;
}

inline PixelBuffer WhiteBuffer(int width, int height) { return PixelBuffer(width, height, PixelFromColor(clWhite)); }
