#include "skin/frame/SUIForm.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/PropertyAccess.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/base/SizeConstraints.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/ui/menus/MainMenu.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"
#include "skin/core/ThemeUse.h"
#include "skin/frame/SUIRefusal.h"
#include "skin/frame/SUITitleBar.h"
#include "skin/frame/SUITitleBarButtons.h"
#include "skin/frame/SUITitleBarSections.h"

#include <utility>

using namespace SuiThemeId;

namespace {

constexpr const char* kPanelText = " ";

// The tiled background picture of a style, or nullptr for a plain colour.
const char* BackgroundTile(TsuiUIStyle style)
{
    switch (style) {
    case MacOS: return "MACOS_FORM_BACKGROUND";
    case Protein: return "PROTEIN_FORM_BACKGROUND";
    default: return nullptr;
    }
}

bool HoldsSkinnedForm(const TCustomForm& form)
{
    for (int i = 0; i < form.ControlCount(); ++i) {
        if (dynamic_cast<const TsuiForm*>(form.Controls(i))) return true;
    }
    return false;
}

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiForm);

void TsuiForm::Publish(TClassBuilder<TsuiForm>& c)
{
    c.Creatable<TComponent>();
    c.Reference("FileTheme", &TsuiForm::FileTheme, &TsuiForm::SetFileTheme);
    c.Property("UIStyle", &TsuiForm::UIStyle, &TsuiForm::SetUIStyle);
    c.Property("UIStyleAutoUpdateSub", &TsuiForm::UIStyleAutoUpdateSub, &TsuiForm::SetUIStyleAutoUpdateSub);
    c.Color("BorderColor", &TsuiForm::BorderColor, &TsuiForm::SetBorderColor);
    c.Property("BorderWidth", &TsuiForm::BorderWidth, &TsuiForm::SetBorderWidth);
    c.Property("TitleBarVisible", &TsuiForm::TitleBarVisible, &TsuiForm::SetTitleBarVisible).Default(true);
    c.Color("Color", &TControl::Color, &TControl::SetColor).Default(clBtnFace);
    c.Property("Caption", &TsuiForm::Caption, &TsuiForm::SetCaption);
    c.Reference("FormPanel", &TsuiForm::FormPanel, &TsuiForm::SetPanel);
    c.SubObject("TitleBarButtons", &TsuiForm::TitleBarButtons, &TsuiForm::SetTitleBarButtons);
    c.SubObject("TitleBarSections", &TsuiForm::TitleBarSections, &TsuiForm::SetTitleBarSections);
    c.Property("TitleBarDrawAppIcon", &TsuiForm::TitleBarDrawAppIcon, &TsuiForm::SetTitleBarDrawAppIcon);
    c.SubObject("Font", &TsuiForm::TitleFont, &TsuiForm::SetTitleFont);
    c.Reference("Menu", &TsuiForm::Menu, &TsuiForm::SetMenu);
    c.Color("MenuBarColor", &TsuiForm::MenuBarColor, &TsuiForm::SetMenuBarColor);
    c.Property("MenuBarHeight", &TsuiForm::MenuBarHeight, &TsuiForm::SetMenuBarHeight);
    c.Property("Height", &TControl::Height, &TsuiForm::SetFormHeight);
    c.Property("Width", &TControl::Width, &TsuiForm::SetFormWidth);
    c.Property("RoundCorner", &TsuiForm::RoundCorner, &TsuiForm::SetRoundCorner);
    c.Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    c.Property("OnTitleBarCustomBtnsClick", &TsuiForm::TitleBarCustomBtnsClick,
               &TsuiForm::SetTitleBarCustomBtnsClick);
    c.Property("OnTitleBarHelpBtnClick", &TsuiForm::TitleBarHelpBtnClick, &TsuiForm::SetTitleBarHelpBtnClick);
    c.Property("OnMouseDown", &TControl::OnMouseDown);
    c.Property("OnClick", &TControl::OnClick);
    c.Property("OnMouseUp", &TControl::OnMouseUp);
}

