#include "tools/skinart/SideChannelArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"

#include <algorithm>

namespace {

constexpr int kGripDots = 3;
constexpr int kGripGap = 6;  // pixels between grip dots
constexpr TColor kPinInk = RGB(64, 66, 74);

}  // namespace

PixelBuffer DrawSideChannelHandle(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double w = size.cx;
    const double h = size.cy;
    const double radius = std::min(3.0, w / 2);
    canvas.Fill(Shape::RoundBox(0, 0, w, h, radius), Gradient::Solid(Darken(look.PanelBottom, 0.3)));
    canvas.Fill(Shape::RoundBox(1, 1, w - 1, h - 1, radius - 1),
                Gradient::Linear(1, Lighten(look.PanelTop, 0.2), w - 1, look.PanelBottom, GradientAxis::Horizontal));
    const int x = (size.cx - 2) / 2;
    for (int i = 0; i < kGripDots; ++i) {
        const int y = size.cy / 2 + (i - kGripDots / 2) * kGripGap - 1;
        canvas.FillRect({x, y, x + 2, y + 2}, Gradient::Solid(Lighten(look.PanelTop, 0.6)));
    }
    return canvas.Take();
}

PixelBuffer DrawSideChannelBar(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.PanelTop);
    const int h = size.cy;
    canvas.FillRect(canvas.Bounds(), Gradient({{0, Lighten(look.PanelTop, 0.35)},
                                               {1, Lighten(look.PanelTop, 0.35)},
                                               {1, look.PanelTop},
                                               {double(h - 1), look.PanelBottom},
                                               {double(h - 1), Darken(look.PanelBottom, 0.25)}}));
    return canvas.Take();
}

PixelBuffer DrawSideChannelButton(const Look&, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, RGB(220, 220, 224));
    const int side = std::min(size.cx, size.cy) - 2;
    canvas.Fill(ArrowGlyph(CentredGlyphBox(size.cx, size.cy, side), Direction::Right), Gradient::Solid(kPinInk));
    canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}
