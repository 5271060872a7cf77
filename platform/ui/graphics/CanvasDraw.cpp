// TCanvas: lines, shapes, fills and frames, images, copies.
#include "platform/ui/graphics/Canvas.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Graphic.h"
#include "platform/win/Gdi.h"

void TCanvas::MoveTo(int x, int y)
{
    MoveToEx(Handle(), x, y);
}

void TCanvas::LineTo(int x, int y)
{
    Paint([&](HDC dc) { ::LineTo(dc, x, y); });
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Paint([&](HDC dc) { ::Rectangle(dc, left, top, right, bottom); });
}

void TCanvas::Rectangle(const TRect& rect)
{
    Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    Paint([&](HDC dc) { ::RoundRect(dc, left, top, right, bottom, ellipseWidth, ellipseHeight); });
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    Paint([&](HDC dc) { ::Ellipse(dc, left, top, right, bottom); });
}

void TCanvas::Ellipse(const TRect& rect)
{
    Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    Paint([&](HDC dc) { ::Polygon(dc, points); });
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    Paint([&](HDC dc) { ::Polyline(dc, points); });
}

void TCanvas::FillRect(const TRect& rect)
{
    Paint([&](HDC dc) { ::FillRect(dc, rect, m_brush->Handle()); });
}

void TCanvas::FrameRect(const TRect& rect)
{
    Paint([&](HDC dc) { ::FrameRect(dc, rect, m_brush->Handle()); });
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    Paint([&](HDC dc) { ::DrawFocusRect(dc, rect); });
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic)
{
    if (!graphic || graphic->Empty()) return;
    StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic)
{
    if (!graphic || graphic->Empty()) return;
    Paint([&](HDC) { graphic->Draw(*this, rect); });
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source)
{
    if (!canvas) return;
    const HDC src = canvas->Handle();
    Paint([&](HDC dc) {
        StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, source.Left, source.Top,
                   source.Width(), source.Height(), m_copyMode);
    });
}
