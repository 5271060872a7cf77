#include "platform/ui/lists/ListBox.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/lists/ListBoxStrings.h"
#include "platform/ui/lists/ListNavigation.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <utility>

namespace {

// The cell height of a font, measured on a memory context.
int FontCellHeight(const TFont& font)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRIC metrics;
    GetTextMetrics(dc, metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::max<int>(metrics.tmHeight, 1);
}

}  // namespace

QZ_IMPLEMENT_CLASS(TCustomListBox);
QZ_IMPLEMENT_CLASS(TListBox);

void TCustomListBox::Publish(TClassBuilder<TCustomListBox>& /*c*/) {}

void TListBox::Publish(TClassBuilder<TListBox>& c)
{
    c.Creatable<TComponent>();
    PublishColorAndFont(c);
    c.Property("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle).Default(bsSingle);
    c.Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight);
    c.Property("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex).Default(-1);
    PublishItems(c);
    c.Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomControl(owner), m_items(std::make_unique<TListBoxStrings>([this] { ItemsChanged(); }))
{
    // No csClickEvents: OnClick means a selection change here, not a click.
    SetControlStyle({csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque});
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetColor(clWindow);
    SetTabStop(true);
}

TCustomListBox::~TCustomListBox() = default;

// --- properties ---------------------------------------------------------------------

TStrings* TCustomListBox::Items() const
{
    return m_items.get();
}

void TCustomListBox::SetItems(TStrings* items)
{
    if (items) m_items->Assign(*items);
}

int TCustomListBox::Count() const
{
    return m_items->Count();
}

void TCustomListBox::Clear()
{
    m_items->Clear();
}

void TCustomListBox::SetItemIndex(int index)
{
    // While a description is read the items may come after the index.
    if (ComponentState().Contains(csLoading)) {
        m_readItemIndex = index;
        return;
    }
    ChangeSelection(index);
}

void TCustomListBox::ChangeSelection(int index)
{
    if (index < 0 || index >= Count()) index = -1;
    if (index >= 0) MakeVisible(index);
    if (m_itemIndex == index) return;
    m_itemIndex = index;
    Invalidate();
}

int TCustomListBox::ItemHeight() const
{
    if (m_itemHeight > 0) return m_itemHeight;
    if (m_fontHeight == 0) m_fontHeight = FontCellHeight(*Font());
    return m_fontHeight;
}

void TCustomListBox::SetItemHeight(int height)
{
    height = std::max(height, 0);
    if (m_itemHeight == height) return;
    m_itemHeight = height;
    SetTopIndex(m_topIndex);
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetSorted(bool sorted)
{
    if (m_sorted == sorted) return;
    m_sorted = sorted;
    m_items->SetSorted(sorted);
}

void TCustomListBox::SetTopIndex(int index)
{
    index = std::clamp(index, 0, MaxTopIndex());
    if (m_topIndex == index) return;
    m_topIndex = index;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle style)
{
    style = style == bsNone ? bsNone : bsSingle;
    if (m_borderStyle == style) return;
    m_borderStyle = style;
    RecreateWnd();
}

void TCustomListBox::Loaded()
{
    TCustomControl::Loaded();
    if (m_readItemIndex >= 0) ChangeSelection(std::exchange(m_readItemIndex, -1));
}

// --- geometry ------------------------------------------------------------------------

int TCustomListBox::ItemHeightOf(int /*index*/) const
{
    return ItemHeight();
}

int TCustomListBox::RowsFitting(int first) const
{
    int rows = 0;
    for (int y = 0, index = first; index < Count(); ++index, ++rows) {
        y += ItemHeightOf(index);
        if (y > ClientHeight()) break;
    }
    // Past the items the rows are of the standard height.
    if (first + rows >= Count()) {
        int used = 0;
        for (int index = first; index < Count(); ++index) used += ItemHeightOf(index);
        rows += std::max(ClientHeight() - used, 0) / ItemHeight();
    }
    return std::max(rows, 1);
}

int TCustomListBox::VisibleRows() const
{
    return RowsFitting(m_topIndex);
}

// The smallest first row whose rows down to the last item fit the client area.
int TCustomListBox::MaxTopIndex() const
{
    int top = Count();
    for (int used = 0; top > 0; --top) {
        used += ItemHeightOf(top - 1);
        if (used > ClientHeight()) break;
    }
    return std::min(top, std::max(Count() - 1, 0));
}

TRect TCustomListBox::ItemRect(int index) const
{
    int top = 0;
    for (int i = m_topIndex; i < index; ++i) top += ItemHeightOf(i);
    for (int i = index; i < m_topIndex; ++i) top -= ItemHeightOf(i);
    return TRect::FromSize(0, top, ClientWidth(), ItemHeightOf(index));
}

// The row at y pixels below the first visible row: an index from TopIndex
// on, or Count() and beyond for the empty space under the last item.
int TCustomListBox::RowAtY(int y) const
{
    int index = m_topIndex;
    for (int bottom = 0; index < Count(); ++index) {
        bottom += ItemHeightOf(index);
        if (y < bottom) return index;
    }
    return Count();
}

int TCustomListBox::ItemAtPos(TPoint pos) const
{
    if (!ClientRect().Contains(pos)) return -1;
    const int index = RowAtY(pos.Y);
    return index < Count() ? index : -1;
}

int TCustomListBox::NearestItem(TPoint pos) const
{
    if (Count() == 0) return -1;
    const int index = pos.Y < 0 ? m_topIndex - 1 : RowAtY(pos.Y);
    return std::clamp(index, 0, Count() - 1);
}

void TCustomListBox::MakeVisible(int index)
{
    if (index < m_topIndex) {
        SetTopIndex(index);
        return;
    }
    int top = m_topIndex;
    while (top < index && ItemRectFrom(top, index).Bottom > ClientHeight()) ++top;
    SetTopIndex(top);
}

TRect TCustomListBox::ItemRectFrom(int top, int index) const
{
    int y = 0;
    for (int i = top; i < index; ++i) y += ItemHeightOf(i);
    return TRect::FromSize(0, y, ClientWidth(), ItemHeightOf(index));
}

// --- the window ----------------------------------------------------------------------

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (m_borderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

void TCustomListBox::UpdateScrollBar()
{
    const HWND hwnd = WindowHandle();
    if (!hwnd) return;
    ShowScrollBar(hwnd, SB_VERT, Count() > VisibleRows());
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(Count() - 1, 0);
    info.nPage = UINT(VisibleRows());
    info.nPos = m_topIndex;
    SetScrollInfo(hwnd, SB_VERT, info, true);
}

void TCustomListBox::Resize()
{
    SetTopIndex(m_topIndex);
    UpdateScrollBar();
    TCustomControl::Resize();
}

void TCustomListBox::ItemsChanged()
{
    if (m_itemIndex >= Count()) m_itemIndex = -1;
    m_topIndex = std::clamp(m_topIndex, 0, MaxTopIndex());
    UpdateScrollBar();
    Invalidate();
}

// --- painting -------------------------------------------------------------------------

void TCustomListBox::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    const int height = ItemHeight();
    for (int index = m_topIndex; index < Count(); ++index) {
        const TRect rect = ItemRect(index);
        if (rect.Top >= ClientHeight()) break;
        DrawItem(index, rect);
    }
    if (Focused()) {
        // Without a selection the caret sits on the first visible row.
        const TRect caret = m_itemIndex >= 0 ? ItemRect(m_itemIndex) : TRect::FromSize(0, 0, ClientWidth(), height);
        canvas.DrawFocusRect(caret);
    }
}

void TCustomListBox::DrawItem(int index, const TRect& rect)
{
    DrawItemText(*Canvas(), index, rect, index == m_itemIndex);
}

void TCustomListBox::DrawItemText(TCanvas& canvas, int index, const TRect& rect, bool selected) const
{
    canvas.Brush()->SetColor(selected ? clHighlight : Color());
    canvas.FillRect(rect);
    canvas.Font()->SetColor(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color());
    canvas.Brush()->SetStyle(bsClear);
    RECT textRect{rect.Left + kTextIndent, rect.Top, rect.Right, rect.Bottom};
    DrawText(canvas.Handle(), Items()->Strings(index), -1, textRect,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Brush()->SetStyle(bsSolid);
}

// --- messages -------------------------------------------------------------------------

void TCustomListBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE: WMGetDlgCode(message); break;
    case WM_VSCROLL: WMVScroll(message); break;
    case WM_MOUSEWHEEL: WMMouseWheel(message); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: WMFocusChanged(message); break;
    case CM_FONTCHANGED:
        m_fontHeight = 0;
        TCustomControl::Dispatch(message);
        ItemsChanged();
        break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TCustomListBox::WMGetDlgCode(TMessage& message)
{
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomListBox::WMFocusChanged(TMessage& message)
{
    TCustomControl::Dispatch(message);
    Invalidate();
}

void TCustomListBox::WMVScroll(TMessage& message)
{
    const int page = VisibleRows();
    switch (LOWORD(message.WParam)) {
    case SB_LINEUP: SetTopIndex(m_topIndex - 1); break;
    case SB_LINEDOWN: SetTopIndex(m_topIndex + 1); break;
    case SB_PAGEUP: SetTopIndex(m_topIndex - page); break;
    case SB_PAGEDOWN: SetTopIndex(m_topIndex + page); break;
    case SB_TOP: SetTopIndex(0); break;
    case SB_BOTTOM: SetTopIndex(Count()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(WindowHandle(), SB_VERT, info);
        SetTopIndex(info.nTrackPos);
        break;
    }
    default: break;
    }
    message.Result = 0;
}

void TCustomListBox::WMMouseWheel(TMessage& message)
{
    m_wheelRest += GET_WHEEL_DELTA_WPARAM(message.WParam);
    const int notches = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= notches * WHEEL_DELTA;
    SetTopIndex(m_topIndex - notches * kWheelRows);
    message.Result = 0;
}

// --- user input -------------------------------------------------------------------------

bool TCustomListBox::SelectByUser(int index)
{
    const int before = m_itemIndex;
    ChangeSelection(index);
    if (m_itemIndex == before) return true;
    const TComponentWatch watch(this);
    Click();
    return watch.Alive();
}

bool TCustomListBox::NavigateByKey(WORD key)
{
    const std::optional<int> index = IndexAfterKey(key, {m_itemIndex, Count(), VisibleRows()});
    if (!index) return false;
    SelectByUser(*index);
    return true;
}

bool TCustomListBox::SearchByChar(char32_t ch)
{
    const int index = FindByFirstChar(*m_items, ch, m_itemIndex);
    if (index < 0) return false;
    SelectByUser(index);
    return true;
}

void TCustomListBox::KeyDown(WORD& key, TShiftState shift)
{
    const TComponentWatch watch(this);
    TCustomControl::KeyDown(key, shift);
    if (!watch.Alive() || key == 0) return;
    if (NavigateByKey(key)) key = 0;
}

void TCustomListBox::KeyPress(char32_t& key)
{
    const TComponentWatch watch(this);
    TCustomControl::KeyPress(key);
    if (!watch.Alive() || key < U' ') return;
    SearchByChar(key);
    key = 0;
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TComponentWatch watch(this);
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int index = ItemAtPos({x, y});
        if (index >= 0 && !SelectByUser(index)) return;
        if (index >= 0 && shift.Contains(ssDouble)) {
            DblClick();
            if (!watch.Alive()) return;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// Dragging with the button held selects what is under the pointer, and
// scrolls a row at a time beyond the top or bottom.
void TCustomListBox::MouseMove(TShiftState shift, int x, int y)
{
    if (shift.Contains(ssLeft) && MouseCapture()) {
        const int index = NearestItem({x, y});
        if (index >= 0 && !SelectByUser(index)) return;
    }
    TCustomControl::MouseMove(shift, x, y);
}
