#include "tools/skinart/ArtColor.h"

#include <algorithm>
#include <cmath>

namespace {

[[nodiscard]] int MixChannel(int a, int b, double t)
{
    return int(std::lround(a + (b - a) * t));
}

}  // namespace

TColor Mix(TColor a, TColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return RGB(MixChannel(GetRValue(a), GetRValue(b), t), MixChannel(GetGValue(a), GetGValue(b), t),
               MixChannel(GetBValue(a), GetBValue(b), t));
}

TColor Lighten(TColor c, double t)
{
    return Mix(c, clWhite, t);
}

TColor Darken(TColor c, double t)
{
    return Mix(c, clBlack, t);
}

TColor Desaturate(TColor c, double t)
{
    const int grey = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
    return Mix(c, RGB(grey, grey, grey), t);
}

TPixel Over(TPixel dest, TColor colour, double alpha)
{
    return PixelFromRGB(Mix(ColorFromPixel(dest), colour, alpha));
}
