#pragma once
// TCanvas: drawing with a pen, a brush and a font on a device context.
//
// A canvas either wraps a context it does not own (SetHandle) or makes one
// on demand through the virtual CreateHandle, as the canvases of bitmaps
// and controls do. Before each drawing call the tools that changed since
// the last call are selected into the context: the pen with its mode
// (SetROP2), the brush with the background it implies (a solid brush gives
// opaque text cells in the brush colour, other styles transparent ones),
// and the font with its colour. SetHandle, Refresh and the destructor put
// the context's stock objects back, so the tools never stay selected into
// a context the canvas no longer draws on.
//
// Every drawing call fires OnChanging before and OnChange after it.
//
// The code is split by topic:
//   Canvas.cpp        handle, tools, state, pixels, changes
//   CanvasDraw.cpp    lines, shapes, fills and frames, images, copies
//   CanvasText.cpp    text output and measuring

#include "platform/core/Rtti.h"
#include "platform/gfx/RasterOp.h"
#include "platform/win/WinTypes.h"

#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>

class TBrush;
class TFont;
class TGraphic;
class TPen;

class TCanvas : public TPersistent {
    QZ_DECLARE_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // --- the device context ------------------------------------------------
    // The context with the pen, brush and font selected, made through
    // CreateHandle when there is none; raises EInvalidOperation ("Canvas
    // does not allow drawing") when none comes. Code that draws with the
    // GDI calls directly takes this.
    [[nodiscard]] HDC Handle();
    // Draws on dc from now on (nullptr: on nothing). The canvas does not own it.
    void SetHandle(HDC dc);
    [[nodiscard]] bool HandleAllocated() const { return m_handle != nullptr; }

    // --- tools ---------------------------------------------------------------
    [[nodiscard]] TFont* Font() const { return m_font.get(); }
    [[nodiscard]] TPen* Pen() const { return m_pen.get(); }
    [[nodiscard]] TBrush* Brush() const { return m_brush.get(); }
    // Copy the attributes of the given tool (Assign).
    void SetFont(const TFont* font);
    void SetPen(const TPen* pen);
    void SetBrush(const TBrush* brush);

    [[nodiscard]] TPoint PenPos();
    // The raster operation of CopyRect and of opaque bitmap drawing.
    [[nodiscard]] TRop3 CopyMode() const { return m_copyMode; }
    void SetCopyMode(TRop3 mode) { m_copyMode = mode; }
    // The bounds of what can be drawn on, logical coordinates.
    [[nodiscard]] TRect ClipRect();

    // --- lines and shapes (CanvasDraw.cpp) ---------------------------------
    // Rectangles leave out their right column and bottom row; lines leave
    // out their end point. Shapes are filled with the brush and outlined
    // with the pen.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect);
    void Polygon(std::span<const TPoint> points);
    void Polygon(std::initializer_list<TPoint> points) { Polygon(std::span<const TPoint>(points.begin(), points.size())); }
    void Polyline(std::span<const TPoint> points);
    void Polyline(std::initializer_list<TPoint> points)
    {
        Polyline(std::span<const TPoint>(points.begin(), points.size()));
    }

    // --- fills and frames (CanvasDraw.cpp) -----------------------------------
    // With the brush, leaving the pen alone.
    void FillRect(const TRect& rect);
    // One pixel just inside rect, in the brush.
    void FrameRect(const TRect& rect);
    // The dotted XOR frame: drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& rect);

    // --- text (CanvasText.cpp) -----------------------------------------------
    // The text's top-left at (x, y); the pen position then moves to the
    // text's right end.
    void TextOut(int x, int y, std::string_view text);
    // As TextOut, clipped to rect; a solid brush fills rect first.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    [[nodiscard]] TSize TextExtent(std::string_view text);
    [[nodiscard]] int TextWidth(std::string_view text);
    [[nodiscard]] int TextHeight(std::string_view text);

    // --- images (CanvasDraw.cpp) -----------------------------------------------
    // A graphic at its own size with its top-left at (x, y), or stretched
    // into rect. Transparent graphics leave out their transparent pixels.
    // nullptr and empty graphics draw nothing.
    void Draw(int x, int y, const TGraphic* graphic);
    void StretchDraw(const TRect& rect, const TGraphic* graphic);
    // Copies source of another canvas (or this one) into dest, stretched,
    // with CopyMode. nullptr copies nothing.
    void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);

    // --- pixels ----------------------------------------------------------------
    // CLR_INVALID outside what can be drawn on.
    [[nodiscard]] TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // --- state -----------------------------------------------------------------
    // Locking has nothing to guard against in one thread; the count is kept.
    void Lock() { ++m_lockCount; }
    void Unlock() { --m_lockCount; }
    [[nodiscard]] int LockCount() const { return m_lockCount; }
    // Puts the context's stock objects back; the tools are selected again
    // before the next drawing call.
    void Refresh();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Makes a context and hands it to SetHandle. The default makes none.
    virtual void CreateHandle() {}
    // Fire OnChanging and OnChange around each drawing call.
    virtual void Changing();
    virtual void Changed();

private:
    enum StateBit : unsigned { kPenValid = 1, kBrushValid = 2, kFontValid = 4 };

    // Runs draw(Handle()) between Changing and Changed.
    template <class F>
    void Paint(F&& draw)
    {
        Changing();
        draw(Handle());
        Changed();
    }
    void DeselectHandles();
    void ToolChanged(StateBit tool);

    HDC m_handle = nullptr;
    unsigned m_state = 0;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TPen> m_pen;
    std::unique_ptr<TBrush> m_brush;
    TRop3 m_copyMode = SRCCOPY;
    int m_lockCount = 0;
};
