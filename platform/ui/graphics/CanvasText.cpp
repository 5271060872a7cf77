// TCanvas: text output and measuring.
#include "platform/ui/graphics/Canvas.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/win/Gdi.h"

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    Paint([&](HDC dc) { ExtTextOut(dc, x, y, 0, nullptr, text); });
    MoveTo(x + TextWidth(text), y);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text)
{
    const UINT options = ETO_CLIPPED | (m_brush->Style() == bsClear ? 0u : UINT(ETO_OPAQUE));
    Paint([&](HDC dc) { ExtTextOut(dc, x, y, options, &rect, text); });
}

TSize TCanvas::TextExtent(std::string_view text)
{
    SIZE size;
    GetTextExtentPoint32(Handle(), text, size);
    return size;
}

int TCanvas::TextWidth(std::string_view text)
{
    return TextExtent(text).cx;
}

int TCanvas::TextHeight(std::string_view text)
{
    return TextExtent(text).cy;
}