TsuiForm::TsuiForm(TComponent* owner) : TCustomPanel(owner)
{
    auto* form = dynamic_cast<TCustomForm*>(owner);
    if (!form) return;
    // Checked before anything changes, so that the first skinned form keeps working.
    if (HoldsSkinnedForm(*form)) throw Exception("Sorry, You can create only one TsuiForm component in one form!");
    m_form = form;
    const bool designing = ComponentState().Contains(csDesigning);
    if (!designing) {
        m_form->Constraints()->SetMinHeight(kMinFormHeight);
        m_form->Constraints()->SetMinWidth(kMinFormWidth);
    }
    m_normalBounds = m_form->BoundsRect();
    m_startMaximized = m_form->WindowState() == wsMaximized;
    m_titleBar = new TsuiTitleBar(this);
    m_titleBar->SetParent(this);
    m_menuBarColor = Color();
    m_formBorderStyle = m_form->BorderStyle();
    // Start at the place the border of the first style gives, so that the
    // style application keeps the form's size.
    m_borderWidth = TThemeReader(nullptr, DeepBlue).Int(FormBorderWidthInt);
    SetBounds(m_borderWidth, 0, m_form->ClientWidth() - 2 * m_borderWidth, m_form->ClientHeight() - m_borderWidth);
    SetUIStyle(DeepBlue);
    m_uiStyleAutoUpdateSub = false;
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetBorderStyle(bsNone);
    SetAlign(alNone);
    SetCaption(m_form->Caption());
    SetTitleBarVisible(true);
    TControl::SetCaption(kPanelText);
    m_form->SetScaled(false);
    if (designing) return;
    if (m_form->FormStyle() != fsMDIChild && m_form->FormStyle() != fsMDIForm) m_form->SetBorderStyle(bsNone);
    m_form->SetAutoScroll(false);
    SubclassForm();
    if (!Application->OnMessage) {
        m_hookedApplication = Application;
        Application->OnMessage = [this](MSG& msg, bool& handled) { OnApplicationMessage(msg, handled); };
    }
}

TsuiForm::~TsuiForm()
{
    if (m_hookedApplication) m_hookedApplication->OnMessage = nullptr;
    ReleaseForm();
    delete std::exchange(m_menuBar, nullptr);
    delete std::exchange(m_titleBar, nullptr);
}

// --- style -------------------------------------------------------------------------

void TsuiForm::SetFileTheme(TsuiFileTheme* fileTheme)
{
    if (fileTheme == m_fileTheme) return;
    if (m_fileTheme) RemoveFreeNotification(m_fileTheme);
    m_fileTheme = fileTheme;
    if (m_fileTheme) FreeNotification(m_fileTheme);
    SetUIStyle(m_uiStyle);
}

void TsuiForm::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    const TThemeReader theme(m_fileTheme, style);
    SetBorderColor(theme.Color(FormBorderColor));
    SetBorderWidth(theme.Int(FormBorderWidthInt));
    SetColor(theme.Color(FormBackgroundColor));
    SetMenuBarColor(Color());
    m_titleBar->SetFileTheme(m_fileTheme);
    m_titleBar->SetUIStyle(style);
    if (m_menu && IsPublishedProp(*m_menu, "UIStyle") && IsPublishedProp(*m_menu, "FileTheme")) {
        SetObjectProp(*m_menu, "FileTheme", m_fileTheme);
        SetOrdProp(*m_menu, "UIStyle", style);
    }
    if (m_uiStyleAutoUpdateSub) ContainerApplyUIStyle(this, style, m_fileTheme);
    AlignSelf();
    Repaint();
    PaintFormBorder();
}

void TsuiForm::SetBorderColor(TColor color)
{
    m_borderColor = color;
    AlignSelf();
    PaintFormBorder();
}

void TsuiForm::SetBorderWidth(int width)
{
    // Both sizes are taken first: sizing the form for the width re-aligns
    // the skinned form, which would otherwise lose the new border's height.
    const TSize size{Width(), Height()};
    m_borderWidth = width;
    SetFormWidth(size.cx);
    SetFormHeight(size.cy);
    PaintFormBorder();
}

void TsuiForm::Notification(TComponent* component, TOperation operation)
{
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_titleBar) m_titleBar = nullptr;
    if (component == static_cast<TComponent*>(m_menuBar)) m_menuBar = nullptr;
    if (component == m_formPanel) m_formPanel = nullptr;
    if (component == m_menu) DestroyMenuBar();
    if (component == m_fileTheme && m_titleBar) {
        m_fileTheme = nullptr;
        ContainerApplyUIStyle(this, DeepBlue, nullptr);
        SetUIStyle(DeepBlue);
    }
}

// --- the title bar's properties ----------------------------------------------------

bool TsuiForm::TitleBarVisible() const
{
    return m_titleBar && m_titleBar->Visible();
}

void TsuiForm::SetTitleBarVisible(bool visible)
{
    if (!m_titleBar || visible == m_titleBar->Visible()) return;
    m_titleBar->SetVisible(visible);
    m_titleBar->SetTop(0);
    AlignSelf();
    PaintFormBorder();
}

std::string TsuiForm::Caption() const
{
    return m_titleBar ? m_titleBar->Caption() : std::string();
}

void TsuiForm::SetCaption(const std::string& caption)
{
    if (m_titleBar) m_titleBar->SetCaption(caption);
    if (m_form) m_form->SetCaption(caption);
}

