#include "tools/skinart/MessageIconArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <cmath>
#include <string_view>

namespace {

enum class IconKind { Warning, Stop, Information, Help };

constexpr IconKind kIcons[] = {IconKind::Warning, IconKind::Stop, IconKind::Information, IconKind::Help};
constexpr double kShadowOpacity = 0.22;
constexpr double kGlossOpacity = 0.28;

struct Badge {
    TColor Light;
    TColor Deep;
    TColor Edge;
};

[[nodiscard]] FontDesc SymbolFont(double size)
{
    return FontDesc{.Name = "DejaVu Sans", .Height = -int(std::lround(size)), .Bold = true};
}

void PaintShadow(ArtCanvas& canvas, double cx, double bottom, double rx)
{
    canvas.Fill(Shape::Ellipse(cx, bottom, rx, 2.5), Gradient::Solid(clBlack), kShadowOpacity);
}

// A round badge with a glossy upper part, and a symbol on it.
void PaintRoundBadge(ArtCanvas& canvas, const Badge& badge, const Shape& symbol)
{
    const double s = canvas.Width();
    const double c = s / 2;
    const double r = s / 2 - 3;
    PaintShadow(canvas, c, s - 2.5, r * 0.8);
    canvas.Fill(Shape::Circle(c, c - 1, r), Gradient::Solid(badge.Edge));
    canvas.Fill(Shape::Circle(c, c - 1, r - 1.2), Gradient::Linear(c - r, badge.Light, c + r, badge.Deep));
    canvas.Fill(Shape::Ellipse(c, c - r * 0.55, r * 0.7, r * 0.42) & Shape::Circle(c, c - 1, r - 1.2),
                Gradient::Solid(clWhite), kGlossOpacity);
    canvas.Fill(symbol, Gradient::Solid(clWhite));
}

void PaintLetterBadge(ArtCanvas& canvas, const Badge& badge, std::string_view letter)
{
    PaintRoundBadge(canvas, badge, Shape::Box(0, 0, 0, 0));
    const double c = canvas.Width() / 2.0;
    canvas.Text(letter, SymbolFont(canvas.Width() * 0.6), {c, c - 1}, Gradient::Solid(clWhite));
}

void PaintWarning(ArtCanvas& canvas)
{
    const double s = canvas.Width();
    const double c = s / 2;
    const auto triangle = [&](double inset) {
        const double base = s - 6 - inset;
        return Shape::Polygon({{c, 3 + inset * 1.8}, {s - 2 - inset * 1.6, base}, {2 + inset * 1.6, base}});
    };
    PaintShadow(canvas, c, s - 4, s * 0.38);
    canvas.Fill(triangle(0), Gradient::Solid(RGB(150, 96, 0)));
    canvas.Fill(triangle(1.2), Gradient::Linear(4, RGB(255, 226, 96), s - 6, RGB(244, 164, 24)));
    canvas.Text("!", SymbolFont(s * 0.55), {c, s * 0.6}, Gradient::Solid(RGB(40, 28, 0)));
}

[[nodiscard]] PixelBuffer Icon(const Look& look, IconKind kind, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double s = size.cx;
    switch (kind) {
    case IconKind::Warning: PaintWarning(canvas); break;
    case IconKind::Stop: {
        const double cross = std::round(s * 0.34);
        const GlyphBox box{std::round((s - cross) / 2), std::round((s - cross) / 2) - 1, cross};
        PaintRoundBadge(canvas, {RGB(246, 104, 92), RGB(184, 26, 26), RGB(112, 14, 14)}, CrossGlyph(box, 3.6));
        break;
    }
    case IconKind::Information:
        PaintLetterBadge(canvas, {RGB(110, 168, 246), RGB(28, 78, 192), RGB(16, 46, 124)}, "i");
        break;
    case IconKind::Help: PaintLetterBadge(canvas, {RGB(104, 200, 128), RGB(26, 128, 62), RGB(14, 84, 38)}, "?"); break;
    }
    return canvas.Take();
}

}  // namespace

PixelBuffer DrawMessageIcons(const Look& look, TSize size)
{
    return DrawStrip(size, 4, [&](int i, TSize frame) { return Icon(look, kIcons[i], frame); });
}
