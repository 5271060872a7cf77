#include "skin/controls/SUICustomComboBox.h"

#include "platform/core/ClassBuilder.h"
#include "platform/win/WinApi.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"

QZ_IMPLEMENT_CLASS(TsuiCustomComboBox);

void TsuiCustomComboBox::Publish(TClassBuilder<TsuiCustomComboBox>& /*c*/) {}

TsuiCustomComboBox::TsuiCustomComboBox(TComponent* owner) : TCustomComboBox(owner)
{
    SetBorderWidth(0);
    SetUIStyle(GetSUIFormStyle(owner));
}

void TsuiCustomComboBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: WMPaint(message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(message); break;
    default: TCustomComboBox::Dispatch(message); break;
    }
}

void TsuiCustomComboBox::WMPaint(TMessage& message)
{
    TCustomComboBox::Dispatch(message);
    if (!IsWin95()) m_look.DrawButton(reinterpret_cast<HDC>(message.WParam));
}

void TsuiCustomComboBox::WMEraseBkgnd(TMessage& message)
{
    TCustomComboBox::Dispatch(message);
    if (!IsWin95()) m_look.DrawButton(reinterpret_cast<HDC>(message.WParam));
}

// The arrow looks engraved while disabled.
void TsuiCustomComboBox::CMEnabledChanged(TMessage& message)
{
    TCustomComboBox::Dispatch(message);
    Invalidate();
}

void TsuiCustomComboBox::Notification(TComponent* component, TOperation operation)
{
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove) m_look.ComponentRemoved(component);
}
