#include "tools/skinart/CheckArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <algorithm>

namespace {

struct CheckState {
    bool Checked = false;
    bool Enabled = true;
};

constexpr CheckState kCheckFrames[] = {{true, true}, {false, true}, {true, false}, {false, false}};
constexpr int kLargeFrame = 15;       // pixels; frames this large leave a margin around the box
constexpr double kBoxRadius = 3;      // pixels, at most
constexpr double kDisabledFade = 0.6; // share of background in disabled parts

struct Well {
    int Left = 0;
    int Top = 0;
    int Side = 0;
};

[[nodiscard]] Well WellOf(TSize frame)
{
    int side = std::min(frame.cx, frame.cy);
    if (side >= kLargeFrame) side -= 2;
    return {(frame.cx - side) / 2, (frame.cy - side) / 2, side};
}

[[nodiscard]] TColor EdgeOf(const Look& look, CheckState state)
{
    return state.Enabled ? look.Edge : Desaturate(Mix(look.Edge, look.Background, kDisabledFade), 0.5);
}

[[nodiscard]] Gradient InsideOf(const Look& look, CheckState state, const Well& well)
{
    if (!state.Enabled) return Gradient::Solid(Mix(look.Background, clWhite, 0.35));
    return Gradient::Linear(well.Top, Mix(look.Face, look.Background, 0.5), well.Top + well.Side, clWhite);
}

[[nodiscard]] TColor MarkOf(const Look& look, CheckState state)
{
    return state.Enabled ? look.Mark : Desaturate(Mix(look.Mark, look.Background, kDisabledFade), 0.5);
}

[[nodiscard]] PixelBuffer CheckFrame(const Look& look, CheckState state, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const Well well = WellOf(size);
    const double l = well.Left;
    const double t = well.Top;
    const double s = well.Side;
    const double radius = std::min(kBoxRadius, double(look.Radius));
    canvas.Fill(Shape::RoundBox(l, t, l + s, t + s, radius), Gradient::Solid(EdgeOf(look, state)));
    canvas.Fill(Shape::RoundBox(l + 1, t + 1, l + s - 1, t + s - 1, std::max(0.0, radius - 1)),
                InsideOf(look, state, well));
    if (state.Checked) {
        canvas.Fill(CheckGlyph({l + 1, t + 1, s - 2}, s / 6.5), Gradient::Solid(MarkOf(look, state)));
    }
    canvas.SetCorners(canvas.Bounds(), look.Background);
    return canvas.Take();
}

[[nodiscard]] PixelBuffer RadioFrame(const Look& look, CheckState state, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const Well well = WellOf(size);
    const double r = well.Side / 2.0;
    const double cx = well.Left + r;
    const double cy = well.Top + r;
    canvas.Fill(Shape::Circle(cx, cy, r), Gradient::Solid(EdgeOf(look, state)));
    canvas.Fill(Shape::Circle(cx, cy, r - 1), InsideOf(look, state, well));
    if (state.Checked) {
        const double dot = well.Side * 0.2;
        const TColor mark = MarkOf(look, state);
        canvas.Fill(Shape::Circle(cx, cy, dot), Gradient::Linear(cy - dot, Lighten(mark, 0.4), cy + dot, mark));
    }
    canvas.SetCorners(canvas.Bounds(), look.Background);
    return canvas.Take();
}

}  // namespace

PixelBuffer DrawCheckBoxStrip(const Look& look, TSize size)
{
    return DrawStrip(size, 4, [&](int i, TSize frame) { return CheckFrame(look, kCheckFrames[i], frame); });
}

PixelBuffer DrawRadioStrip(const Look& look, TSize size)
{
    return DrawStrip(size, 4, [&](int i, TSize frame) { return RadioFrame(look, kCheckFrames[i], frame); });
}

PixelBuffer DrawMenuCheck(const Look&, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, clWhite);
    const int side = std::min(size.cx, size.cy) * 5 / 8;
    canvas.Fill(CheckGlyph(CentredGlyphBox(size.cx, size.cy, side), 2.0), Gradient::Solid(clBlack));
    return canvas.Take();
}
