#include "skin/frame/SUITitleBar.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/base/SizeConstraints.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"
#include "skin/frame/SUIForm.h"
#include "skin/frame/SUITitleBarButtons.h"
#include "skin/frame/SUITitleBarPopupMenu.h"
#include "skin/frame/SUITitleBarSections.h"

using namespace SuiThemeId;

QZ_IMPLEMENT_CLASS(TsuiTitleBar);

void TsuiTitleBar::Publish(TClassBuilder<TsuiTitleBar>& c)
{
    c.Creatable<TComponent>();
    c.Reference("FileTheme", &TsuiTitleBar::FileTheme, &TsuiTitleBar::SetFileTheme);
    c.Property("UIStyle", &TsuiTitleBar::UIStyle, &TsuiTitleBar::SetUIStyle);
    c.Property("AutoSize", &TsuiTitleBar::AutoSize, &TsuiTitleBar::SetAutoSize).Default(false);
    c.SubObject("Sections", &TsuiTitleBar::Sections, &TsuiTitleBar::SetSections);
    c.SubObject("Buttons", &TsuiTitleBar::Buttons, &TsuiTitleBar::SetButtons);
    c.Property("ButtonInterval", &TsuiTitleBar::ButtonInterval, &TsuiTitleBar::SetButtonInterval);
    c.Property("Caption", &TsuiTitleBar::Caption, &TsuiTitleBar::SetCaption);
    c.SubObject("Font", &TControl::Font, &TControl::SetFont);
    c.Property("FormActive", &TsuiTitleBar::FormActive, &TsuiTitleBar::SetActive);
    c.Property("LeftBtnXOffset", &TsuiTitleBar::LeftBtnXOffset, &TsuiTitleBar::SetLeftBtnXOffset);
    c.Property("RightBtnXOffset", &TsuiTitleBar::RightBtnXOffset, &TsuiTitleBar::SetRightBtnXOffset);
    c.Property("DrawAppIcon", &TsuiTitleBar::DrawAppIcon, &TsuiTitleBar::SetDrawAppIcon);
    c.Property("RoundCorner", &TsuiTitleBar::RoundCorner, &TsuiTitleBar::SetRoundCorner);
    c.Property("OnCustomBtnsClick", &TsuiTitleBar::OnCustomBtnsClick);
    c.Property("OnHelpBtnClick", &TsuiTitleBar::OnHelpBtnClick);
    PublishMouseEvents(c);
}

TsuiTitleBar::TsuiTitleBar(TComponent* owner) : TCustomPanel(owner)
{
    SetControlStyle(ControlStyle().Exclude(csAcceptsControls).Include(csOpaque));
    SetBevelOuter(bvNone);
    m_popupMenu = new TsuiTitleBarPopupMenu(this);
    m_popupMenu->SetTitleBar(this);
    m_sections = std::make_unique<TsuiTitleBarSections>(this);
    m_buttons = std::make_unique<TsuiTitleBarButtons>(this);
    for (const TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMax, suiMin}) {
        m_buttons->Add()->SetButtonType(type);
    }
    SetAlign(alTop);
    Font()->SetColor(clWhite);
    Font()->SetName("Tahoma");
    Font()->SetStyle({fsBold});
    SetParentFont(false);
    auto* form = dynamic_cast<TCustomForm*>(owner);
    SetUIStyle(form ? GetSUIFormStyle(form) : DeepBlue);
}

TsuiTitleBar::~TsuiTitleBar()
{
    m_buttons.reset();
    m_sections.reset();
}

// --- style --------------------------------------------------------------------------

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* fileTheme)
{
    if (m_fileTheme) RemoveFreeNotification(m_fileTheme);
    m_fileTheme = fileTheme;
    if (m_fileTheme) FreeNotification(m_fileTheme);
    m_settingFileTheme = true;
    SetUIStyle(m_uiStyle);
    m_settingFileTheme = false;
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    const TThemeReader theme(m_fileTheme, style);
    m_sections->BeginUpdate();
    m_sections->Clear();
    ApplyTheme(theme);
    m_sections->EndUpdate();
    for (int i = 0; i < m_buttons->Count(); ++i) m_buttons->Items(i)->SetUIStyle(theme.Style());
    m_popupMenu->SetUIStyle(theme.Style());
    m_popupMenu->SetFileTheme(m_fileTheme);
    if (InForm()) SetFormRoundCorner(m_roundCorner);
    if (!m_settingFileTheme) Font()->SetColor(m_uiStyle == MacOS ? clBlack : clWhite);
    SetAutoSize(true);
    Repaint();
}

void TsuiTitleBar::ApplyTheme(const TThemeReader& theme)
{
    TsuiTitleBarSection* left = m_sections->Add();
    theme.Bitmap(TitleBarLeftImage, left->Picture()->Bitmap());
    left->SetAutoSize(true);
    TsuiTitleBarSection* right = m_sections->Add();
    theme.Bitmap(TitleBarRightImage, right->Picture()->Bitmap());
    right->SetAutoSize(true);
    right->SetAlign(suiRight);
    TsuiTitleBarSection* client = m_sections->Add();
    theme.Bitmap(TitleBarClientImage, client->Picture()->Bitmap());
    client->SetAlign(suiClient);

    SetLeftBtnXOffset(theme.Int(TitleBarButtonLeftOffsetInt));
    SetRightBtnXOffset(theme.Int(TitleBarButtonRightOffsetInt));
    m_borderColor = theme.Color(FormBorderColor);
    TBitmap strip;
    theme.Bitmap(TitleBarButtonImage, &strip);
    m_buttonRowHeight = strip.Height();
    m_buttonRowTop = theme.Int(TitleBarButtonTopInt);
    if (TCustomForm* form = ParentForm()) form->Constraints()->SetMinWidth(theme.Int(FormMinWidthInt));
    m_roundCorner = theme.Int(FormRoundCornerInt);
}

