#include "skin/frame/SUITitleBarButton.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/win/WinApi.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"
#include "skin/frame/SUIRefusal.h"
#include "skin/frame/SUITitleBar.h"
#include "skin/frame/SUITitleBarButtons.h"

using namespace SuiThemeId;

QZ_IMPLEMENT_CLASS(TsuiTitleBarButton);

void TsuiTitleBarButton::Publish(TClassBuilder<TsuiTitleBarButton>& c)
{
    c.Property("UIStyle", &TsuiTitleBarButton::UIStyle, &TsuiTitleBarButton::SetUIStyle).Default(DeepBlue);
    c.Property("ButtonType", &TsuiTitleBarButton::ButtonType, &TsuiTitleBarButton::SetButtonType).Default(suiCustom);
    c.Property("Transparent", &TsuiTitleBarButton::Transparent, &TsuiTitleBarButton::SetTransparent).Default(false);
    c.Property("Top", &TsuiTitleBarButton::Top, &TsuiTitleBarButton::SetTop).Default(kDefaultTop);
    c.Reference("ControlBoxMenu", &TsuiTitleBarButton::ControlBoxMenu, &TsuiTitleBarButton::SetControlBoxMenu);
    c.Property("Visible", &TsuiTitleBarButton::Visible, &TsuiTitleBarButton::SetVisible).Default(true);
    c.SubObject("PicNormal", &TsuiTitleBarButton::PicNormal, &TsuiTitleBarButton::SetPicNormal);
    c.SubObject("PicMouseOn", &TsuiTitleBarButton::PicMouseOn, &TsuiTitleBarButton::SetPicMouseOn);
    c.SubObject("PicMouseDown", &TsuiTitleBarButton::PicMouseDown, &TsuiTitleBarButton::SetPicMouseDown);
}

int TitleButtonFirstFrame(TsuiTitleBarBtnType type, bool formMaximized)
{
    switch (type) {
    case suiControlBox: return 1;
    case suiHelp: return 4;
    case suiMax: return formMaximized ? 10 : 7;
    case suiMin: return 13;
    case suiClose: return 16;
    case suiCustom: break;
    }
    return 0;
}

void MinimizeForm(TCustomForm& form)
{
    if (&form == Application->MainForm()) {
        SendMessage(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else {
        ShowWindow(form.Handle(), SW_SHOWMINIMIZED);
    }
}

TsuiTitleBarButton::TsuiTitleBarButton()
    : m_picNormal(std::make_unique<TPicture>()),
      m_picMouseOn(std::make_unique<TPicture>()),
      m_picMouseDown(std::make_unique<TPicture>())
{
    SetUIStyle(DeepBlue);
}

TsuiTitleBarButton::~TsuiTitleBarButton() = default;

void TsuiTitleBarButton::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TsuiTitleBarButton*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetVisible(other->m_visible);
    SetButtonType(other->m_buttonType);
    SetTransparent(other->m_transparent);
    SetTop(other->m_top);
    SetUIStyle(other->m_uiStyle);
    m_picNormal->Assign(*other->m_picNormal);
    m_picMouseOn->Assign(*other->m_picMouseOn);
    m_picMouseDown->Assign(*other->m_picMouseDown);
    SetControlBoxMenu(other->m_controlBoxMenu);
}

TsuiTitleBar* TsuiTitleBarButton::TitleBar() const
{
    const auto* buttons = dynamic_cast<const TsuiTitleBarButtons*>(Collection());
    return buttons ? buttons->TitleBar() : nullptr;
}

TCustomForm* TsuiTitleBarButton::Form() const
{
    const TsuiTitleBar* bar = TitleBar();
    return bar ? bar->ParentForm() : nullptr;
}

// --- properties ---------------------------------------------------------------

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    UpdateUIStyle();
}

