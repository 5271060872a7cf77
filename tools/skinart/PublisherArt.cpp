#include "tools/skinart/PublisherArt.h"

#include "platform/gfx/BmpEncoder.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Look.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr TSize kPublisherSize{100, 94};  // pixels, the main window's image
constexpr std::string_view kPublisherLook = "DeepBlue";
constexpr std::string_view kGraphicClass = "TBitmap";
constexpr int kHexDigitsPerLine = 64;

constexpr TColor kPaper = RGB(252, 252, 255);
constexpr TColor kBackPaper = RGB(206, 218, 244);
constexpr TColor kSilver = RGB(214, 218, 228);
constexpr TColor kSteel = RGB(120, 126, 142);
constexpr TColor kHandle = RGB(36, 38, 52);
constexpr TColor kGlass = RGB(170, 214, 250);
constexpr const char* kWordmark = "QZ 查绑";

// The shield's outline on a 100 x 94 design grid, shrunk by inset pixels
// on every side: a gently arched top, straight sides, and a point at the
// bottom reached by a smooth curve.
struct ShieldOutline {
    double Left = 15;
    double Right = 85;
    double Top = 8;       // y of the top corners
    double Arch = 4;      // how far the top's middle rises above the corners
    double Waist = 46;    // where the sides start to curve in
    double Point = 91;    // y of the bottom point

    [[nodiscard]] ShieldOutline Inset(double d) const
    {
        return {Left + d, Right - d, Top + d, Arch, Waist, Point - 1.4 * d};
    }
};

// Points along the quadratic curve from a to b pulled towards control.
void AppendCurve(std::vector<Point2>& points, Point2 a, Point2 control, Point2 b)
{
    constexpr int kSteps = 16;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const double u = 1 - t;
        points.push_back({u * u * a.X + 2 * u * t * control.X + t * t * b.X,
                          u * u * a.Y + 2 * u * t * control.Y + t * t * b.Y});
    }
}

Shape Shield(const ShieldOutline& s)
{
    const double mid = (s.Left + s.Right) / 2;
    std::vector<Point2> points;
    AppendCurve(points, {s.Left, s.Top}, {mid, s.Top - 2 * s.Arch}, {s.Right, s.Top});
    AppendCurve(points, {s.Right, s.Waist}, {s.Right, s.Point - 14}, {mid, s.Point});
    AppendCurve(points, {mid, s.Point}, {s.Left, s.Point - 14}, {s.Left, s.Waist});
    return Shape::Polygon(std::move(points));
}

void PaintShield(ArtCanvas& canvas, const Look& look)
{
    const ShieldOutline outline;
    canvas.Fill(Shield(outline), Gradient::Solid(look.PanelBottom));
    canvas.Fill(Shield(outline.Inset(1.5)), Gradient::Linear(6, kSilver, 90, kSteel));
    const Shape field = Shield(outline.Inset(3));
    canvas.Fill(field, Gradient::Linear(8, look.PanelTop, 88, look.PanelBottom));
    // A faint sheen over the upper left of the field.
    canvas.Fill(field & Shape::Ellipse(30, 10, 46, 34), Gradient::Solid(clWhite), 0.14);
}

// One program page: an outlined sheet with a folded corner and lines of text.
void PaintPage(ArtCanvas& canvas, const Look& look, Point2 at, TColor paper)
{
    constexpr double kWidth = 24;
    constexpr double kHeight = 30;
    constexpr double kFold = 7;
    const double l = at.X;
    const double t = at.Y;
    const double r = l + kWidth;
    const double b = t + kHeight;
    const auto sheet = [&](double d) {
        return Shape::Polygon({{l + d, t + d}, {r - kFold, t + d}, {r - d, t + kFold}, {r - d, b - d}, {l + d, b - d}});
    };
    canvas.Fill(sheet(0), Gradient::Solid(look.PanelBottom));
    canvas.Fill(sheet(1), Gradient::Linear(t, paper, b, Darken(paper, 0.08)));
    canvas.Fill(Shape::Polygon({{r - kFold, t + 1}, {r - kFold, t + kFold}, {r - 1, t + kFold}}),
                Gradient::Solid(Darken(paper, 0.22)));
    for (int line = 0; line < 5; ++line) {
        const double y = t + 11 + line * 3.5;
        const double length = line % 2 ? 11 : 15;
        canvas.Fill(Shape::Box(l + 4, y, l + 4 + length, y + 1.5), Gradient::Solid(Lighten(look.Accent, 0.15)));
    }
}

