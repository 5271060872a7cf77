// TMenuWindow's painting: the raised border, then every item, either by its
// OnDrawItem or in the plain look (menu colours, the highlight for the
// selected item, grey embossed text for disabled ones, check mark or image,
// bold default item, underlined access key, shortcut and submenu arrow).

#include "platform/ui/menus/MenuWindow.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

namespace {

constexpr int kArrowHalfHeight = 3;  // px; the arrow is a triangle 7 high, 4 wide
constexpr int kCaptionIndent = 2;    // px between the check column and the caption

TColor TextColor(const TMenuItem& item, bool selected)
{
    if (!item.Enabled()) return clGrayText;
    return selected ? clHighlightText : clMenuText;
}

}  // namespace

void TMenuWindow::PrepareCanvas(const TMenuItem& item, bool selected)
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Screen->MenuFont());
    if (item.Default()) canvas->Font()->SetStyle(canvas->Font()->Style().Include(fsBold));
    canvas->Font()->SetColor(TextColor(item, selected));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
}

void TMenuWindow::Paint()
{
    TCanvas* canvas = Canvas();
    RECT client = ClientRect();
    canvas->Brush()->SetColor(clMenu);
    canvas->FillRect(client);
    DrawEdge(canvas->Handle(), client, EDGE_RAISED, BF_RECT);
    // Only the items that need it: a new selection repaints two of them.
    const TRect dirty = canvas->ClipRect();
    for (int i = 0; i < ItemCount(); ++i) {
        TMenuItem& item = *m_shown[std::size_t(i)];
        const TRect& rect = m_layout.Items[std::size_t(i)];
        if (rect.Intersected(dirty).IsEmpty()) continue;
        const bool selected = i == m_selected;
        PrepareCanvas(item, selected);
        if (item.OnDrawItem) {
            item.OnDrawItem(&item, canvas, rect, selected);
        } else {
            PaintPlainItem(item, rect, selected);
        }
    }
}

void TMenuWindow::PaintPlainItem(const TMenuItem& item, const TRect& rect, bool selected)
{
    TCanvas* canvas = Canvas();
    canvas->FillRect(rect);
    if (item.IsLine()) {
        const int middle = rect.Top + rect.Height() / 2;
        RECT line{rect.Left + kMenuColumnMargin, middle - 1, rect.Right - kMenuColumnMargin, middle + 1};
        DrawEdge(canvas->Handle(), line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const TPlainItemParts parts = PlainItemParts(rect, m_metrics);
    PaintGlyph(item, parts.Glyph);
    canvas->Brush()->SetStyle(bsClear);
    if (!item.Enabled() && !selected) {
        // Disabled text is embossed: a light copy one pixel down and right.
        canvas->Font()->SetColor(clBtnHighlight);
        PaintItemText(item, {parts.Glyph.Offset(1, 1), parts.Caption.Offset(1, 1), parts.ShortCut.Offset(1, 1), {}});
        canvas->Font()->SetColor(clGrayText);
    }
    PaintItemText(item, parts);
    if (item.Count() > 0) PaintArrow(parts.Arrow);
}

void TMenuWindow::PaintGlyph(const TMenuItem& item, const TRect& glyph)
{
    TCanvas* canvas = Canvas();
    if (HasImage(item)) {
        const TImageList* images = Images();
        const int x = glyph.Left + (glyph.Width() - images->Width()) / 2;
        const int y = glyph.Top + (glyph.Height() - images->Height()) / 2;
        if (item.Checked()) {
            RECT box{x - 1, y - 1, x + images->Width() + 1, y + images->Height() + 1};
            DrawEdge(canvas->Handle(), box, BDR_SUNKENOUTER, BF_RECT);
        }
        images->Draw(canvas, x, y, item.ImageIndex(), item.Enabled());
        return;
    }
    if (!item.Checked()) return;
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    RECT mark = TRect::FromSize(glyph.Left + (glyph.Width() - size) / 2, glyph.Top + (glyph.Height() - size) / 2,
                                size, size);
    DrawFrameControl(canvas->Handle(), mark, DFC_MENU, DFCS_MENUCHECK | (item.Enabled() ? 0u : UINT(DFCS_INACTIVE)));
}

void TMenuWindow::PaintItemText(const TMenuItem& item, const TPlainItemParts& parts)
{
    const HDC dc = Canvas()->Handle();
    RECT caption = parts.Caption;
    caption.Left += kCaptionIndent;
    DrawText(dc, item.Caption(), -1, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const std::string shortCut = ShortCutToText(item.ShortCut());
    if (shortCut.empty()) return;
    RECT rect = parts.ShortCut;
    DrawText(dc, shortCut, -1, rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TMenuWindow::PaintArrow(const TRect& arrow)
{
    TCanvas* canvas = Canvas();
    const TColor color = canvas->Font()->Color();
    const int x = arrow.Left + (arrow.Width() - kArrowHalfHeight - 1) / 2;
    const int y = arrow.Top + arrow.Height() / 2;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->Polygon({TPoint{x, y - kArrowHalfHeight}, TPoint{x + kArrowHalfHeight, y}, TPoint{x, y + kArrowHalfHeight}});
}
