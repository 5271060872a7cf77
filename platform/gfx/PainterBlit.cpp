// Blits: BitBlt and StretchBlt with the classic raster operations,
// TransparentBlt, and masked blits for image lists.
#include "platform/gfx/Painter.h"

#include "platform/gfx/Ink.h"
#include "platform/gfx/SpanClipper.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Maps destination pixels to source pixels along one axis by nearest
// neighbour: destination pixel t samples the source at the centre of its
// share. A negative extent covers [origin + extent, origin); the axis is
// mirrored when the two extents differ in sign.
class AxisMap {
public:
    AxisMap(int destOrigin, std::int64_t destExtent, std::int64_t sourceOrigin, std::int64_t sourceExtent)
        : m_destStart(destExtent < 0 ? destOrigin + destExtent : destOrigin),
          m_destSize(std::abs(destExtent)),
          m_sourceStart(sourceExtent < 0 ? sourceOrigin + sourceExtent : sourceOrigin),
          m_sourceSize(std::abs(sourceExtent)),
          m_mirror((destExtent < 0) != (sourceExtent < 0))
    {
    }

    [[nodiscard]] bool IsIdentity() const { return !m_mirror && m_destSize == m_sourceSize; }
    [[nodiscard]] std::int64_t SourceOf(int dest) const
    {
        std::int64_t t = dest - m_destStart;
        if (m_mirror) t = m_destSize - 1 - t;
        return m_sourceStart + (2 * t + 1) * m_sourceSize / (2 * m_destSize);
    }

private:
    std::int64_t m_destStart;
    std::int64_t m_destSize;
    std::int64_t m_sourceStart;
    std::int64_t m_sourceSize;
    bool m_mirror;
};

// The pixels a blit reads. When source and target are the same buffer, the
// part needed is copied first, so that overlapping blits (scrolling) read
// the pixels as they were.
class BlitSource {
public:
    BlitSource(const PixelBuffer& source, const PixelBuffer& target, const TRect& needed) : m_pixels(&source)
    {
        if (&source != &target) return;
        const TRect part = needed.Intersected(source.Bounds());
        m_copy = PixelBuffer(part.Width(), part.Height());
        for (int y = part.Top; y < part.Bottom; ++y)
            std::copy_n(source.Row(y) + part.Left, part.Width(), m_copy.Row(y - part.Top));
        m_pixels = &m_copy;
        m_origin = part.TopLeft();
    }
    BlitSource(const BlitSource&) = delete;
    BlitSource& operator=(const BlitSource&) = delete;

    [[nodiscard]] const PixelBuffer& Pixels() const { return *m_pixels; }
    // Where Pixels() (0, 0) lies in the source buffer.
    [[nodiscard]] TPoint Origin() const { return m_origin; }

private:
    PixelBuffer m_copy;
    const PixelBuffer* m_pixels;
    TPoint m_origin;
};

using SpanOp = std::function<void(TPixel*, const TPixel*, int, int, int)>;

// A span loop for an operation of source and destination alone.
template <class F>
SpanOp PixelOp(F f)
{
    return [f](TPixel* d, const TPixel* s, int n, int, int) {
        for (int i = 0; i < n; ++i) d[i] = kOpaque | f(s ? s[i] : 0, d[i]);
    };
}

// The raster operation as a span function; common codes get their own loop.
SpanOp RopOp(TRop3 rop, Ink pattern)
{
    const unsigned table = Rop3Table(rop);
    switch (table) {
    case Rop3Table(SRCCOPY): return PixelOp([](TPixel s, TPixel) { return s; });
    case Rop3Table(NOTSRCCOPY): return PixelOp([](TPixel s, TPixel) { return ~s; });
    case Rop3Table(SRCAND): return PixelOp([](TPixel s, TPixel d) { return s & d; });
    case Rop3Table(SRCPAINT): return PixelOp([](TPixel s, TPixel d) { return s | d; });
    case Rop3Table(SRCINVERT): return PixelOp([](TPixel s, TPixel d) { return s ^ d; });
    case Rop3Table(DSTINVERT): return PixelOp([](TPixel, TPixel d) { return ~d; });
    case Rop3Table(BLACKNESS): return PixelOp([](TPixel, TPixel) { return TPixel(0); });
    case Rop3Table(WHITENESS): return PixelOp([](TPixel, TPixel) { return ~TPixel(0); });
    default: break;
    }
    if (table == Rop3Table(PATCOPY) && pattern.IsUniform()) {
        const TPixel p = *pattern.Sample(0, 0);
        return [p](TPixel* d, const TPixel*, int n, int, int) { std::fill_n(d, n, p); };
    }
    // Transparent hatch gaps leave their pixels alone, as in fills.
    return [table, pattern](TPixel* d, const TPixel* s, int n, int x, int y) {
        for (int i = 0; i < n; ++i)
            if (const auto p = pattern.Sample(x + i, y)) d[i] = ApplyRop3(table, *p, s ? s[i] : 0, d[i]);
    };
}

}  // namespace

bool Painter::BitBlt(int x, int y, int width, int height, const PixelBuffer* source, int sx, int sy, TRop3 rop)
{
    return StretchBlt(x, y, width, height, source, sx, sy, width, height, rop);
}

bool Painter::PatBlt(int x, int y, int width, int height, TRop3 rop)
{
    if (Rop3UsesSource(rop)) return false;
    return StretchBlt(x, y, width, height, nullptr, 0, 0, width, height, rop);
}

