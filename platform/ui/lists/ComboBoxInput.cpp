// TCustomComboBox's keys, mouse and messages.

#include "platform/ui/lists/ComboBox.h"

#include "platform/core/Strings.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "platform/ui/lists/ComboListBox.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/lists/ListNavigation.h"
#include "platform/win/WinApi.h"

#include <algorithm>

// --- keys and mouse ----------------------------------------------------------------------

bool TCustomComboBox::ClosedKey(WORD key, TShiftState shift)
{
    const bool alt = shift.Contains(ssAlt);
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        OpenList();
        return true;
    }
    if (alt || shift.Contains(ssCtrl)) return false;
    // In the edit field only Up and Down belong to the list.
    if (m_edit && key != VK_UP && key != VK_DOWN) return false;
    const std::optional<int> index = IndexAfterKey(key, {m_itemIndex, Items()->Count(), m_dropDownCount});
    if (!index) return false;
    SelectByUser(*index);
    return true;
}

void TCustomComboBox::KeyDown(WORD& key, TShiftState shift)
{
    const TComponentWatch watch(this);
    TCustomControl::KeyDown(key, shift);
    if (!watch.Alive() || key == 0) return;
    if (m_dropped ? DroppedKey(key, shift) : ClosedKey(key, shift)) key = 0;
}

void TCustomComboBox::KeyPress(char32_t& key)
{
    const TComponentWatch watch(this);
    TCustomControl::KeyPress(key);
    if (!watch.Alive() || key < U' ' || m_edit) return;
    if (m_dropped) {
        DroppedChar(key);
    } else {
        const int index = FindByFirstChar(*Items(), key, m_itemIndex);
        if (index >= 0) SelectByUser(index);
    }
    key = 0;
}

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TComponentWatch watch(this);
    if (button == mbLeft) {
        if (m_edit) {
            if (m_edit->CanFocus() && !m_edit->Focused()) m_edit->SetFocus();
        } else if (CanFocus() && !Focused()) {
            SetFocus();
        }
        if (!watch.Alive()) return;
        if (!m_edit || Layout().Button.Contains(TPoint{x, y})) {
            m_buttonPressed = true;
            Invalidate();
            OpenList();
            if (!watch.Alive()) return;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) ListButtonReleased();
    TCustomControl::MouseUp(button, shift, x, y);
}

// --- messages -----------------------------------------------------------------------------

void TCustomComboBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE: WMGetDlgCode(message); break;
    case WM_GETTEXT: WMGetText(message); break;
    case WM_GETTEXTLENGTH: WMGetTextLength(message); break;
    case WM_SETTEXT: WMSetText(message); break;
    case WM_MOUSEWHEEL: WMMouseWheel(message); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: WMFocusChanged(message); break;
    case WM_CANCELMODE:
    case CM_CANCELMODE: CMCancelList(message); break;
    case CM_CHILDKEY: CMChildKey(message); break;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: CMLookChanged(message); break;
    case CB_GETCOMBOBOXINFO: CBGetComboBoxInfo(message); break;
    case CB_GETDROPPEDSTATE: message.Result = m_dropped ? TRUE : FALSE; break;
    case CB_SHOWDROPDOWN: CBShowDropDown(message); break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TCustomComboBox::WMGetDlgCode(TMessage& message)
{
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? DLGC_WANTALLKEYS : LRESULT(0));
}

// WM_GETTEXT and WM_SETTEXT carry std::string pointers in lParam.
void TCustomComboBox::WMGetText(TMessage& message)
{
    const std::string text = CurrentText();
    if (auto* out = reinterpret_cast<std::string*>(message.LParam)) *out = text;
    message.Result = LRESULT(text.size());
}

void TCustomComboBox::WMGetTextLength(TMessage& message)
{
    message.Result = LRESULT(CurrentText().size());
}

