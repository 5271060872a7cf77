#include "platform/ui/edit/CustomMemo.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/edit/EditText.h"
#include "platform/ui/edit/MemoStrings.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TCustomMemo);

void TCustomMemo::Publish(TClassBuilder<TCustomMemo>& /*c*/) {}

namespace {

// Where a scroll-bar request leads from pos.
int ScrollTarget(WPARAM request, int pos, int line, int page, int last)
{
    switch (LOWORD(request)) {
    case SB_LINEUP: return pos - line;
    case SB_LINEDOWN: return pos + line;
    case SB_PAGEUP: return pos - page;
    case SB_PAGEDOWN: return pos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return HIWORD(request);
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    default: return pos;  // SB_ENDSCROLL
    }
}

}  // namespace

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner, TEditLines::Multi), m_lines(std::make_unique<TMemoStrings>(*this))
{
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_VSCROLL: WMVScroll(message); break;
    case WM_HSCROLL: WMHScroll(message); break;
    case WM_MOUSEWHEEL: WMMouseWheel(message); break;
    default: TCustomEdit::Dispatch(message); break;
    }
}

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    if (m_scrollBars == ssVertical || m_scrollBars == ssBoth) params.Style |= WS_VSCROLL;
    if (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth) params.Style |= WS_HSCROLL;
}

TStrings* TCustomMemo::Lines() const
{
    return m_lines.get();
}

void TCustomMemo::SetLines(TStrings* lines)
{
    if (lines) m_lines->Assign(*lines);
}

void TCustomMemo::SetScrollBars(TScrollStyle bars)
{
    if (m_scrollBars == bars) return;
    m_scrollBars = bars;
    if (const HWND hwnd = WindowHandle()) {
        ShowScrollBar(hwnd, SB_VERT, bars == ssVertical || bars == ssBoth);
        ShowScrollBar(hwnd, SB_HORZ, bars == ssHorizontal || bars == ssBoth);
    }
    LayoutChanged();
}

void TCustomMemo::SetWordWrap(bool wrap)
{
    if (m_wordWrap == wrap) return;
    m_wordWrap = wrap;
    LayoutChanged();
}

bool TCustomMemo::TakesControlChar(char32_t ch) const
{
    switch (ch) {
    case U'\n': return true;  // Ctrl+Enter
    case U'\r': return m_wantReturns;
    case U'\t': return m_wantTabs;
    default: return false;
    }
}

LRESULT TCustomMemo::DialogCode() const
{
    LRESULT code = TCustomEdit::DialogCode();
    if (m_wantReturns) code |= DLGC_WANTALLKEYS;
    if (m_wantTabs) code |= DLGC_WANTTAB;
    return code;
}

// --- scrolling -------------------------------------------------------------------------------

void TCustomMemo::WMVScroll(TMessage& message)
{
    ScrollTo(ScrollTarget(message.WParam, TopRow(), 1, VisibleRows(), MaxTopRow()), ScrollX());
    message.Result = 0;
}

void TCustomMemo::WMHScroll(TMessage& message)
{
    ScrollTo(TopRow(), ScrollTarget(message.WParam, ScrollX(), CharStep(), TextRect().Width(), MaxScrollX()));
    message.Result = 0;
}

// Whole notches scroll; what is left of a finer wheel's turn waits for more.
void TCustomMemo::WMMouseWheel(TMessage& message)
{
    m_wheelDelta += GET_WHEEL_DELTA_WPARAM(message.WParam);
    const int notches = m_wheelDelta / WHEEL_DELTA;
    m_wheelDelta -= notches * WHEEL_DELTA;
    ScrollTo(TopRow() - notches * kWheelRows, ScrollX());
    message.Result = 0;
}
