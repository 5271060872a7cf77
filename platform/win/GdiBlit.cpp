// Blits between device contexts: PatBlt, BitBlt, StretchBlt,
// TransparentBlt and MaskedBitBlt. The painter does the pixels; this finds the source
// buffer and where the source position lies in it.
#include "platform/win/DeviceContext.h"

namespace {

// The source of a blit: a buffer and the position in its pixels of the
// source context's logical (sx, sy).
struct SourcePixels {
    const PixelBuffer* Pixels = nullptr;
    TPoint At;
};

SourcePixels SourceOf(HDC src, int sx, int sy)
{
    const DeviceContext* source = FindDeviceContext(src);
    if (!source) return {};
    const TPoint device = source->ToDevice(TPoint{sx, sy});
    const DeviceContext::PixelSource found = source->SourceAt(device, DeviceContext::Reach::Anywhere);
    if (!found.Pixels) return {};
    return {found.Pixels, gdi::Shifted(device, found.Origin)};
}

TRect BlitExtent(int x, int y, int width, int height)
{
    return {x, y, ClampCoord(std::int64_t(x) + width), ClampCoord(std::int64_t(y) + height)};
}

// Runs blit(painter, source) on dst over the destination rectangle. The
// source is looked up only when the operation reads one (sourcePos given).
template <class F>
bool Blit(HDC dst, const TRect& extent, HDC src, std::optional<TPoint> sourcePos, F&& blit)
{
    DeviceContext* c = FindDeviceContext(dst);
    if (!c) return false;
    const SourcePixels source = sourcePos ? SourceOf(src, sourcePos->X, sourcePos->Y) : SourcePixels{};
    if (sourcePos && !source.Pixels) return false;
    bool done = true;
    c->Draw(extent, [&](Painter& p) { done = blit(p, source) && done; });
    return done;
}

}  // namespace

bool PatBlt(HDC dc, int x, int y, int width, int height, TRop3 rop)
{
    if (Rop3UsesSource(rop)) return false;
    return Blit(dc, BlitExtent(x, y, width, height), nullptr, std::nullopt,
                [&](Painter& p, const SourcePixels&) { return p.PatBlt(x, y, width, height, rop); });
}

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, TRop3 rop)
{
    return StretchBlt(dst, x, y, width, height, src, sx, sy, width, height, rop);
}

bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sWidth, int sHeight,
                TRop3 rop)
{
    return Blit(dst, BlitExtent(x, y, width, height), src,
                Rop3UsesSource(rop) ? std::optional<TPoint>(TPoint{sx, sy}) : std::nullopt,
                [&](Painter& p, const SourcePixels& s) {
                    return p.StretchBlt(x, y, width, height, s.Pixels, s.At.X, s.At.Y, sWidth, sHeight, rop);
                });
}

bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sWidth, int sHeight,
                    COLORREF key)
{
    return Blit(dst, BlitExtent(x, y, width, height), src, TPoint{sx, sy}, [&](Painter& p, const SourcePixels& s) {
        return p.TransparentBlt(x, y, width, height, *s.Pixels, s.At.X, s.At.Y, sWidth, sHeight, gdi::ColorOf(key));
    });
}

bool MaskedBitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, HBITMAP mask, int mx,
                  int my)
{
    const PixelBuffer* maskPixels = BitmapPixels(mask);
    if (!maskPixels) return false;
    return Blit(dst, BlitExtent(x, y, width, height), src, TPoint{sx, sy}, [&](Painter& p, const SourcePixels& s) {
        return p.MaskedBlt(BlitExtent(x, y, width, height), *s.Pixels, s.At, *maskPixels, {mx, my});
    });
}
