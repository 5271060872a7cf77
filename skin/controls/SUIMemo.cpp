#include "skin/controls/SUIMemo.h"

#include "platform/win/Messages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SUIEditPublish.h"
#include "skin/controls/SUIScrollBar.h"

#include <cstdlib>

QZ_IMPLEMENT_CLASS(TsuiMemo);

void TsuiMemo::Publish(TClassBuilder<TsuiMemo>& c)
{
    c.Creatable<TComponent>();
    PublishEditSkin(c);
    c.Reference("HScrollBar", &TsuiMemo::HScrollBar, &TsuiMemo::SetHScrollBar);
    c.Reference("VScrollBar", &TsuiMemo::VScrollBar, &TsuiMemo::SetVScrollBar);
}

const TsuiMemo::TBarSlot TsuiMemo::kHorizontal{&TsuiMemo::m_hScrollBar, SB_HORZ, OBJID_HSCROLL, WM_HSCROLL};
const TsuiMemo::TBarSlot TsuiMemo::kVertical{&TsuiMemo::m_vScrollBar, SB_VERT, OBJID_VSCROLL, WM_VSCROLL};

TsuiMemo::~TsuiMemo()
{
    // The bars outlive us on the parent: they must not call back into a dead memo.
    for (TsuiScrollBar* bar : {m_hScrollBar, m_vScrollBar}) {
        if (bar) bar->SetOnChange(nullptr);
    }
}

// --- messages ---------------------------------------------------------------------------------

void TsuiMemo::Dispatch(TMessage& message)
{
    TsuiEditSkin<TMemo>::Dispatch(message);
    switch (message.Msg) {
    case WM_SIZE:
    case WM_MOVE: UpdateScrollBarsPos(); break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case CM_ENABLEDCHANGED: UpdateScrollBars(); break;
    case WM_LBUTTONDOWN: m_mouseDown = true; UpdateScrollBars(); break;
    case WM_LBUTTONUP: m_mouseDown = false; break;
    case WM_MOUSEMOVE:
        if (m_mouseDown) UpdateScrollBars();
        break;
    default: break;
    }
}

void TsuiMemo::Change()
{
    TsuiEditSkin<TMemo>::Change();
    // The program's own changes (Lines.Add) move the range without a message.
    UpdateScrollBars();
}

// --- coupling ---------------------------------------------------------------------------------

void TsuiMemo::SetVScrollBar(TsuiScrollBar* bar)
{
    Couple(kVertical, bar);
}

void TsuiMemo::SetHScrollBar(TsuiScrollBar* bar)
{
    Couple(kHorizontal, bar);
}

void TsuiMemo::Couple(const TBarSlot& slot, TsuiScrollBar* bar)
{
    TsuiScrollBar*& current = this->*slot.Bar;
    if (bar == current) return;
    if (current) {
        current->RemoveFreeNotification(this);
        current->SetOnChange(nullptr);
        current->SetLineButton(0);
        current->SetMax(100);
        current->SetEnabled(true);
    }
    current = bar;
    if (!bar) {
        UpdateInnerScrollBars();
        return;
    }
    bar->FreeNotification(this);
    bar->SetOrientation(&slot == &kVertical ? suiVertical : suiHorizontal);
    bar->SetOnChange([this, &slot](TObject*) { BarChanged(slot); });
    bar->BringToFront();
    UpdateInnerScrollBars();
    UpdateScrollBarsPos();
}

void TsuiMemo::Notification(TComponent* component, TOperation operation)
{
    TsuiEditSkin<TMemo>::Notification(component, operation);
    if (operation != opRemove || !component) return;
    for (const TBarSlot* slot : {&kHorizontal, &kVertical}) {
        if (component == this->*slot->Bar) {
            this->*slot->Bar = nullptr;
            UpdateInnerScrollBars();
        }
    }
}

void TsuiMemo::UpdateInnerScrollBars()
{
    static constexpr TScrollStyle kBars[2][2] = {{ssNone, ssHorizontal}, {ssVertical, ssBoth}};
    SetScrollBars(kBars[m_vScrollBar != nullptr][m_hScrollBar != nullptr]);
}

void TsuiMemo::UpdateScrollBarsPos()
{
    if (m_hScrollBar) {
        TsuiScrollBar* bar = m_hScrollBar;
        bar->SetVisible(bar->Height() <= Height());
        const int width = Width() - (m_vScrollBar ? m_vScrollBar->Width() : 0) - 2;
        bar->SetBounds(Left() + 1, Top() + Height() - bar->Height() - 2, width, bar->Height());
    }
    if (m_vScrollBar) {
        TsuiScrollBar* bar = m_vScrollBar;
        bar->SetVisible(bar->Width() <= Width());
        const int height = Height() - (m_hScrollBar ? m_hScrollBar->Height() : 0) - 2;
        bar->SetBounds(Left() + Width() - bar->Width() - 2, Top() + 1, bar->Width(), height);
    }
    UpdateScrollBars();
}

// --- both ways ----------------------------------------------------------------------------------

void TsuiMemo::UpdateScrollBars()
{
    if (m_barScrolling || !HandleAllocated()) return;
    m_updatingBars = true;
    CopyNativeState(kHorizontal);
    CopyNativeState(kVertical);
    m_updatingBars = false;
}

void TsuiMemo::CopyNativeState(const TBarSlot& slot)
{
    TsuiScrollBar* bar = this->*slot.Bar;
    if (!bar) return;
    const HWND window = WindowHandle();
    SCROLLBARINFO barInfo;
    GetScrollBarInfo(window, slot.ObjectId, barInfo);
    if (barInfo.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) {
        bar->SetLineButton(0);
        bar->SetEnabled(false);
        bar->SetSliderVisible(false);
    } else {
        bar->SetLineButton(std::abs(barInfo.xyThumbBottom - barInfo.xyThumbTop));
        if (&slot == &kHorizontal) bar->SetSmallChange(3 * bar->PageSize());
        bar->SetEnabled(true);
        bar->SetSliderVisible(true);
    }
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(window, slot.NativeBar, info);
    bar->SetMax(info.nMax - int(info.nPage) + 1);
    bar->SetMin(info.nMin);
    bar->SetPosition(info.nPos);
}

void TsuiMemo::BarChanged(const TBarSlot& slot)
{
    if (m_updatingBars) return;
    TsuiScrollBar* bar = this->*slot.Bar;
    if (!bar || !HandleAllocated()) return;
    m_barScrolling = true;
    // FIXME: the position travels in 16 bits, so rows past 65535 cannot be reached from a bar.
    const WPARAM request = SB_THUMBPOSITION | (WPARAM(bar->Position() & 0xFFFF) << 16);
    SendMessage(WindowHandle(), slot.ScrollMessage, request, 0);
    Invalidate();
    m_barScrolling = false;
}

// --- style ------------------------------------------------------------------------------------------

void TsuiMemo::StyleResolved(TsuiUIStyle resolved)
{
    for (TsuiScrollBar* bar : {m_hScrollBar, m_vScrollBar}) {
        if (bar) bar->SetUIStyle(resolved);
    }
}

void TsuiMemo::FileThemeChanging(TsuiFileTheme* fileTheme)
{
    for (TsuiScrollBar* bar : {m_hScrollBar, m_vScrollBar}) {
        if (bar) bar->SetFileTheme(fileTheme);
    }
}
