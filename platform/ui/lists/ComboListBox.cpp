#include "platform/ui/lists/ComboListBox.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/win/WinApi.h"

namespace {

TShiftState KeyShiftState(LPARAM keyData)
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    if (keyData & KF_ALTDOWN_BIT) shift.Include(ssAlt);
    return shift;
}

}  // namespace

QZ_IMPLEMENT_CLASS(TComboListBox);

void TComboListBox::Publish(TClassBuilder<TComboListBox>& /*c*/) {}

TComboListBox::TComboListBox(TCustomComboBox& combo) : TCustomListBox(nullptr), m_combo(combo)
{
    // The capture is the combo box's business, and every press counts as a press.
    SetControlStyle({csOpaque});
    SetBorderStyle(bsNone);
    SetTabStop(false);
}

void TComboListBox::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    if (Simple()) return;
    params.Style = WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WndParent = m_combo.ListOwner();
}

void TComboListBox::ItemsChanged()
{
    TCustomListBox::ItemsChanged();
    m_combo.ListItemsChanged();
}

int TComboListBox::ItemHeightOf(int index) const
{
    return m_combo.ListItemHeight(index);
}

void TComboListBox::DrawItem(int index, const TRect& rect)
{
    m_combo.DrawListItem(*Canvas(), index, rect, index == ItemIndex());
}

void TComboListBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_CAPTURECHANGED: WMCaptureChanged(message); break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(message); break;
    case CN_CHAR: CNChar(message); break;
    default: TCustomListBox::Dispatch(message); break;
    }
}

// Someone else took the capture: the list closes.
void TComboListBox::WMCaptureChanged(TMessage& message)
{
    const HWND taker = reinterpret_cast<HWND>(message.LParam);
    if (!m_trackingBar && taker != WindowHandle()) m_combo.CloseList(TCustomComboBox::TDropEnd::Cancel);
}

void TComboListBox::CNKeyDown(TMessage& message)
{
    const WORD key = WORD(message.WParam);
    message.Result = m_combo.DroppedKey(key, KeyShiftState(message.LParam)) ? 1 : 0;
    // Tab picks and then moves the focus as it would have.
    if (message.Result == 0 && key == VK_TAB) {
        if (TWinControl* focused = FindControl(GetFocus())) {
            message.Result = focused->Perform(CN_KEYDOWN, message.WParam, message.LParam);
        }
    }
}

void TComboListBox::CNChar(TMessage& message)
{
    message.Result = m_combo.DroppedChar(char32_t(message.WParam)) ? 1 : 0;
}

void TComboListBox::MouseDown(TMouseButton button, TShiftState /*shift*/, int x, int y)
{
    if (button != mbLeft) return;
    if (Simple()) {
        const TComponentWatch watch(&m_combo);
        if (m_combo.m_edit && m_combo.m_edit->CanFocus()) m_combo.m_edit->SetFocus();
        if (watch.Alive()) m_combo.SelectByUser(ItemAtPos({x, y}));
        return;
    }
    const TPoint screen = ClientToScreen({x, y});
    const LRESULT hit = SendMessage(WindowHandle(), WM_NCHITTEST, 0, PointToLParam(screen));
    if (hit == HTVSCROLL) {
        TrackScrollBar(screen);
    } else if (hit == HTCLIENT) {
        ChangeSelection(ItemAtPos({x, y}));
    } else if (hit == HTNOWHERE || hit == HTERROR) {
        // Outside the list (on the combo box's button too): it closes unchanged.
        m_combo.CloseList(TCustomComboBox::TDropEnd::Cancel);
    }
}

void TComboListBox::MouseMove(TShiftState shift, int x, int y)
{
    if (Simple()) {
        if (shift.Contains(ssLeft)) m_combo.SelectByUser(ItemAtPos({x, y}));
        return;
    }
    const int index = ItemAtPos({x, y});
    if (index >= 0) ChangeSelection(index);
}

void TComboListBox::MouseUp(TMouseButton button, TShiftState /*shift*/, int x, int y)
{
    if (button != mbLeft || Simple()) return;
    const int index = ItemAtPos({x, y});
    if (index < 0) {
        m_combo.ListButtonReleased();
        return;
    }
    ChangeSelection(index);
    m_combo.CloseList(TCustomComboBox::TDropEnd::Pick);
}

void TComboListBox::TrackScrollBar(TPoint screen)
{
    const HWND hwnd = WindowHandle();
    m_trackingBar = true;
    DefWindowProc(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(screen));
    if (!IsWindow(hwnd)) return;
    m_trackingBar = false;
    if (m_combo.DroppedDown() && GetCapture() != hwnd) SetCapture(hwnd);
}
