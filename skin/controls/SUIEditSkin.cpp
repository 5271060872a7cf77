#include "skin/controls/SUIEditSkin.h"

#include "platform/ui/edit/Edit.h"
#include "platform/ui/edit/MaskEdit.h"
#include "platform/ui/edit/Memo.h"
#include "platform/win/Messages.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

template <class Base>
TsuiEditSkin<Base>::TsuiEditSkin(TComponent* owner) : Base(owner)
{
    TControlStyle style = this->ControlStyle();
    style.Include(csOpaque);
    this->SetControlStyle(style);
    this->SetBorderStyle(bsNone);
    this->SetBorderWidth(kFrameWidth);
    SetUIStyle(GetSUIFormStyle(owner));
}

template <class Base>
void TsuiEditSkin<Base>::SetUIStyle(TsuiUIStyle style)
{
    m_style.SetStyle(style);
    const TThemeReader theme(FileTheme(), style);
    m_borderColor = theme.Color(SuiThemeId::ControlBorderColor);
    StyleResolved(theme.FromFile() ? FromThemeFile : theme.Style());
    this->Invalidate();
}

template <class Base>
void TsuiEditSkin<Base>::SetFileTheme(TsuiFileTheme* fileTheme)
{
    FileThemeChanging(fileTheme);
    m_style.SetFileTheme(fileTheme);
    SetUIStyle(UIStyle());
}

template <class Base>
void TsuiEditSkin<Base>::SetBorderColor(TColor color)
{
    m_borderColor = color;
    this->Invalidate();
}

template <class Base>
void TsuiEditSkin<Base>::Notification(TComponent* component, TOperation operation)
{
    Base::Notification(component, operation);
    if (operation == opRemove && m_style.Removed(component)) SetUIStyle(DeepBlue);
}

template <class Base>
void TsuiEditSkin<Base>::Dispatch(TMessage& message)
{
    Base::Dispatch(message);
    switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND: DrawFrame(); break;
    default: break;
    }
}

template <class Base>
void TsuiEditSkin<Base>::DrawFrame()
{
    if (this->HandleAllocated()) DrawControlBorder(this, m_borderColor, this->Color());
}

template class TsuiEditSkin<TEdit>;
template class TsuiEditSkin<TMemo>;
template class TsuiEditSkin<TMaskEdit>;
