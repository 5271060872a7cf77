#include "tools/skinart/TitleBarArt.h"

#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Faces.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr CaptionGlyph kButtonGlyphs[] = {CaptionGlyph::ControlBox, CaptionGlyph::Help,     CaptionGlyph::Maximise,
                                          CaptionGlyph::Restore,    CaptionGlyph::Minimise, CaptionGlyph::Close};
constexpr FaceState kButtonStates[] = {FaceState::Normal, FaceState::Hot, FaceState::Pressed};
constexpr int kFramesPerButton = 3;
constexpr int kTitleButtonFrames = 18;

constexpr double kGlowPeak = 0.45;      // opacity at the glow's centre
constexpr double kSheenOpacity = 0.24;
constexpr double kPlateRadius = 3;      // pixels
constexpr double kGlyphShare = 0.45;    // glyph side as a share of the button side
constexpr double kRimMix = 0.45;        // plate rims lean this far towards the glyph colour

// The first row where the bar's colours change abruptly (a separating line),
// or its height: decorations of the left piece stay above it.
[[nodiscard]] double FirstHardEdge(const Look& look, int height)
{
    const auto& rows = look.Title.Rows;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].At == rows[i - 1].At && rows[i].At > 0) return std::min(rows[i].At, double(height));
    }
    return height;
}

[[nodiscard]] ArtCanvas PlainBar(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    canvas.FillRect(canvas.Bounds(), TitleRowGradient(look, size.cy, 0));
    return canvas;
}

enum class Side { Left, Right };

// A light line along the top edge, round the rounded corner and down the
// outer edge; outside the corner the border colour (the window region clips
// it away).
void PaintRim(ArtCanvas& canvas, const Look& look, Side side)
{
    const double w = canvas.Width();
    const double h = canvas.Height();
    const double r = look.Title.RoundCorner / 2.0;
    const double reach = 4 * r + 4;  // the box's far side lies off the picture
    const Shape outer = side == Side::Left ? Shape::RoundBox(0, 0, w + reach, h + reach, r)
                                           : Shape::RoundBox(-reach, 0, w, h + reach, r);
    const Shape inner = side == Side::Left ? Shape::RoundBox(1, 1, w + reach, h + reach, r - 1)
                                           : Shape::RoundBox(-reach, 1, w - 1, h + reach, r - 1);
    // Along the top the bar's own first row is the highlight, so that the
    // piece joins the middle piece without a seam.
    const Shape top = side == Side::Left ? Shape::Box(r, 0, w + reach, 1) : Shape::Box(-reach, 0, w - r, 1);
    canvas.Fill(Shape::Box(0, 0, w, h) - outer, Gradient::Solid(look.Border));
    canvas.Fill(outer - inner - top, Gradient::Solid(look.Title.OrnamentColor), 0.8);
}

void PaintOrnament(ArtCanvas& canvas, const Look& look)
{
    const double w = canvas.Width();
    const double h = canvas.Height();
    const double band = FirstHardEdge(look, canvas.Height());
    const Gradient ornament = Gradient::Solid(look.Title.OrnamentColor);
    switch (look.Title.Ornament) {
    case TitleOrnament::None: break;
    case TitleOrnament::Glow: {
        const double cx = band * 0.6;
        const double cy = band * 0.4;
        const double rx = std::min(w * 0.6, band * 2.6);
        canvas.Glow({cx, cy}, rx, band, look.Title.OrnamentColor, kGlowPeak, {0, 0, canvas.Width(), int(band)});
        break;
    }
    case TitleOrnament::Sheen:
        canvas.Fill(Shape::Ellipse(w * 0.32, -h * 0.35, w * 0.58, h * 0.8) & Shape::Box(0, 0, w, std::floor(h / 2)),
                    ornament, kSheenOpacity);
        break;
    case TitleOrnament::AccentTab: {
        const double tab = band - 1;
        const TColor accent = look.Title.OrnamentColor;
        canvas.FillRect({0, 0, int(tab), int(band)}, Gradient::Linear(0, Lighten(accent, 0.3), band, accent));
        canvas.FillRect({int(tab), 0, int(tab) + 1, int(band)}, Gradient::Solid(Lighten(accent, 0.55)));
        break;
    }
    case TitleOrnament::Rim: PaintRim(canvas, look, Side::Left); break;
    }
}

