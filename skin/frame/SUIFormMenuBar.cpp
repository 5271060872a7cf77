// TsuiForm's menu bar: a flat tool bar below the title bar with one button
// per top-level menu item, each dropping its item's submenu down, painted
// in the menu colours of the style.

#include "skin/frame/SUIForm.h"

#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/menus/MainMenu.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"
#include "platform/win/Gdi.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"
#include "skin/frame/SUITitleBar.h"

#include <utility>

using namespace SuiThemeId;

namespace {

constexpr int kSelectedShift = 2;     // px a selected button's caption moves right
constexpr int kHotDrop = 2;           // px a highlighted caption moves down
constexpr int kMacOSCaptionGrow = 2;  // px the MacOS caption box is taller than the button

void DrawCentredCaption(TCanvas& canvas, const std::string& caption, TRect box, TColor color)
{
    canvas.Font()->SetColor(color);
    canvas.Brush()->SetStyle(bsClear);
    RECT rect = box;
    DrawText(canvas.Handle(), caption, -1, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

void TsuiForm::SetMenu(TMainMenu* menu)
{
    if (m_menu) RemoveFreeNotification(m_menu);
    m_menu = menu;
    if (m_menu) FreeNotification(m_menu);
    if (!m_menu) {
        DestroyMenuBar();
        return;
    }
    CreateMenuBar();
    UpdateMenu();
}

void TsuiForm::SetMenuBarColor(TColor color)
{
    m_menuBarColor = color;
    if (m_menuBar) m_menuBar->SetColor(color);
}

void TsuiForm::SetMenuBarHeight(int height)
{
    m_menuBarHeight = height;
    if (!m_menuBar) return;
    m_menuBar->SetHeight(height);
    m_menuBar->SetButtonHeight(height);
}

void TsuiForm::CreateMenuBar()
{
    if (m_menuBar || (m_form && m_form->FormStyle() == fsMDIChild)) return;
    m_menuBar = new TToolBar(this);
    m_menuBar->SetParent(this);
    m_menuBar->SetFlat(true);
    m_menuBar->SetEdgeBorders({});
    m_menuBar->SetShowCaptions(true);
    m_menuBar->SetHeight(m_menuBarHeight);
    m_menuBar->SetButtonHeight(m_menuBarHeight);
    m_menuBar->SetColor(m_menuBarColor);
    m_menuBar->OnCustomDrawButton = [this](TToolBar* sender, TToolButton* button, TCustomDrawState state,
                                           bool& defaultDraw) { DrawButton(sender, button, state, defaultDraw); };
    m_menuBar->OnCustomDraw = [this](TToolBar* sender, TRect rect, bool& defaultDraw) {
        DrawMenuBar(sender, rect, defaultDraw);
    };
    if (m_titleBar) m_titleBar->SetTop(0);
}

void TsuiForm::DestroyMenuBar()
{
    if (m_form && m_form->FormStyle() == fsMDIChild) return;
    delete std::exchange(m_menuBar, nullptr);
    if (m_menu) RemoveFreeNotification(m_menu);
    m_menu = nullptr;
}

void TsuiForm::UpdateMenu()
{
    if (!m_menuBar) return;
    if (!m_menu) {
        DestroyMenuBar();
        return;
    }
    while (m_menuBar->ButtonCount() > 0) delete m_menuBar->Buttons(m_menuBar->ButtonCount() - 1);
    TMenuItem* root = m_menu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        auto* button = new TToolButton(this);
        button->SetGrouped(true);
        button->SetMenuItem(root->Items(i));
        button->SetParent(m_menuBar);
    }
}

void TsuiForm::UpdateTopMenu()
{
    if (!m_menuBar) return;
    for (int i = 0; i < m_menuBar->ButtonCount(); ++i) {
        TToolButton* button = m_menuBar->Buttons(i);
        if (const TMenuItem* item = button->MenuItem()) {
            button->TControl::SetCaption(item->Caption());
            button->SetEnabled(item->Enabled());
        }
    }
}

void TsuiForm::RepaintMenuBar()
{
    if (m_menuBar) m_menuBar->Repaint();
}

TsuiUIStyle TsuiForm::MenuStyle() const
{
    return m_uiStyle;
}

void TsuiForm::DrawMenuBar(TToolBar* sender, TRect rect, bool& defaultDraw)
{
    if (MenuStyle() != MacOS) return;
    TBitmap picture;
    picture.LoadFromResourceName(nullptr, "MACOS_MENU_BAR");
    sender->Canvas()->StretchDraw(rect, &picture);
    defaultDraw = false;
}

void TsuiForm::DrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw)
{
    const bool selected = state.Contains(cdsSelected);
    if (!selected && !state.Contains(cdsHot)) return;
    defaultDraw = false;
    const TThemeReader theme(m_fileTheme, MenuStyle());
    TCanvas& canvas = *sender->Canvas();
    canvas.SetFont(sender->Font());
    const std::string caption = button->Caption();
    TRect box = button->BoundsRect();
    if (MenuStyle() == MacOS) {
        TBitmap face(box.Width(), box.Height());
        TBitmap picture;
        picture.LoadFromResourceName(nullptr, "MACOS_MENU_SELECT");
        face.Canvas()->StretchDraw({0, 0, box.Width(), box.Height()}, &picture);
        face.Canvas()->SetFont(sender->Font());
        DrawCentredCaption(*face.Canvas(), caption, {0, 0, box.Width(), box.Height() + kMacOSCaptionGrow},
                           theme.Color(MenuSelectedFontColor));
        canvas.Draw(box.Left, box.Top, &face);
        return;
    }
    if (selected) box.Right -= kSelectedShift;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(theme.Color(MenuSelectedBackgroundColor));
    canvas.FillRect(box);
    canvas.Brush()->SetColor(theme.Color(MenuSelectedBorderColor));
    canvas.FrameRect(box);
    box = box.Offset(selected ? kSelectedShift : 0, kHotDrop);
    DrawCentredCaption(canvas, caption, box, theme.Color(MenuSelectedFontColor));
}
