// TsuiTitleBar's mouse handling, hit tests and the non-client messages it
// hands to its form.

#include "skin/frame/SUITitleBar.h"

#include "platform/ui/forms/CustomForm.h"
#include "platform/win/WinApi.h"
#include "skin/frame/SUIForm.h"
#include "skin/frame/SUIFrameHitTest.h"
#include "skin/frame/SUITitleBarButtons.h"
#include "skin/frame/SUITitleBarPopupMenu.h"

TPoint TsuiTitleBar::CursorInBar() const
{
    POINT screen;
    GetCursorPos(screen);
    return ScreenToClient(screen);
}

void TsuiTitleBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; break;
    case CM_FONTCHANGED: TCustomPanel::Dispatch(message); Repaint(); break;
    case WM_NCHITTEST: WMNCHitTest(message); break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE: ForwardToForm(message); break;
    case CM_MOUSELEAVE: MouseOut(message); break;
    default: TCustomPanel::Dispatch(message); break;
    }
}

void TsuiTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    m_mouseDown = true;
    m_hotIndex = Layout().ButtonAt(CursorInBar());
    Repaint();
    TCustomForm* form = ParentForm();
    if (m_hotIndex != -1 || !form || FormMaximized()) return;
    // The platform moves the form with the mouse until the button comes up.
    SetMouseCapture(false);
    SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    m_mouseDown = false;
}

void TsuiTitleBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomPanel::MouseMove(shift, x, y);
    Repaint();
}

void TsuiTitleBar::MouseOut(TMessage& message)
{
    TCustomPanel::Dispatch(message);
    Repaint();
}

void TsuiTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomPanel::MouseUp(button, shift, x, y);
    if (button != mbLeft) return;
    const TComponentWatch watch(this);
    if (m_hotIndex != -1) ClickButton(m_hotIndex);
    if (!watch.Alive()) return;
    m_mouseDown = false;
    Repaint();
}

void TsuiTitleBar::ClickButton(int index)
{
    TsuiTitleBarButton* button = m_buttons->Items(index);
    if (button->ButtonType() == suiControlBox && !button->ControlBoxMenu()) {
        const TPoint at = ClientToScreen({0, Height()});
        if (m_popupMenu) m_popupMenu->Popup(at.X, at.Y);
        return;
    }
    const TsuiTitleBarBtnType type = button->ButtonType();
    const TComponentWatch watch(this);
    button->DoClick();
    if (!watch.Alive()) return;
    if (OnCustomBtnsClick && type == suiCustom) {
        OnCustomBtnsClick(this, index);
    } else if (OnHelpBtnClick && type == suiHelp) {
        OnHelpBtnClick(this, index);
    }
}

void TsuiTitleBar::DblClick()
{
    const TComponentWatch watch(this);
    TCustomPanel::DblClick();
    if (!watch.Alive()) return;
    if (m_hotIndex == -1) {
        for (int i = 0; i < m_buttons->Count(); ++i) {
            if (m_buttons->Items(i)->ButtonType() != suiMax) continue;
            m_buttons->Items(i)->DoClick();
            break;
        }
        return;
    }
    if (m_buttons->Items(m_hotIndex)->ButtonType() == suiControlBox) {
        if (TCustomForm* form = ParentForm()) form->Close();
    }
}

// --- non-client messages ------------------------------------------------------------

void TsuiTitleBar::WMNCHitTest(TMessage& message)
{
    TCustomPanel::Dispatch(message);
    const TCustomForm* form = ParentForm();
    if (!form || FormMaximized()) return;
    const auto* skinnedForm = dynamic_cast<const TsuiForm*>(Parent());
    if (!skinnedForm || skinnedForm->GetFormBorderStyle() != bsSizeable) return;
    const TPoint p = ScreenToClient(LParamToPoint(message.LParam));
    message.Result = TitleBarEdgeHitTest(p, form->ClientWidth(), int(message.Result));
}

void TsuiTitleBar::ForwardToForm(TMessage& message)
{
    TCustomForm* form = ParentForm();
    if (!form) {
        TCustomPanel::Dispatch(message);
        return;
    }
    message.Result = SendMessage(form->Handle(), message.Msg, message.WParam, message.LParam);
}