bool TsuiTitleBarButton::CollectionHasControlBox() const
{
    const auto* buttons = dynamic_cast<const TsuiTitleBarButtons*>(Collection());
    return buttons ? buttons->HasType(suiControlBox) : m_buttonType == suiControlBox;
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type)
{
    if (type == suiControlBox && CollectionHasControlBox()) {
        ShowRefusal("Sorry, only one button's ButtonType property can be \"suiControlBox\"");
        return;
    }
    m_buttonType = type;
    UpdateUIStyle();
    Changed(false);
}

void TsuiTitleBarButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    Changed(false);
}

void TsuiTitleBarButton::SetTop(int top)
{
    m_top = top;
    Changed(false);
}

void TsuiTitleBarButton::SetControlBoxMenu(TPopupMenu* menu)
{
    m_controlBoxMenu = menu;
    if (TsuiTitleBar* bar = TitleBar(); bar && menu) bar->WatchMenu(menu);
}

void TsuiTitleBarButton::SetVisible(bool visible)
{
    m_visible = visible;
    Changed(false);
}

void TsuiTitleBarButton::SetPicture(TPicture& field, TPicture* picture)
{
    if (picture) field.Assign(*picture);
    else field.SetGraphic(nullptr);
    Changed(false);
}

void TsuiTitleBarButton::SetPicNormal(TPicture* picture)
{
    SetPicture(*m_picNormal, picture);
}

void TsuiTitleBarButton::SetPicMouseOn(TPicture* picture)
{
    SetPicture(*m_picMouseOn, picture);
}

void TsuiTitleBarButton::SetPicMouseDown(TPicture* picture)
{
    SetPicture(*m_picMouseDown, picture);
}

// --- pictures -------------------------------------------------------------------

void TsuiTitleBarButton::LoadFrames(int firstFrame)
{
    const TsuiTitleBar* bar = TitleBar();
    const TThemeReader theme(bar ? bar->FileTheme() : nullptr, m_uiStyle);
    theme.Bitmap(TitleBarButtonImage, m_picNormal->Bitmap(), kTitleButtonFrameCount, firstFrame);
    theme.Bitmap(TitleBarButtonImage, m_picMouseOn->Bitmap(), kTitleButtonFrameCount, firstFrame + 1);
    theme.Bitmap(TitleBarButtonImage, m_picMouseDown->Bitmap(), kTitleButtonFrameCount, firstFrame + 2);
}

void TsuiTitleBarButton::UpdateUIStyle()
{
    const TsuiTitleBar* bar = TitleBar();
    const TThemeReader theme(bar ? bar->FileTheme() : nullptr, m_uiStyle);
    m_transparent = theme.Bool(TitleBarButtonTransparentBool);
    if (m_buttonType == suiCustom) return;
    LoadFrames(TitleButtonFirstFrame(m_buttonType, false));
    m_top = theme.Int(TitleBarButtonTopInt);
    if (m_buttonType == suiMax) ProcessMaxBtn();
}

void TsuiTitleBarButton::ProcessMaxBtn()
{
    if (m_buttonType != suiMax) return;
    const TCustomForm* form = Form();
    LoadFrames(TitleButtonFirstFrame(suiMax, form && form->WindowState() == wsMaximized));
}

// --- action -------------------------------------------------------------------

void TsuiTitleBarButton::PopupControlBoxMenu()
{
    const TsuiTitleBar* bar = TitleBar();
    if (!m_controlBoxMenu || !bar) return;
    const TPoint at = bar->ClientToScreen({0, bar->Height()});
    m_controlBoxMenu->Popup(at.X, at.Y);
}

void TsuiTitleBarButton::DoClick()
{
    TCustomForm* form = Form();
    if (!form) return;
    switch (m_buttonType) {
    case suiMax:
        form->SetWindowState(form->WindowState() == wsMaximized ? wsNormal : wsMaximized);
        ProcessMaxBtn();
        break;
    case suiMin:
        MinimizeForm(*form);
        break;
    case suiClose:
        form->Close();
        break;
    case suiControlBox:
        PopupControlBoxMenu();
        break;
    case suiHelp:
    case suiCustom:
        break;
    }
}
