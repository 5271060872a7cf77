#include "platform/ui/controls/CaptionText.h"

#include "platform/core/Utf8.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"

namespace {

char32_t FoldAscii(char32_t c)
{
    return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
}

}  // namespace

bool IsAccel(char32_t key, std::string_view caption)
{
    std::size_t at = 0;
    while (at < caption.size()) {
        const Utf8::CodePoint cp = Utf8::DecodeNext(caption, at);
        at += cp.Size;
        if (cp.Value != U'&') continue;
        const Utf8::CodePoint next = Utf8::DecodeNext(caption, at);
        if (next.Size == 0) return false;
        at += next.Size;
        // "&&" stands for '&' itself and marks nothing.
        if (next.Value != U'&' && FoldAscii(next.Value) == FoldAscii(key)) return true;
    }
    return false;
}

int DrawCaptionText(TCanvas& canvas, TRect& rect, std::string_view caption, UINT format, TCaptionInk ink)
{
    canvas.Brush()->SetStyle(bsClear);
    if (ink == TCaptionInk::Normal || (format & DT_CALCRECT)) {
        return DrawText(canvas.Handle(), caption, -1, rect, format);
    }
    const TColor color = canvas.Font()->Color();
    canvas.Font()->SetColor(clBtnHighlight);
    RECT lower = rect.Offset(1, 1);
    DrawText(canvas.Handle(), caption, -1, lower, format);
    canvas.Font()->SetColor(clBtnShadow);
    const int height = DrawText(canvas.Handle(), caption, -1, rect, format);
    canvas.Font()->SetColor(color);
    return height;
}