TsuiTitleBarButtons* TsuiForm::TitleBarButtons() const { return m_titleBar->Buttons(); }
void TsuiForm::SetTitleBarButtons(TsuiTitleBarButtons* buttons) { m_titleBar->SetButtons(buttons); }
TsuiTitleBarSections* TsuiForm::TitleBarSections() const { return m_titleBar->Sections(); }
void TsuiForm::SetTitleBarSections(TsuiTitleBarSections* sections) { m_titleBar->SetSections(sections); }
bool TsuiForm::TitleBarDrawAppIcon() const { return m_titleBar->DrawAppIcon(); }
void TsuiForm::SetTitleBarDrawAppIcon(bool drawAppIcon) { m_titleBar->SetDrawAppIcon(drawAppIcon); }
TFont* TsuiForm::TitleFont() const { return m_titleBar->Font(); }
void TsuiForm::SetTitleFont(TFont* font) { m_titleBar->SetFont(font); }
int TsuiForm::RoundCorner() const { return m_titleBar->RoundCorner(); }

void TsuiForm::SetRoundCorner(int radius)
{
    if (m_form && m_form->FormStyle() == fsMDIChild) return;
    m_titleBar->SetRoundCorner(radius);
}

TsuiTitleBarButtonClickEvent TsuiForm::TitleBarCustomBtnsClick() const { return m_titleBar->OnCustomBtnsClick; }
void TsuiForm::SetTitleBarCustomBtnsClick(TsuiTitleBarButtonClickEvent handler)
{
    m_titleBar->OnCustomBtnsClick = std::move(handler);
}
TsuiTitleBarButtonClickEvent TsuiForm::TitleBarHelpBtnClick() const { return m_titleBar->OnHelpBtnClick; }
void TsuiForm::SetTitleBarHelpBtnClick(TsuiTitleBarButtonClickEvent handler)
{
    m_titleBar->OnHelpBtnClick = std::move(handler);
}

int TsuiForm::GetTitleBarHeight() const
{
    return m_titleBar ? m_titleBar->Height() : 0;
}

// --- panel and size -----------------------------------------------------------------

void TsuiForm::SetPanel(TCustomPanel* panel)
{
    if (panel == this) {
        ShowRefusal("Sorry, you can't select the Form assign to FormPanel property");
        return;
    }
    if (m_formPanel) RemoveFreeNotification(m_formPanel);
    m_formPanel = panel;
    if (!panel) return;
    FreeNotification(panel);
    panel->SetAlign(alClient);
    if (auto* plain = dynamic_cast<TPanel*>(panel)) {
        plain->SetBevelOuter(bvNone);
        plain->SetBevelInner(bvNone);
        plain->SetBorderStyle(bsNone);
    }
    if (dynamic_cast<TPanel*>(panel) || panel->ClassName() == std::string("TsuiImagePanel")) {
        panel->TControl::SetCaption("");
    }
}

// The inverse of AlignSelf: the form's client area holds the skinned form,
// the side strips and the bottom strip (and the top one without a title bar).
void TsuiForm::SetFormWidth(int width)
{
    if (!m_form) {
        SetWidth(width);
        return;
    }
    m_form->SetClientWidth(width + 2 * m_borderWidth);
    AlignSelf();
}

void TsuiForm::SetFormHeight(int height)
{
    if (!m_form) {
        SetHeight(height);
        return;
    }
    const int top = TitleBarVisible() ? 0 : m_borderWidth;
    m_form->SetClientHeight(height + m_borderWidth + top);
    AlignSelf();
}

// --- layout and painting --------------------------------------------------------------

void TsuiForm::AlignSelf()
{
    if (!m_form || !m_titleBar) return;
    const int top = TitleBarVisible() ? 0 : m_borderWidth;
    const TRect client = m_form->ClientRect();
    int width = client.Width() - 2 * m_borderWidth;
    int height = client.Height() - m_borderWidth - top;
    if (m_form->FormStyle() == fsMDIChild) {
        constexpr int kMDIChildInset = 3;  // px
        width -= kMDIChildInset;
        height -= kMDIChildInset;
    }
    SetBounds(m_borderWidth, top, width, height);
}

void TsuiForm::PaintFormBorder()
{
    if (!m_form || !m_form->HandleAllocated()) return;
    TCanvas* canvas = m_form->Canvas();
    const TRect client = m_form->ClientRect();
    const int cw = client.Width();
    const int ch = client.Height();
    const int bw = m_borderWidth;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(m_borderColor);
    canvas->Pen()->SetColor(m_borderColor);
    canvas->Pen()->SetWidth(bw);
    canvas->Pen()->SetStyle(psSolid);
    canvas->FillRect({0, 0, bw, ch});
    canvas->FillRect({0, ch - bw, cw, ch});
    canvas->FillRect({cw - bw, 0, cw, ch});
    canvas->MoveTo(0, 0);
    canvas->LineTo(cw, 0);
}

void TsuiForm::Paint()
{
    const TRect client = ClientRect();
    const char* tile = BackgroundTile(m_uiStyle);
    if (!tile) {
        Canvas()->Brush()->SetStyle(bsSolid);
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(client);
        return;
    }
    TPicture picture;
    picture.Bitmap()->LoadFromResourceName(nullptr, tile);
    TBitmap bitmap(client.Width(), client.Height());
    TileDraw(bitmap.Canvas(), &picture, client);
    Canvas()->Draw(0, 0, &bitmap);
}
