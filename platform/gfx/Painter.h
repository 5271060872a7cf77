#pragma once
// Draws into a pixel buffer by the classic desktop raster rules, through a
// state of viewport origin, clip region, pen, brush, background and mix mode.
// Device contexts and the canvas map their calls one to one onto this class.
//
// Coordinates given to drawing calls are logical: device = logical +
// viewport origin. Rectangles leave out their right column and bottom row;
// unordered rectangles are put in order first. Everything is clipped to the
// clip region and the buffer, and no call reads outside a buffer. Pixels
// written are opaque; inversions flip only the colour bits.
//
// The code is split by topic:
//   Painter.cpp         state, save and restore, clipping, single pixels
//   PainterLines.cpp    lines, polylines, pen outlines
//   PainterShapes.cpp   rectangle fills and frames, rounded shapes, focus rectangles
//   PainterPolygon.cpp  polygon fills
//   PainterBlit.cpp     BitBlt, StretchBlt, TransparentBlt, masked blits

#include "platform/gfx/PainterState.h"
#include "platform/gfx/PixelBuffer.h"

#include <functional>
#include <span>
#include <vector>

class Ink;
class SpanClipper;

// Returned by GetPixel for pixels outside the buffer or the clip region.
constexpr TColor CLR_INVALID = TColor(0xFFFFFFFFu);

class Painter {
public:
    explicit Painter(PixelBuffer& target);
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    [[nodiscard]] PixelBuffer& Target() const { return m_target; }

    // --- State -----------------------------------------------------------
    [[nodiscard]] const PainterState& State() const { return m_state; }
    void SetState(const PainterState& state);
    // Pushes the state; returns the new depth (1 after the first save).
    int SaveDC();
    // level > 0 returns to the state saved at that depth; level < 0 counts
    // back from the top (-1 is the latest save). False for a bad level.
    bool RestoreDC(int level);

    // The setters return the previous value.
    TPoint SetViewportOrg(TPoint org);
    TPoint OffsetViewportOrg(int dx, int dy);
    TPoint SetBrushOrg(TPoint org);
    void SetPen(const Pen& pen) { m_state.CurrentPen = pen; }
    void SetBrush(const Brush& brush) { m_state.CurrentBrush = brush; }
    TColor SetBkColor(TColor color);
    int SetBkMode(int mode);
    TPenMode SetPenMode(TPenMode mode);
    int SetROP2(int rop2);
    [[nodiscard]] int GetROP2() const { return ROP2FromPenMode(m_state.Mode); }
    int SetPolyFillMode(int mode);

    // --- Clipping (regions in device pixels) -----------------------------
    // The outer limit, such as the visible part of a window. It is not part
    // of the saved state; nothing clears it but another call.
    void SetBaseClip(std::optional<Region> device);
    // Replaces the caller's clip; nullptr removes it. Returns the kind of the
    // visible region that results.
    int SelectClipRgn(const Region* device);
    int IntersectClipRect(const TRect& logical);
    int ExcludeClipRect(const TRect& logical);
    // What may be drawn: base clip, caller's clip and buffer together.
    [[nodiscard]] Region VisibleRegion() const;
    // The rectangles of the visible region, for code that clips by rectangle
    // (text). Device pixels: subtract the viewport origin for logical ones.
    [[nodiscard]] std::vector<TRect> ClipRects() const;
    [[nodiscard]] TRect GetClipBox() const;  // logical
    [[nodiscard]] bool PtVisible(int x, int y) const;

    // --- Pixels ----------------------------------------------------------
    // CLR_INVALID outside the visible region.
    [[nodiscard]] TColor GetPixel(int x, int y) const;
    // Ignores the mix mode. Returns the colour set, or CLR_INVALID.
    TColor SetPixel(int x, int y, TColor color);

    // --- Lines (pen; the end point is left out) ---------------------------
    TPoint MoveTo(int x, int y);  // returns the previous position
    void LineTo(int x, int y);
    [[nodiscard]] TPoint PenPos() const { return m_state.PenPos; }
    // Does not use or move the current position.
    void Polyline(std::span<const TPoint> points);