bool Painter::StretchBlt(int x, int y, int width, int height, const PixelBuffer* source, int sx, int sy, int sWidth,
                         int sHeight, TRop3 rop)
{
    const bool usesSource = Rop3UsesSource(rop);
    if (usesSource && !source) return false;
    const Ink pattern = BrushInk(m_state.CurrentBrush, pmCopy);
    if (Rop3UsesPattern(rop) && !pattern.IsVisible()) return true;
    const TPoint at = ToDevice(x, y);
    Blit({{at.X, at.Y, ClampCoord(std::int64_t(at.X) + width), ClampCoord(std::int64_t(at.Y) + height)},
          usesSource ? source : nullptr,
          ClampRect({sx, sy, ClampCoord(std::int64_t(sx) + sWidth), ClampCoord(std::int64_t(sy) + sHeight)})},
         RopOp(rop, pattern));
    return true;
}

bool Painter::TransparentBlt(int x, int y, int width, int height, const PixelBuffer& source, int sx, int sy,
                             int sWidth, int sHeight, TColor key)
{
    const TPixel keyPixel = PixelFromColor(key);
    const TPoint at = ToDevice(x, y);
    Blit({{at.X, at.Y, ClampCoord(std::int64_t(at.X) + width), ClampCoord(std::int64_t(at.Y) + height)},
          &source,
          ClampRect({sx, sy, ClampCoord(std::int64_t(sx) + sWidth), ClampCoord(std::int64_t(sy) + sHeight)})},
         [keyPixel](TPixel* d, const TPixel* s, int n, int, int) {
             for (int i = 0; i < n; ++i)
                 if ((s[i] ^ keyPixel) & kColorBits) d[i] = kOpaque | s[i];
         });
    return true;
}

bool Painter::MaskedBlt(const TRect& dest, const PixelBuffer& source, TPoint sourcePos, const PixelBuffer& mask,
                        TPoint maskPos)
{
    const TRect d = ToDevice(dest.Normalized());
    // A mask that is also the target is read from a copy taken now.
    const PixelBuffer maskCopy = &mask == &m_target ? mask : PixelBuffer();
    const PixelBuffer& maskPixels = &mask == &m_target ? maskCopy : mask;
    const std::int64_t maskDx = std::int64_t(maskPos.X) - d.Left;
    const std::int64_t maskDy = std::int64_t(maskPos.Y) - d.Top;
    Blit({d, &source,
          ClampRect({sourcePos.X, sourcePos.Y, ClampCoord(std::int64_t(sourcePos.X) + d.Width()),
                     ClampCoord(std::int64_t(sourcePos.Y) + d.Height())})},
         [&](TPixel* out, const TPixel* s, int n, int x, int y) {
             const std::int64_t my = y + maskDy;
             if (my < 0 || my >= maskPixels.Height()) return;
             const TPixel* maskRow = maskPixels.Row(int(my));
             for (int i = 0; i < n; ++i) {
                 const std::int64_t mx = x + i + maskDx;
                 if (mx >= 0 && mx < maskPixels.Width() && (maskRow[mx] & kColorBits) == 0) out[i] = kOpaque | s[i];
             }
         });
    return true;
}

// Walks the visible destination pixels whose source pixels exist, one run
// per row and clip rectangle. A stretched run gathers its source pixels
// first, so every operation sees two parallel arrays.
void Painter::Blit(const BlitRequest& request, const BlitOp& op)
{
    const SpanClipper clip = Clipper();
    TRect dest = request.Dest.Normalized().Intersected(clip.Box());
    if (dest.IsEmpty()) return;
    if (!request.Source) {
        clip.ForEachInRect(dest, [&](int y, int left, int right) { op(m_target.Row(y) + left, nullptr, right - left, left, y); });
        return;
    }
    const TRect& s = request.SourceRect;
    const TRect& r = request.Dest;
    if (s.Width() == 0 || s.Height() == 0 || r.Width() == 0 || r.Height() == 0) return;
    const AxisMap mapX(r.Left, std::int64_t(r.Right) - r.Left, s.Left, std::int64_t(s.Right) - s.Left);
    const AxisMap mapY(r.Top, std::int64_t(r.Bottom) - r.Top, s.Top, std::int64_t(s.Bottom) - s.Top);
    const BlitSource source(*request.Source, m_target, s.Normalized());
    const PixelBuffer& pixels = source.Pixels();

    // The source column of each destination column, or -1 outside the source.
    // The map is monotonic, so the valid columns form one run.
    std::vector<int> columns(std::size_t(dest.Width()));
    int firstValid = dest.Right;
    int lastValid = dest.Left;
    for (int x = dest.Left; x < dest.Right; ++x) {
        const std::int64_t sx = mapX.SourceOf(x) - source.Origin().X;
        const bool valid = sx >= 0 && sx < pixels.Width();
        columns[std::size_t(x - dest.Left)] = valid ? int(sx) : -1;
        if (valid) {
            firstValid = std::min(firstValid, x);
            lastValid = x + 1;
        }
    }
    const int columnBase = dest.Left;
    dest.Left = firstValid;
    dest.Right = lastValid;
    if (dest.IsEmpty()) return;

    std::vector<TPixel> gathered;
    for (int y = dest.Top; y < dest.Bottom; ++y) {
        const std::int64_t sy = mapY.SourceOf(y) - source.Origin().Y;
        if (sy < 0 || sy >= pixels.Height()) continue;
        const TPixel* sourceRow = pixels.Row(int(sy));
        clip.ForEachSpan(y, dest.Left, dest.Right, [&](int row, int left, int right) {
            const int* cols = columns.data() + (left - columnBase);
            const int n = right - left;
            if (mapX.IsIdentity()) {
                op(m_target.Row(row) + left, sourceRow + cols[0], n, left, row);
                return;
            }
            gathered.resize(std::size_t(n));
            for (int i = 0; i < n; ++i) gathered[std::size_t(i)] = sourceRow[cols[i]];
            op(m_target.Row(row) + left, gathered.data(), n, left, row);
        });
    }
}