// The list style selects the item of that text (none when there is none);
// the edit style shows the text and selects its item if there is one.
void TCustomComboBox::WMSetText(TMessage& message)
{
    message.Result = TRUE;
    const auto* text = reinterpret_cast<const std::string*>(message.LParam);
    if (!text) return;
    if (ComponentState().Contains(csLoading)) {
        m_readText = *text;
        return;
    }
    const int index = Items()->IndexOf(*text);
    if (m_edit) {
        SetEditText(*text);
        m_itemIndex = index;
    } else {
        ChangeItemIndex(index);
    }
    Invalidate();
}

void TCustomComboBox::WMMouseWheel(TMessage& message)
{
    message.Result = 0;
    if (m_dropped) {
        m_list->Perform(WM_MOUSEWHEEL, message.WParam, message.LParam);
        return;
    }
    m_wheelRest += GET_WHEEL_DELTA_WPARAM(message.WParam);
    const int notches = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= notches * WHEEL_DELTA;
    if (notches == 0 || Items()->Count() == 0) return;
    SelectByUser(std::clamp(m_itemIndex - notches, 0, Items()->Count() - 1));
}

void TCustomComboBox::WMFocusChanged(TMessage& message)
{
    const TComponentWatch watch(this);
    TCustomControl::Dispatch(message);
    if (!watch.Alive()) return;
    // The edit field takes the focus that comes to the combo box.
    if (message.Msg == WM_SETFOCUS && m_edit && m_edit->CanFocus()) {
        m_edit->SetFocus();
        return;
    }
    if (message.Msg == WM_KILLFOCUS) {
        FocusLeft(reinterpret_cast<HWND>(message.WParam));
        if (!watch.Alive()) return;
    }
    Invalidate();
}

// The focus going into the edit field is no reason to close; leaving the
// control altogether (also to another program: next is nullptr) is.
void TCustomComboBox::FocusLeft(HWND next)
{
    if (!next || (next != WindowHandle() && !IsChild(WindowHandle(), next))) CloseList(TDropEnd::Cancel);
}

// Keys of the edit field reach the combo box first: it takes those of the list.
void TCustomComboBox::CMChildKey(TMessage& message)
{
    if (m_edit && reinterpret_cast<TWinControl*>(message.LParam) == m_edit) {
        const TShiftState shift = GetKeyState(VK_MENU) < 0 ? TShiftState{ssAlt} : TShiftState{};
        if (m_dropped ? DroppedKey(WORD(message.WParam), shift) : ClosedKey(WORD(message.WParam), shift)) {
            message.Result = 1;
            return;
        }
    }
    TCustomControl::Dispatch(message);
}

// Modes ending and the focus leaving close the list unchanged.
void TCustomComboBox::CMCancelList(TMessage& message)
{
    const TComponentWatch watch(this);
    CloseList(TDropEnd::Cancel);
    if (watch.Alive()) TCustomControl::Dispatch(message);
}

void TCustomComboBox::CMLookChanged(TMessage& message)
{
    const TComponentWatch watch(this);
    if (message.Msg == CM_ENABLEDCHANGED || message.Msg == CM_VISIBLECHANGED) CloseList(TDropEnd::Cancel);
    if (!watch.Alive()) return;
    if (message.Msg == CM_FONTCHANGED) m_list->SetFont(Font());
    if (message.Msg == CM_COLORCHANGED) m_list->SetColor(Color());
    TCustomControl::Dispatch(message);
}

void TCustomComboBox::CBGetComboBoxInfo(TMessage& message)
{
    auto* info = reinterpret_cast<COMBOBOXINFO*>(message.LParam);
    if (!info) return;
    const TComboBoxLayout layout = Layout();
    info->rcItem = layout.Item;
    info->rcButton = layout.Button;
    info->stateButton = m_buttonPressed ? DWORD(STATE_SYSTEM_PRESSED) : 0u;
    info->hwndCombo = Handle();
    info->hwndItem = m_edit ? m_edit->Handle() : Handle();
    info->hwndList = m_list->Handle();
    message.Result = TRUE;
}

void TCustomComboBox::CBShowDropDown(TMessage& message)
{
    SetDroppedDown(message.WParam != 0);
    message.Result = TRUE;
}
