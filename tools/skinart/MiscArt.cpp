#include "tools/skinart/MiscArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Faces.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kInk = RGB(36, 44, 72);        // symbols on neutral pictures
constexpr TColor kGreenInk = RGB(30, 132, 52);
constexpr TColor kRedInk = RGB(190, 36, 36);
constexpr TColor kOutline = RGB(30, 44, 96);    // the icon's page outlines
constexpr TColor kNeutralBack = RGB(214, 212, 206);  // what neutral pictures are antialiased against

constexpr double kPinstripeLight = 0.28;  // how much lighter the light rows of the pinstripe are
constexpr double kDotShade = 0.035;

enum class NavigatorButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
constexpr NavigatorButton kNavigatorButtons[] = {
    NavigatorButton::First,  NavigatorButton::Prior,  NavigatorButton::Next, NavigatorButton::Last,
    NavigatorButton::Insert, NavigatorButton::Delete, NavigatorButton::Edit, NavigatorButton::Post,
    NavigatorButton::Cancel, NavigatorButton::Refresh};

void PaintNavigatorGlyph(ArtCanvas& canvas, NavigatorButton button)
{
    const double w = canvas.Width();
    const double h = canvas.Height();
    const double cx = w / 2;
    const double cy = h / 2;
    const GlyphBox box = CentredGlyphBox(canvas.Width(), canvas.Height(), 8);
    const Gradient ink = Gradient::Solid(kInk);
    switch (button) {
    case NavigatorButton::First:
        canvas.Fill(ArrowGlyph({box.Left + 1, box.Top, 8}, Direction::Left), ink);
        canvas.FillRect({int(box.Left), int(box.Top), int(box.Left) + 2, int(box.Top) + 8}, ink);
        break;
    case NavigatorButton::Prior: canvas.Fill(ArrowGlyph(box, Direction::Left), ink); break;
    case NavigatorButton::Next: canvas.Fill(ArrowGlyph(box, Direction::Right), ink); break;
    case NavigatorButton::Last:
        canvas.Fill(ArrowGlyph({box.Left - 1, box.Top, 8}, Direction::Right), ink);
        canvas.FillRect({int(box.Left) + 6, int(box.Top), int(box.Left) + 8, int(box.Top) + 8}, ink);
        break;
    case NavigatorButton::Insert:
        canvas.Fill(Shape::Box(cx - 4, cy - 1, cx + 4, cy + 1) | Shape::Box(cx - 1, cy - 4, cx + 1, cy + 4), ink);
        break;
    case NavigatorButton::Delete: canvas.Fill(Shape::Box(cx - 4, cy - 1, cx + 4, cy + 1), ink); break;
    case NavigatorButton::Edit:
        canvas.Fill(Shape::Stroke({cx - 3, cy + 3}, {cx + 3.5, cy - 3.5}, 3), ink);
        canvas.Fill(Shape::Polygon({{cx - 5, cy + 5}, {cx - 4.6, cy + 2.2}, {cx - 2.2, cy + 4.6}}), ink);
        break;
    case NavigatorButton::Post:
        canvas.Fill(CheckGlyph(CentredGlyphBox(canvas.Width(), canvas.Height(), 10), 2.2), Gradient::Solid(kGreenInk));
        break;
    case NavigatorButton::Cancel: canvas.Fill(CrossGlyph(box, 2.2), Gradient::Solid(kRedInk)); break;
    case NavigatorButton::Refresh: {
        const Shape ring = Shape::Circle(cx, cy, 5) - Shape::Circle(cx, cy, 3);
        const Shape gap = Shape::Box(cx, cy - 6, cx + 6, cy);
        canvas.Fill(ring - gap, ink);
        canvas.Fill(Shape::Polygon({{cx - 0.5, cy - 7}, {cx + 3.5, cy - 4}, {cx - 0.5, cy - 1}}), ink);
        break;
    }
    }
}

}  // namespace

PixelBuffer DrawFormBackground(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    switch (look.Tile) {
    case BackgroundTile::Plain: break;
    case BackgroundTile::Pinstripe:
        for (int y = 0; y < size.cy; y += 2) {
            canvas.FillRect({0, y, size.cx, y + 1}, Gradient::Solid(Lighten(look.Background, kPinstripeLight)));
        }
        break;
    case BackgroundTile::Dots: {
        const TColor dot = Darken(look.Background, kDotShade);
        canvas.Plot(1, 1, dot);
        canvas.Plot(size.cx / 2 + 1, size.cy / 2 + 1, dot);
        break;
    }
    }
    return canvas.Take();
}

PixelBuffer DrawPanelButton(const Look& look, TSize size)
{
    return DrawStrip(size, 4, [&](int i, TSize frame) {
        const FaceState state = i % 2 ? FaceState::Hot : FaceState::Normal;
        const Direction direction = i < 2 ? Direction::Up : Direction::Down;
        ArtCanvas canvas(frame.cx, frame.cy, look.Background);
        const FacePaint paint{state == FaceState::Hot ? RGB(222, 234, 252) : RGB(248, 248, 250), RGB(104, 108, 124),
                              Finish::Soft};
        PaintFace(canvas, paint, state, {0, 0, double(frame.cx), double(frame.cy), 0});
        const int side = std::min(frame.cx, frame.cy) - 4;
        canvas.Fill(ChevronGlyph(CentredGlyphBox(frame.cx, frame.cy, side), direction, 1.6), Gradient::Solid(kInk));
        return canvas.Take();
    });
}

