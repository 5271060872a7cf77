#pragma once
// TsuiForm: the skinned frame of a form. Placed on a form, it takes the
// form over: the form becomes borderless and captionless, and the form's
// window procedure is replaced by one that first calls the old one and
// then keeps the skinned form sized to the form (AlignSelf), paints the
// border strips around it, answers resize hit tests for a form that was
// sizeable, keeps a maximised form on the work area, drives the title
// bar's active look and passes keys to the menu. The replacement is put
// back whenever the form's window is made again (a border style change
// re-creates it), together with the window region.
//
// It owns a title bar at its top and, with a Menu, a tool bar below it
// that serves as the menu bar. A form holds at most one skinned form.
//
// The code is split by topic:
//   SUIForm.cpp          construction, properties, style application, layout, painting
//   SUIFormWndProc.cpp   the form's window procedure, hit tests, keys
//   SUIFormMenuBar.cpp   the menu bar

#include "platform/ui/controls/CustomPanel.h"
#include "skin/core/UIStyle.h"
#include "platform/ui/toolbar/CustomDrawState.h"
#include "skin/frame/SUITitleBarTypes.h"

#include <memory>
#include <string>

class TCustomForm;
class TMainMenu;
class TApplication;
class TToolBar;
class TToolButton;
class TsuiFileTheme;
class TsuiTitleBar;
class TsuiTitleBarButtons;
class TsuiTitleBarSections;
struct TFormSubclass;

class TsuiForm : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiForm, TCustomPanel)

public:
    static constexpr int kMinFormWidth = 125;   // px
    static constexpr int kMinFormHeight = 50;   // px
    static constexpr int kMenuBarHeight = 22;   // px

    explicit TsuiForm(TComponent* owner);
    ~TsuiForm() override;

    // --- style -----------------------------------------------------------------
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] bool UIStyleAutoUpdateSub() const { return m_uiStyleAutoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool value) { m_uiStyleAutoUpdateSub = value; }
    [[nodiscard]] TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    [[nodiscard]] int BorderWidth() const { return m_borderWidth; }
    // Keeps the skinned form's size: the form grows or shrinks.
    void SetBorderWidth(int width);

    // --- the title bar's properties ------------------------------------------------
    [[nodiscard]] bool TitleBarVisible() const;
    void SetTitleBarVisible(bool visible);
    [[nodiscard]] std::string Caption() const;
    // The title bar's caption and the form's.
    void SetCaption(const std::string& caption);
    [[nodiscard]] TsuiTitleBarButtons* TitleBarButtons() const;
    void SetTitleBarButtons(TsuiTitleBarButtons* buttons);
    [[nodiscard]] TsuiTitleBarSections* TitleBarSections() const;
    void SetTitleBarSections(TsuiTitleBarSections* sections);
    [[nodiscard]] bool TitleBarDrawAppIcon() const;
    void SetTitleBarDrawAppIcon(bool drawAppIcon);
    [[nodiscard]] TFont* TitleFont() const;
    void SetTitleFont(TFont* font);
    [[nodiscard]] int RoundCorner() const;
    void SetRoundCorner(int radius);
    [[nodiscard]] TsuiTitleBarButtonClickEvent TitleBarCustomBtnsClick() const;
    void SetTitleBarCustomBtnsClick(TsuiTitleBarButtonClickEvent handler);
    [[nodiscard]] TsuiTitleBarButtonClickEvent TitleBarHelpBtnClick() const;
    void SetTitleBarHelpBtnClick(TsuiTitleBarButtonClickEvent handler);
    [[nodiscard]] TsuiTitleBar* TitleBar() const { return m_titleBar; }
    [[nodiscard]] int GetTitleBarHeight() const;

    // --- panel and size -----------------------------------------------------------
    [[nodiscard]] TCustomPanel* FormPanel() const { return m_formPanel; }
    // The skinned form itself is refused with a message box.
    void SetPanel(TCustomPanel* panel);
    // The skinned form's size; setting it sizes the form around it.
    void SetFormWidth(int width);
    void SetFormHeight(int height);

    // --- menu (SUIFormMenuBar.cpp) ------------------------------------------------------
    [[nodiscard]] TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    [[nodiscard]] TColor MenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(TColor color);
    [[nodiscard]] int MenuBarHeight() const { return m_menuBarHeight; }
    void SetMenuBarHeight(int height);
    [[nodiscard]] TToolBar* MenuBar() const { return m_menuBar; }
    void CreateMenuBar();
    void DestroyMenuBar();
    // One tool button per top-level item of the menu, in the menu's order.
    void UpdateMenu();
    // The buttons take their items' captions and enabled states.
    void UpdateTopMenu();
    void RepaintMenuBar();

    // --- the frame ---------------------------------------------------------------------
    // Places the skinned form inside the form's border strips.
    void AlignSelf();
    // Paints the border strips on the form around the skinned form.
    void PaintFormBorder();
    // The form's border style when the skinned form took it over.
    [[nodiscard]] TFormBorderStyle GetFormBorderStyle() const { return m_formBorderStyle; }
    [[nodiscard]] TCustomForm* Form() const { return m_form; }

    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;

private:
    // Puts NewParentWndProc in place of the form window's procedure unless it is there.
    void SubclassForm();
    // Keeps the form borderless when its border style changes later.
    void WatchBorderStyle();
    bool RetakeBorder();
    void ReleaseForm();
    LRESULT NewParentWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void FormSized();
    // Lays the frame out on the form as it now stands: size, border, title
    // bar, and the maximise button's picture.
    void FollowForm();
    void FormHitTest(TMessage& message);
    [[nodiscard]] LRESULT ProcessKeyPress(const TMessage& message);
    void OnApplicationMessage(MSG& msg, bool& handled);
    void WMCreate(TMessage& message);
    [[nodiscard]] bool FormMaximized() const;
    [[nodiscard]] bool FormReading() const;
    [[nodiscard]] TsuiUIStyle MenuStyle() const;
    void DrawMenuBar(TToolBar* sender, TRect rect, bool& defaultDraw);
    void DrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw);

    TsuiFileTheme* m_fileTheme = nullptr;
    TsuiUIStyle m_uiStyle = DeepBlue;
    bool m_uiStyleAutoUpdateSub = false;
    TColor m_borderColor = clBlack;
    int m_borderWidth = 0;  // px
    TCustomPanel* m_formPanel = nullptr;
    TMainMenu* m_menu = nullptr;
    TColor m_menuBarColor = clBtnFace;
    int m_menuBarHeight = kMenuBarHeight;  // px

    TsuiTitleBar* m_titleBar = nullptr;  // owned as a component
    TToolBar* m_menuBar = nullptr;       // owned as a component
    TCustomForm* m_form = nullptr;
    TFormBorderStyle m_formBorderStyle = bsSizeable;
    TRect m_normalBounds;
    bool m_startMaximized = false;
    bool m_constructing = false;
    bool m_wasZoomed = false;  // the form was maximised at the last size change
    TApplication* m_hookedApplication = nullptr;  // whose OnMessage this skinned form took
    std::shared_ptr<TFormSubclass> m_subclass;
};