void PaintMagnifier(ArtCanvas& canvas, const Look& look)
{
    const Point2 c{59, 40};
    constexpr double kRim = 11;    // outer radius, pixels
    constexpr double kGlassR = 8;  // radius of the glass
    canvas.Fill(Shape::Stroke({c.X + 8, c.Y + 8}, {73, 54}, 6), Gradient::Solid(kHandle));
    canvas.Fill(Shape::Stroke({c.X + 8.5, c.Y + 7.5}, {72.5, 52.5}, 1.6), Gradient::Solid(kSteel));
    canvas.Fill(Shape::Circle(c.X, c.Y, kRim), Gradient::Solid(look.PanelBottom));
    canvas.Fill(Shape::Circle(c.X, c.Y, kRim - 1),
                Gradient::Linear(c.Y - kRim, clWhite, c.Y + kRim, kSteel));
    const Shape glass = Shape::Circle(c.X, c.Y, kGlassR);
    canvas.Fill(glass, Gradient::Solid(look.PanelBottom));
    const Shape lens = Shape::Circle(c.X, c.Y, kGlassR - 1);
    canvas.Fill(lens, Gradient::Linear(c.Y - kGlassR, clWhite, c.Y + kGlassR, kGlass), 0.85);
    // The page's lines, enlarged.
    canvas.Fill(lens & Shape::Box(c.X - kGlassR, c.Y - 1.5, c.X + 4, c.Y + 1), Gradient::Solid(look.Accent), 0.85);
    canvas.Fill(lens & Shape::Box(c.X - kGlassR, c.Y + 3, c.X + 1, c.Y + 5.5), Gradient::Solid(look.Accent), 0.85);
    canvas.Fill(glass & Shape::Ellipse(c.X - 2, c.Y - 4.5, 4.5, 2), Gradient::Solid(clWhite), 0.8);
}

// The ribbon across the shield: a band with folded tails behind its ends.
void PaintRibbon(ArtCanvas& canvas, const Look& look)
{
    constexpr double kBandTop = 59;
    constexpr double kBandBottom = 76;
    constexpr double kTailDrop = 5;
    const TColor tail = Darken(look.Accent, 0.35);
    const TColor fold = Darken(look.Accent, 0.55);
    for (const double side : {-1.0, 1.0}) {
        const auto x = [&](double fromCentre) { return 50 + side * fromCentre; };
        const double top = kBandTop + kTailDrop;
        const double bottom = kBandBottom + kTailDrop;
        canvas.Fill(Shape::Polygon({{x(49), top}, {x(36), top}, {x(36), bottom}, {x(49), bottom},
                                    {x(44.5), (top + bottom) / 2}}),
                    Gradient::Linear(top, Lighten(tail, 0.1), bottom, tail));
        canvas.Fill(Shape::Polygon({{x(42), kBandBottom}, {x(36), kBandBottom}, {x(36), bottom}}),
                    Gradient::Solid(fold));
    }
    canvas.Fill(Shape::Box(8, kBandTop, 92, kBandBottom),
                Gradient({{kBandTop, look.PanelBottom},
                          {kBandTop + 1, look.PanelBottom},
                          {kBandTop + 1, Lighten(look.Accent, 0.3)},
                          {kBandBottom - 1, Darken(look.Accent, 0.15)},
                          {kBandBottom - 1, look.PanelBottom}}));
    const FontDesc font{.Name = "DejaVu Sans", .Height = -12, .Bold = true};
    canvas.Text(kWordmark, font, {50, (kBandTop + kBandBottom) / 2}, Gradient::Solid(clWhite));
}

}  // namespace

PixelBuffer DrawPublisherBadge(const Look& look, TSize size)
{
    // Edges blend into the window's background: the image's transparency is
    // a hard key, so they must not blend into fuchsia.
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    PaintShield(canvas, look);
    PaintPage(canvas, look, {26, 15}, kBackPaper);
    PaintPage(canvas, look, {36, 21}, kPaper);
    PaintMagnifier(canvas, look);
    PaintRibbon(canvas, look);
    canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}

ArtPiece PublisherPiece()
{
    return {"PUBLISHER", kPublisherSize, &LookNamed(kPublisherLook), DrawPublisherBadge};
}

std::string PictureDataLines(const PixelBuffer& picture, int indent)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    const std::vector<std::uint8_t> file = EncodeBmp(picture, BmpPixelFormat::Rgb24);
    std::vector<std::uint8_t> data;
    data.reserve(1 + kGraphicClass.size() + file.size());
    data.push_back(std::uint8_t(kGraphicClass.size()));
    data.insert(data.end(), kGraphicClass.begin(), kGraphicClass.end());
    data.insert(data.end(), file.begin(), file.end());

    const std::string margin(std::size_t(std::max(indent, 0)), ' ');
    std::string text;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i % (kHexDigitsPerLine / 2) == 0) text += margin;
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 15];
        if ((i + 1) % (kHexDigitsPerLine / 2) == 0 || i + 1 == data.size()) text += '\n';
    }
    return text;
}