PixelBuffer DrawNavigatorButtons(const Look&, TSize size)
{
    return DrawStrip(size, 10, [&](int i, TSize frame) {
        ArtCanvas canvas(frame.cx, frame.cy, kNeutralBack);
        PaintNavigatorGlyph(canvas, kNavigatorButtons[i]);
        canvas.KeyUninked(kKeyColor);
        return canvas.Take();
    });
}

PixelBuffer DrawSizeGrip(const Look&, TSize size)
{
    // Dots on a three-pixel grid below the diagonal, each a grey square with
    // a white highlight at its top-left.
    ArtCanvas canvas(size.cx, size.cy, kNeutralBack);
    constexpr int kGrid = 3;  // pixels
    const int last = size.cx - kGrid;
    for (int gy = last % kGrid; gy <= last; gy += kGrid) {
        for (int gx = last % kGrid; gx <= last; gx += kGrid) {
            if (gx + gy < last) continue;
            canvas.FillRect({gx + 1, gy + 1, gx + 3, gy + 3}, Gradient::Solid(RGB(128, 128, 132)));
            canvas.Plot(gx, gy, clWhite);
        }
    }
    canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}

PixelBuffer DrawDeviceFontMark(const Look&, TSize size)
{
    // A small printer: paper sticking out of a grey body.
    ArtCanvas canvas(size.cx, size.cy, clWhite);
    const double w = size.cx;
    const double h = size.cy;
    canvas.Fill(Shape::Box(w * 0.3, 1, w * 0.7, h * 0.5), Gradient::Solid(kInk));
    canvas.Fill(Shape::Box(w * 0.3 + 1, 2, w * 0.7 - 1, h * 0.5), Gradient::Solid(clWhite));
    canvas.Fill(Shape::RoundBox(w * 0.15, h * 0.4, w * 0.85, h - 1, 1.5), Gradient::Solid(kInk));
    canvas.Fill(Shape::RoundBox(w * 0.15 + 1, h * 0.4 + 1, w * 0.85 - 1, h - 2, 1),
                Gradient::Linear(h * 0.4, RGB(200, 202, 210), h, RGB(150, 152, 162)));
    canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}

PixelBuffer DrawTrueTypeFontMark(const Look&, TSize size)
{
    // Two overlapping letters: an outline font's mark.
    ArtCanvas canvas(size.cx, size.cy, clWhite);
    const FontDesc font{.Name = "DejaVu Serif", .Height = -11, .Bold = true};
    canvas.Text("T", font, {size.cx * 0.38, size.cy * 0.42}, Gradient::Solid(RGB(150, 152, 160)));
    canvas.Text("T", font, {size.cx * 0.6, size.cy * 0.58}, Gradient::Solid(kInk));
    canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}

PixelBuffer DrawMainIcon(const Look&, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, RGB(150, 154, 168));
    const double s = size.cx / 32.0;  // the icon is designed on a 32-pixel grid
    const auto page = [&](double l, double t, TColor face) {
        canvas.Fill(Shape::RoundBox(l * s, t * s, (l + 16) * s, (t + 21) * s, 1.5 * s), Gradient::Solid(kOutline));
        canvas.Fill(Shape::RoundBox((l + 1) * s, (t + 1) * s, (l + 15) * s, (t + 20) * s, 1 * s),
                    Gradient::Linear(t * s, Lighten(face, 0.5), (t + 21) * s, face));
        for (int line = 0; line < 4; ++line) {
            const double y = (t + 5 + line * 3) * s;
            canvas.Fill(Shape::Box((l + 3) * s, y, (l + (line % 2 ? 10 : 13)) * s, y + 1.2 * s),
                        Gradient::Solid(RGB(90, 110, 170)));
        }
    };
    page(2, 1, RGB(168, 196, 240));
    page(8, 6, RGB(236, 240, 250));
    // The magnifying glass over the join.
    const double gx = 19 * s;
    const double gy = 19 * s;
    canvas.Fill(Shape::Stroke({gx + 5 * s, gy + 5 * s}, {29.5 * s, 29.5 * s}, 4 * s), Gradient::Solid(RGB(70, 42, 20)));
    canvas.Fill(Shape::Circle(gx, gy, 7.5 * s), Gradient::Solid(RGB(24, 30, 56)));
    canvas.Fill(Shape::Circle(gx, gy, 5.5 * s),
                Gradient::Linear(gy - 6 * s, RGB(222, 240, 255), gy + 6 * s, RGB(150, 200, 246)));
    canvas.Fill(Shape::Ellipse(gx - 1.8 * s, gy - 2 * s, 2.5 * s, 1.6 * s), Gradient::Solid(clWhite), 0.8);
    canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}