void TsuiTitleBar::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_sections->Count() == 0) {
        m_autoSize = false;
        return;
    }
    SetHeight(m_sections->Items(0)->Picture()->Height());
}

void TsuiTitleBar::Notification(TComponent* component, TOperation operation)
{
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_popupMenu) m_popupMenu = nullptr;
    for (int i = 0; m_buttons && i < m_buttons->Count(); ++i) {
        TsuiTitleBarButton* button = m_buttons->Items(i);
        if (button->ControlBoxMenu() == component) button->SetControlBoxMenu(nullptr);
    }
    if (component == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TsuiTitleBar::WatchMenu(TPopupMenu* menu)
{
    FreeNotification(menu);
}

// --- plain properties ---------------------------------------------------------------

void TsuiTitleBar::SetSections(TsuiTitleBarSections* sections)
{
    if (sections) m_sections->Assign(*sections);
}

void TsuiTitleBar::SetButtons(TsuiTitleBarButtons* buttons)
{
    if (buttons) m_buttons->Assign(*buttons);
}

void TsuiTitleBar::SetButtonInterval(int interval)
{
    m_buttonInterval = interval;
    Repaint();
}

void TsuiTitleBar::SetCaption(const std::string& caption)
{
    m_caption = caption;
    Repaint();
}

void TsuiTitleBar::SetActive(bool active)
{
    m_formActive = active;
    Repaint();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset)
{
    m_leftBtnXOffset = offset;
    Repaint();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset)
{
    m_rightBtnXOffset = offset;
    Repaint();
}

void TsuiTitleBar::SetDrawAppIcon(bool drawAppIcon)
{
    m_drawAppIcon = drawAppIcon;
    Repaint();
}

void TsuiTitleBar::SetRoundCorner(int radius)
{
    m_roundCorner = radius;
    if (InForm()) SetFormRoundCorner(radius);
}

// --- the form -----------------------------------------------------------------------

TCustomForm* TsuiTitleBar::ParentForm() const
{
    return Parent() ? GetParentForm(Parent()) : nullptr;
}

bool TsuiTitleBar::InForm() const
{
    return dynamic_cast<const TsuiForm*>(Parent()) != nullptr;
}

bool TsuiTitleBar::FormMaximized() const
{
    const TCustomForm* form = ParentForm();
    return form && form->WindowState() == wsMaximized;
}

void TsuiTitleBar::SetFormRoundCorner(int radius)
{
    TCustomForm* form = ParentForm();
    // A form without a window gets its region when the window is made.
    if (!form || !form->HandleAllocated()) return;
    if (ComponentState().Contains(csDesigning)) {
        SetWindowRgn(form->WindowHandle(), nullptr, true);
        return;
    }
    const TRect c = form->ClientRect();
    const HRGN region = CreateRoundRectRgn(c.Left, c.Top, c.Right + 1, c.Bottom + 1, radius, radius);
    const HRGN bottomLeft = CreateRectRgn(c.Left, c.Bottom - 2 * radius, c.Left + 2 * radius, c.Bottom);
    const HRGN bottomRight = CreateRectRgn(c.Right - 2 * radius, c.Bottom - 2 * radius, c.Right, c.Bottom);
    CombineRgn(region, region, bottomLeft, RGN_OR);
    CombineRgn(region, region, bottomRight, RGN_OR);
    DeleteObject(bottomLeft);
    DeleteObject(bottomRight);
    SetWindowRgn(form->WindowHandle(), region, true);
}

void TsuiTitleBar::OnFormReSize()
{
    if (InForm()) SetFormRoundCorner(m_roundCorner);
}

void TsuiTitleBar::ProcessMaxBtn()
{
    for (int i = 0; i < m_buttons->Count(); ++i) m_buttons->Items(i)->ProcessMaxBtn();
    Repaint();
}

TTitleBarLayout TsuiTitleBar::Layout() const
{
    std::vector<TTitleSectionPiece> sections;
    for (int i = 0; i < m_sections->Count(); ++i) {
        const TsuiTitleBarSection* section = m_sections->Items(i);
        sections.push_back({section->Align(), section->Width()});
    }
    std::vector<TTitleButtonPiece> buttons;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        const TsuiTitleBarButton* button = m_buttons->Items(i);
        const TPicture* picture = button->PicNormal();
        buttons.push_back({button->ButtonType(), button->Visible(), {picture->Width(), picture->Height()}, button->Top()});
    }
    return LayoutTitleBar({Width(), Height()}, sections, buttons,
                          {m_leftBtnXOffset, m_rightBtnXOffset, m_buttonInterval, m_drawAppIcon});
}
