// TCustomComboBox's drop-down list: where it opens, opening and closing it,
// and the keys while it is open.
//
//   state    event                          what happens
//   closed   press (button), F4, Alt+arrow  OnDropDown, the list opens at ListBounds, takes the capture
//   open     release on an item, Enter,     the list closes; the highlighted item is selected
//            F4, Alt+arrow, Tab             (OnClick, OnChange when it changed); OnCloseUp
//   open     press outside, Escape, focus   the list closes unchanged; OnCloseUp
//            lost, disabled, hidden

#include "platform/ui/lists/ComboBox.h"

#include "platform/core/Strings.h"
#include "platform/ui/lists/ComboListBox.h"
#include "platform/win/WinApi.h"

#include <algorithm>

void TCustomComboBox::SetDroppedDown(bool dropped)
{
    if (dropped) {
        OpenList();
    } else {
        CloseList(TDropEnd::Cancel);
    }
}

HWND TCustomComboBox::ListOwner() const
{
    return GetAncestorRoot(WindowHandle());
}

// Below the combo box, or above it when the work area has no room below;
// moved sideways into the work area. DropDownCount rows at most, one at least.
TRect TCustomComboBox::ListBounds() const
{
    RECT combo;
    GetWindowRect(WindowHandle(), combo);
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    const int rows = std::clamp(Items()->Count(), 1, m_dropDownCount);
    const int border = GetSystemMetrics(SM_CYBORDER);
    int height = 2 * border;
    for (int row = 0; row < rows; ++row) height += ListItemHeight(row);
    const int width = combo.Width();
    int top = combo.Bottom;
    if (top + height > work.Bottom && combo.Top - height >= work.Top) top = combo.Top - height;
    const int left = std::max(std::min(combo.Left, work.Right - width), work.Left);
    return TRect::FromSize(left, top, width, height);
}

void TCustomComboBox::OpenList()
{
    if (m_dropped || m_style == csSimple || !HandleAllocated() || !Enabled()) return;
    const TComponentWatch watch(this);
    DropDown();
    if (!watch.Alive() || m_dropped || !HandleAllocated()) return;
    MeasureItems();
    m_list->SetBoundsRect(ListBounds());
    m_list->SetItemIndex(m_itemIndex);
    m_list->SetTopIndex(m_itemIndex);
    const HWND list = m_list->Handle();
    m_list->UpdateScrollBar();
    SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_dropped = true;
    SetCapture(list);
    Invalidate();
}

void TCustomComboBox::CloseList(TDropEnd end)
{
    if (!m_dropped) return;
    m_dropped = false;
    m_buttonPressed = false;
    const int picked = m_list->ItemIndex();
    const HWND list = m_list->WindowHandle();
    if (list) {
        if (GetCapture() == list) ReleaseCapture();
        SetWindowPos(list, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
    Invalidate();
    // A combo box on its way out (its form closing) tells nobody.
    if (IsDestroying()) return;
    const TComponentWatch watch(this);
    if (end == TDropEnd::Pick && !SelectByUser(picked)) return;
    if (watch.Alive()) CloseUp();
}

// The window goes: the list goes with it, quietly.
void TCustomComboBox::DestroyWnd()
{
    m_dropped = false;
    m_buttonPressed = false;
    if (const HWND list = m_list->WindowHandle(); list && GetCapture() == list) ReleaseCapture();
    m_list->DestroyHandle();
    TCustomControl::DestroyWnd();
}

void TCustomComboBox::ListButtonReleased()
{
    if (!m_buttonPressed) return;
    m_buttonPressed = false;
    Invalidate();
}

bool TCustomComboBox::DroppedKey(WORD key, TShiftState shift)
{
    const bool alt = shift.Contains(ssAlt);
    switch (key) {
    case VK_ESCAPE: CloseList(TDropEnd::Cancel); return true;
    case VK_RETURN:
    case VK_F4: CloseList(TDropEnd::Pick); return true;
    // Tab picks and still moves on (see TComboListBox).
    case VK_TAB: CloseList(TDropEnd::Pick); return false;
    case VK_UP:
    case VK_DOWN:
        if (alt) {
            CloseList(TDropEnd::Pick);
            return true;
        }
        break;
    default: break;
    }
    // The list moves its highlight without events; the pick comes later. In
    // the edit field Home and End stay the edit's.
    const bool editKey = m_edit && (key == VK_HOME || key == VK_END);
    if (alt || shift.Contains(ssCtrl) || editKey) return false;
    return m_list->NavigateByKey(key);
}

bool TCustomComboBox::DroppedChar(char32_t ch)
{
    if (m_edit || ch < U' ') return false;
    m_list->SearchByChar(ch);
    return true;
}