// The plate behind a glyph: its base colour in a state.
[[nodiscard]] TColor PlateColor(const Look& look, CaptionGlyph glyph, FaceState state)
{
    const bool lit =
        glyph == CaptionGlyph::Close && (look.Title.Close == CloseLook::LitAlways || state != FaceState::Normal);
    const TColor base = lit ? look.Title.CloseColor : look.Title.KnobColor;
    switch (state) {
    case FaceState::Hot: return Lighten(base, 0.22);
    case FaceState::Pressed: return Darken(base, 0.22);
    default: return base;
    }
}

void PaintPlate(ArtCanvas& canvas, const Look& look, TColor base, FaceState state, double inset)
{
    const double w = canvas.Width();
    const double h = canvas.Height();
    const TColor rim = Mix(base, look.Title.GlyphColor, kRimMix);
    canvas.Fill(Shape::RoundBox(inset, inset, w - inset, h - inset, kPlateRadius), Gradient::Solid(rim));
    const Gradient inside = state == FaceState::Pressed
                                ? Gradient::Linear(inset, Darken(base, 0.1), h - inset, Lighten(base, 0.2))
                                : Gradient::Linear(inset, Lighten(base, 0.35), h - inset, base);
    canvas.Fill(Shape::RoundBox(inset + 1, inset + 1, w - inset - 1, h - inset - 1, kPlateRadius - 1), inside);
}

void PaintOrb(ArtCanvas& canvas, TColor base, FaceState state)
{
    const double w = canvas.Width();
    const double h = canvas.Height();
    const double r = std::min(w, h) / 2 - 0.5;
    const double cx = w / 2;
    const double cy = h / 2;
    canvas.Fill(Shape::Circle(cx, cy, r), Gradient::Solid(Darken(base, 0.42)));
    const FacePaint glass{base, base, Finish::Glass};
    canvas.Fill(Shape::Circle(cx, cy, r - 1), FaceShade(glass, state, cy - r + 1, cy + r - 1));
}

[[nodiscard]] PixelBuffer TitleButtonFrame(const Look& look, CaptionGlyph glyph, FaceState state, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    canvas.Backdrop(TitleRowGradient(look, size.cy, look.Title.ButtonTop));
    const TColor plate = PlateColor(look, glyph, state);
    const bool keyed = look.Title.ButtonKeying == Keying::Keyed;
    switch (look.Title.Knob) {
    case KnobShape::Plate: PaintPlate(canvas, look, plate, state, keyed ? 1 : 0); break;
    case KnobShape::Orb: PaintOrb(canvas, plate, state); break;
    case KnobShape::Bare:
        if (state != FaceState::Normal) PaintPlate(canvas, look, plate, state, 1);
        break;
    }
    const int side = int(std::lround(std::min(size.cx, size.cy) * kGlyphShare));
    DrawCaptionGlyph(canvas, glyph, CentredGlyphBox(size.cx, size.cy, side), look.Title.GlyphColor);
    if (keyed) canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}

}  // namespace

Gradient TitleRowGradient(const Look& look, int height, int shift)
{
    // One hard-edged band per row, so that stripes can darken every other row.
    const Gradient rows(look.Title.Rows);
    std::vector<Gradient::Stop> stops;
    for (int y = 0; y < height; ++y) {
        const int barRow = y + shift;
        TColor c = rows.AtPosition(barRow + 0.5);
        if (barRow % 2 == 1) c = Darken(c, look.Title.Stripe);
        stops.push_back({double(y), c});
        stops.push_back({double(y + 1), c});
    }
    return Gradient(std::move(stops));
}

PixelBuffer DrawTitleLeft(const Look& look, TSize size)
{
    ArtCanvas canvas = PlainBar(look, size);
    PaintOrnament(canvas, look);
    return canvas.Take();
}

PixelBuffer DrawTitleClient(const Look& look, TSize size)
{
    return PlainBar(look, size).Take();
}

PixelBuffer DrawTitleRight(const Look& look, TSize size)
{
    ArtCanvas canvas = PlainBar(look, size);
    if (look.Title.Ornament == TitleOrnament::Rim) PaintRim(canvas, look, Side::Right);
    return canvas.Take();
}

PixelBuffer DrawTitleButtons(const Look& look, TSize size)
{
    return DrawStrip(size, kTitleButtonFrames, [&](int i, TSize frame) {
        return TitleButtonFrame(look, kButtonGlyphs[i / kFramesPerButton], kButtonStates[i % kFramesPerButton], frame);
    });
}
