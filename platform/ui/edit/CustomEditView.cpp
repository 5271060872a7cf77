// TCustomEdit's view: the text rectangle, scrolling, the scroll bars of the
// window (when it has them), the caret and its blinking, and the input
// method's place.

#include "platform/ui/edit/CustomEdit.h"

#include "platform/ui/edit/CharWidths.h"
#include "platform/ui/edit/EditText.h"
#include "platform/win/TextInput.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kBlinkTimerId = 1;
// When the caret leaves the text rectangle sideways, the view jumps a
// quarter of its width past it, so that typing does not scroll at every key.
constexpr int kScrollJumpDivisor = 4;

}  // namespace

TRect TCustomEdit::TextRect() const
{
    const TRect client = ClientRect();
    TRect text = client.Inflated(-kTextInset, 0);
    if (client.Height() >= LineHeight() + 2 * kTextInset) text.Top += kTextInset;
    text.Right = std::max(text.Left, text.Right);
    return text;
}

int TCustomEdit::LineHeight() const
{
    return m_widths->LineHeight();
}

int TCustomEdit::CharStep() const
{
    return std::max(1, m_widths->Advance(U'x'));
}

int TCustomEdit::VisibleRows() const
{
    return std::max(1, TextRect().Height() / LineHeight());
}

int TCustomEdit::MaxTopRow() const
{
    return std::max(0, m_text->RowCount() - VisibleRows());
}

int TCustomEdit::MaxScrollX() const
{
    if (WrapsLines()) return 0;
    return std::max(0, m_text->Layout().MaxWidth() + kCaretWidth - TextRect().Width());
}

// --- scrolling ---------------------------------------------------------------------------------

void TCustomEdit::ClampView(int topRow, int scrollX)
{
    m_topRow = std::clamp(topRow, 0, MaxTopRow());
    m_scrollX = std::clamp(scrollX, 0, MaxScrollX());
}

void TCustomEdit::ScrollTo(int topRow, int scrollX)
{
    const int oldTop = m_topRow;
    const int oldX = m_scrollX;
    ClampView(topRow, scrollX);
    if (m_topRow == oldTop && m_scrollX == oldX) return;
    UpdateScrollInfo();
    CaretChanged();
    Invalidate();
}

void TCustomEdit::EnsureCaretVisible()
{
    const TEditPos caret = m_text->Caret();
    const int row = m_text->RowOf(caret);
    const int visible = VisibleRows();
    int top = m_topRow;
    if (row < top) top = row;
    if (row >= top + visible) top = row - visible + 1;
    int scrollX = m_scrollX;
    const int caretX = m_text->XOf(caret);
    const int width = TextRect().Width();
    if (caretX < scrollX) scrollX = caretX - width / kScrollJumpDivisor;
    if (caretX + kCaretWidth > scrollX + width) scrollX = caretX + kCaretWidth - width + width / kScrollJumpDivisor;
    ClampView(top, scrollX);
}

// Rows for the vertical bar, pixels for the horizontal one; each only when
// the window has that bar.
void TCustomEdit::UpdateScrollInfo()
{
    const HWND hwnd = WindowHandle();
    if (!hwnd) return;
    const LONG_PTR style = GetWindowLongPtr(hwnd, GWL_STYLE);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (style & WS_VSCROLL) {
        info.nMax = m_text->RowCount() - 1;
        info.nPage = UINT(VisibleRows());
        info.nPos = m_topRow;
        SetScrollInfo(hwnd, SB_VERT, info, true);
    }
    if (style & WS_HSCROLL) {
        const int width = TextRect().Width();
        info.nMax = std::max(width, MaxScrollX() + width) - 1;
        info.nPage = UINT(width);
        info.nPos = m_scrollX;
        SetScrollInfo(hwnd, SB_HORZ, info, true);
    }
}

// --- the caret ----------------------------------------------------------------------------------

TRect TCustomEdit::CaretRect() const
{
    const TRect text = TextRect();
    const TEditPos caret = m_text->Caret();
    const int x = text.Left + m_text->XOf(caret) - m_scrollX;
    const int y = text.Top + (m_text->RowOf(caret) - m_topRow) * LineHeight();
    return TRect::FromSize(x, y, kCaretWidth, LineHeight());
}

// The caret shows at once after it moved, and the blinking starts over.
void TCustomEdit::CaretChanged()
{
    m_caretOn = true;
    if (!Focused()) return;
    SetTimer(WindowHandle(), kBlinkTimerId, kCaretBlinkMs, nullptr);
    SetTextInputRect(WindowHandle(), CaretRect());
}

void TCustomEdit::WMTimer(TMessage& message)
{
    if (message.WParam != kBlinkTimerId) {
        TWinControl::Dispatch(message);
        return;
    }
    m_caretOn = !m_caretOn;
    const RECT caret = CaretRect();
    InvalidateRect(WindowHandle(), &caret, false);
}

void TCustomEdit::WMSetFocus(TMessage& message)
{
    TWinControl::Dispatch(message);
    CaretChanged();
    Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& message)
{
    TWinControl::Dispatch(message);
    if (WindowHandle()) KillTimer(WindowHandle(), kBlinkTimerId);
    m_caretOn = false;
    m_selecting = false;
    Invalidate();
}

bool TCustomEdit::ShowsSelection() const
{
    return m_text->HasSelection() && (!m_hideSelection || Focused());
}
