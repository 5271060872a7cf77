#include "skin/controls/SUIPopupMenuDraw.h"

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

namespace {

constexpr int kLineTop = 2;       // px from a separator's top to its line
constexpr int kLineEndMargin = 2; // px from the line's end to the right edge
constexpr int kGlyphLeft = 4;     // px
constexpr int kGlyphTop = 3;      // px
constexpr TRect kImageFrame{2, 1, 21, 20};  // relative to the item's top-left

// The top rows of a built-in picture stretched over rect.
void StretchTopRows(TCanvas* canvas, const TRect& rect, const char* resource, int rows)
{
    TBitmap picture;
    picture.LoadFromResourceName(nullptr, resource);
    const int height = std::min(rows, picture.Height());
    TBitmap part(picture.Width(), height);
    part.Canvas()->Draw(0, 0, &picture);
    canvas->StretchDraw(rect, &part);
}

}  // namespace

TSkinMenuItemParts SkinMenuItemParts(const TRect& rect, int barWidth, int shortCutWidth)
{
    TSkinMenuItemParts parts;
    const int barRight = rect.Left + std::max(barWidth, 0);
    if (barWidth > 0) parts.Bar = {rect.Left, rect.Top, barRight, rect.Bottom};
    parts.Background = {barRight, rect.Top, rect.Right, rect.Bottom};
    parts.Caption = {rect.Left + barWidth + kMenuTextIndent, rect.Top + kMenuTextIndent, rect.Right, rect.Bottom};
    parts.ShortCut = {rect.Right - shortCutWidth - kMenuShortCutMargin, rect.Top + kMenuTextIndent};
    parts.Glyph = {rect.Left + kGlyphLeft, rect.Top + kGlyphTop};
    parts.ImageFrame = kImageFrame.Offset(rect.Left, rect.Top);
    parts.ImageFill = parts.ImageFrame.Inflated(-1, -1);
    parts.LineFrom = {rect.Left + barWidth + kMenuTextIndent, rect.Top + kLineTop};
    parts.LineTo = {rect.Right - kLineEndMargin, rect.Top + kLineTop};
    return parts;
}

TSize SkinMenuItemSize(bool separator, int captionWidth, int shortCutWidth, int barWidth, int itemHeight,
                       int separatorHeight)
{
    return {captionWidth + shortCutWidth + barWidth + kMenuWidthExtra, separator ? separatorHeight : itemHeight};
}

void Menu_SetItemEvent(TMenuItem* item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw)
{
    if (!item) return;
    item->OnMeasureItem = measure;
    item->OnDrawItem = draw;
    for (int i = 0; i < item->Count(); ++i) Menu_SetItemEvent(item->Items(i), measure, draw);
}

void Menu_DrawBorder(TCanvas* canvas, const TRect& rect, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FrameRect(rect);
}

void Menu_DrawBackGround(TCanvas* canvas, const TRect& rect, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

void Menu_DrawLineItem(TCanvas* canvas, const TRect& rect, TColor color, int barWidth)
{
    const TSkinMenuItemParts parts = SkinMenuItemParts(rect, barWidth, 0);
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(parts.LineFrom.X, parts.LineFrom.Y);
    canvas->LineTo(parts.LineTo.X, parts.LineTo.Y);
}

void Menu_DrawMacOSLineItem(TCanvas* canvas, const TRect& rect)
{
    StretchTopRows(canvas, rect, "MACOS_MENU_BAR", kMacOSSeparatorRows);
}

void Menu_DrawMacOSSelectedItem(TCanvas* canvas, const TRect& rect)
{
    StretchTopRows(canvas, rect, "MACOS_MENU_SELECT", kMacOSItemRows);
}

void Menu_DrawMacOSNonSelectedItem(TCanvas* canvas, const TRect& rect)
{
    StretchTopRows(canvas, rect, "MACOS_MENU_BAR", kMacOSItemRows);
}

void Menu_DrawWindowBorder(HWND window, TColor color1, TColor color2)
{
    RECT bounds;
    if (!window || !GetWindowRect(window, bounds)) return;
    // The window's own context reaches its whole area, border included.
    const TRect w = TRect::FromSize(0, 0, bounds.Width(), bounds.Height());
    const HDC dc = GetWindowDC(window);
    if (!dc) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    Menu_DrawBorder(&canvas, {w.Left, w.Top + 1, w.Right - 1, w.Bottom - 1}, color1);
    Menu_DrawBorder(&canvas, {w.Left + 1, w.Top + 2, w.Right - 2, w.Bottom - 2}, clWhite);
    canvas.Pen()->SetColor(color2);
    canvas.Polyline({TPoint{w.Left, w.Bottom - 1}, TPoint{w.Right - 1, w.Bottom - 1}, TPoint{w.Right - 1, w.Top},
                     TPoint{w.Right, w.Top}, TPoint{w.Left, w.Top}});
    canvas.SetHandle(nullptr);
    ReleaseDC(window, dc);
}

void Menu_GetSystemFont(TFont* font)
{
    if (!font) return;
    NONCLIENTMETRICS metrics;
    metrics.cbSize = sizeof(NONCLIENTMETRICS);
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    font->SetHandle(CreateFontIndirect(metrics.lfMenuFont));
    font->SetColor(GetSysColor(COLOR_MENUTEXT));
}
