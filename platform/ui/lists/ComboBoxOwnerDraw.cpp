// TCustomComboBox's owner-drawn rows and csSimple's list below the edit field.

#include "platform/ui/lists/ComboBox.h"

#include "platform/core/Strings.h"
#include "platform/ui/base/ControlCanvas.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/lists/ComboListBox.h"
#include "platform/win/Gdi.h"

#include <algorithm>

void TCustomComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas& canvas = *Canvas();
    canvas.FillRect(rect);
    if (index < 0 || index >= Items()->Count()) return;
    canvas.Brush()->SetStyle(bsClear);
    RECT textRect{rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
    DrawText(canvas.Handle(), Items()->Strings(index), -1, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Brush()->SetStyle(bsSolid);
}

void TCustomComboBox::MeasureItem(int index, int& height)
{
    if (OnMeasureItem) OnMeasureItem(this, index, height);
}

// The combo box's Canvas draws on the list's context for the row, as the
// handlers expect; the list's canvas picks its tools again afterwards.
void TCustomComboBox::DrawListItem(TCanvas& listCanvas, int index, const TRect& rect, bool selected)
{
    if (!IsOwnerDrawn()) {
        m_list->DrawItemText(listCanvas, index, rect, selected);
        return;
    }
    auto& canvas = static_cast<TControlCanvas&>(*Canvas());
    {
        const TCanvasPaintScope scope(canvas, listCanvas.Handle());
        TOwnerDrawState state;
        if (selected) state.Include(odSelected);
        if (!Enabled()) state.Include(odGrayed).Include(odDisabled);
        canvas.SetFont(Font());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(selected ? clHighlight : Color());
        canvas.Font()->SetColor(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color());
        DrawItem(index, rect, state);
    }
    listCanvas.Refresh();
}

int TCustomComboBox::ListItemHeight(int index) const
{
    if (m_style == csOwnerDrawVariable && index >= 0 && index < int(m_itemHeights.size())) {
        return m_itemHeights[std::size_t(index)];
    }
    return m_list->ItemHeight();
}

// Heights below one pixel count as one, so that every row can be hit.
void TCustomComboBox::MeasureItems()
{
    m_itemHeights.clear();
    if (m_style != csOwnerDrawVariable) return;
    const int count = Items()->Count();
    m_itemHeights.reserve(std::size_t(count));
    for (int index = 0; index < count; ++index) {
        int height = m_list->ItemHeight();
        MeasureItem(index, height);
        m_itemHeights.push_back(std::max(height, 1));
    }
}

// --- csSimple ----------------------------------------------------------------------------

void TCustomComboBox::UpdateListParent()
{
    const bool simple = m_style == csSimple;
    if ((m_list->Parent() == this) == simple) return;
    m_list->DestroyHandle();
    m_list->SetBorderStyle(simple ? bsSingle : bsNone);
    m_list->SetParent(simple ? this : nullptr);
    m_list->SetVisible(simple);
    PlaceSimpleList();
}

void TCustomComboBox::PlaceSimpleList()
{
    if (m_style != csSimple) return;
    const int top = std::min(kSimpleEditHeight, ClientHeight());
    m_list->SetBounds(0, top, ClientWidth(), ClientHeight() - top);
}
