#include "tools/skinart/MenuArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Faces.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <algorithm>

namespace {

constexpr CaptionGlyph kMdiGlyphs[] = {CaptionGlyph::Minimise, CaptionGlyph::Restore, CaptionGlyph::Close};
constexpr TColor kMdiFace = RGB(236, 236, 238);
constexpr TColor kMdiEdge = RGB(112, 114, 122);
constexpr TColor kMdiGlyph = RGB(20, 20, 24);

}  // namespace

PixelBuffer DrawMenuBar(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const int h = size.cy;
    std::vector<Gradient::Stop> stops;
    const Gradient body = Gradient::Linear(0, Lighten(look.Background, 0.8), h - 1, Darken(look.Background, 0.04));
    for (int y = 0; y < h - 1; ++y) {
        const TColor c = y % 2 ? Darken(body.AtPosition(y + 0.5), look.Title.Stripe) : body.AtPosition(y + 0.5);
        stops.push_back({double(y), c});
        stops.push_back({double(y + 1), c});
    }
    stops.push_back({double(h - 1), look.Edge});
    canvas.FillRect(canvas.Bounds(), Gradient(std::move(stops)));
    return canvas.Take();
}

PixelBuffer DrawMenuSelect(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Accent);
    const double h = size.cy;
    canvas.FillRect(canvas.Bounds(), Gradient({{0, Lighten(look.Accent, 0.45)},
                                               {1, Lighten(look.Accent, 0.25)},
                                               {h - 1, Darken(look.Accent, 0.08)},
                                               {h - 1, Darken(look.Accent, 0.3)}}));
    return canvas.Take();
}

PixelBuffer DrawMdiButtons(const Look&, TSize size)
{
    return DrawStrip(size, 3, [&](int i, TSize frame) {
        ArtCanvas canvas(frame.cx, frame.cy, kMdiFace);
        const FacePaint paint{kMdiFace, kMdiEdge, Finish::Soft};
        PaintFace(canvas, paint, FaceState::Normal, {0, 0, double(frame.cx), double(frame.cy), 0});
        const int side = std::min(frame.cx, frame.cy) / 2;
        DrawCaptionGlyph(canvas, kMdiGlyphs[i], CentredGlyphBox(frame.cx, frame.cy, side), kMdiGlyph);
        return canvas.Take();
    });
}