    // --- Filled shapes -----------------------------------------------------
    // Brush only, no pen, no mix mode.
    void FillRect(const TRect& r) { FillRect(r, m_state.CurrentBrush); }
    void FillRect(const TRect& r, const Brush& brush);
    void FillRgn(const Region& logical, const Brush& brush);
    // A one-pixel frame just inside r.
    void FrameRect(const TRect& r) { FrameRect(r, m_state.CurrentBrush); }
    void FrameRect(const TRect& r, const Brush& brush);
    void InvertRect(const TRect& r);
    // Inverts every other pixel of the frame just inside r (a checkerboard
    // from the brush origin); drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& r);
    // Pen outline and brush inside, all within [left, right) x [top, bottom)
    // for one-pixel and psInsideFrame pens; wider pens are centred on that
    // outline. With a psClear pen the filled box is one pixel smaller to the
    // right and bottom, as the classic calls do.
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // Filled by the poly-fill mode (pixels whose centres lie inside, right and
    // bottom edges left out), then outlined with the pen, closing the figure.
    void Polygon(std::span<const TPoint> points);

    // --- Blits -------------------------------------------------------------
    // Source coordinates are pixels of the source buffer. Source pixels
    // outside it are never read: the destination pixels they would give are
    // left alone. A null source is allowed for codes that do not use one.
    // The pattern is the brush; with a clear brush, codes using it draw
    // nothing. Returns false when a needed source is missing.
    bool BitBlt(int x, int y, int width, int height, const PixelBuffer* source, int sx, int sy, TRop3 rop);
    bool PatBlt(int x, int y, int width, int height, TRop3 rop);
    // Nearest neighbour. Negative extents mirror: a destination or source
    // extent covers [x + width, x) when negative, and the picture is flipped
    // when the signs of destination and source extents differ.
    bool StretchBlt(int x, int y, int width, int height, const PixelBuffer* source, int sx, int sy, int sWidth,
                    int sHeight, TRop3 rop);
    // A stretched copy that leaves out source pixels of the key colour.
    bool TransparentBlt(int x, int y, int width, int height, const PixelBuffer& source, int sx, int sy, int sWidth,
                        int sHeight, TColor key);
    // Copies source pixels where the mask is black; other mask pixels, and
    // mask pixels outside the mask buffer, are transparent. dest is logical;
    // source and mask positions give the pixels matching dest's top left.
    bool MaskedBlt(const TRect& dest, const PixelBuffer& source, TPoint sourcePos, const PixelBuffer& mask,
                   TPoint maskPos);

private:
    // Mixes a run of destination pixels with the matching source pixels (null
    // when the operation has no source); x and y give the device position of
    // the first pixel.
    using BlitOp = std::function<void(TPixel* dest, const TPixel* source, int count, int x, int y)>;
    struct BlitRequest {
        TRect Dest;                         // device; x, y, x + width, y + height
        const PixelBuffer* Source = nullptr;
        TRect SourceRect;                   // sx, sy, sx + sWidth, sy + sHeight
    };
    enum class PathEnd { Open, Closed };

    [[nodiscard]] TPoint ToDevice(int x, int y) const;
    [[nodiscard]] TPoint ToDevice(TPoint p) const { return ToDevice(p.X, p.Y); }
    [[nodiscard]] TRect ToDevice(const TRect& r) const;
    [[nodiscard]] SpanClipper Clipper() const;
    [[nodiscard]] Ink BrushInk(const Brush& brush, TPenMode mode) const;
    [[nodiscard]] Ink PenInk() const;
    [[nodiscard]] Ink BkInk() const;
    void UpdateClip();
    void PaintRegion(const Region& device, const Ink& ink);

    void StrokeDevicePath(std::span<const TPoint> device, PathEnd end);
    void StrokeThin(std::span<const TPoint> device);
    void StrokeWide(std::span<const TPoint> device);
    // Rectangle, RoundRect and Ellipse: ellipse sizes beyond the box are
    // clamped to it, so Ellipse passes the largest size.
    void DrawRoundedBox(const TRect& logical, int ellipseWidth, int ellipseHeight);
    void Blit(const BlitRequest& request, const BlitOp& op);

    PixelBuffer& m_target;
    PainterState m_state;
    std::vector<PainterState> m_saved;
    std::optional<Region> m_baseClip;
    std::optional<Region> m_clip;  // base and caller's clip together
};
