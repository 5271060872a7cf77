#pragma once
// TsuiTitleBar: the skinned caption strip at the top of a window. It paints
// in one pass (off screen, no background erase) its picture sections, its
// picture buttons from the right edge, the control box or the application
// icon at the left and the caption between them (SUITitleBarLayout.h gives
// every box). It also acts as the window's caption: a press on the empty
// bar moves the form, a double click maximises or restores it, the control
// box opens the system menu, its top five pixels resize a sizeable skinned
// form, and in a TsuiForm it clips the form to rounded top corners.
//
// FHotIndex is the button under the pointer as the latest paint found it;
// the mouse handlers act on it, so releasing off the pressed button clicks
// nothing.
//
// The code is split by topic:
//   SUITitleBar.cpp        construction, properties, style application, window region
//   SUITitleBarPaint.cpp   painting
//   SUITitleBarMouse.cpp   mouse, hit tests and non-client messages

#include "platform/ui/controls/CustomPanel.h"
#include "skin/core/UIStyle.h"
#include "skin/frame/SUITitleBarLayout.h"

#include <memory>
#include <string>

class TBitmap;
class TCustomForm;
class TPopupMenu;
class TsuiFileTheme;
class TsuiForm;
class TsuiTitleBarButtons;
class TsuiTitleBarPopupMenu;
class TsuiTitleBarSections;
class TThemeReader;

class TsuiTitleBar : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiTitleBar, TCustomPanel)

public:
    explicit TsuiTitleBar(TComponent* owner);
    ~TsuiTitleBar() override;

    // --- style ------------------------------------------------------------------
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    // Rebuilds the sections, reloads the buttons and the system menu's look,
    // resets the caption colour and the height, applies the window region.
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    // The height follows the first section's picture (no sections: stays False).
    void SetAutoSize(bool autoSize);

    // --- contents -----------------------------------------------------------------
    [[nodiscard]] TsuiTitleBarSections* Sections() const { return m_sections.get(); }
    void SetSections(TsuiTitleBarSections* sections);
    [[nodiscard]] TsuiTitleBarButtons* Buttons() const { return m_buttons.get(); }
    void SetButtons(TsuiTitleBarButtons* buttons);
    [[nodiscard]] int ButtonInterval() const { return m_buttonInterval; }
    void SetButtonInterval(int interval);
    [[nodiscard]] const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    [[nodiscard]] bool FormActive() const { return m_formActive; }
    void SetActive(bool active);
    [[nodiscard]] int LeftBtnXOffset() const { return m_leftBtnXOffset; }
    void SetLeftBtnXOffset(int offset);
    [[nodiscard]] int RightBtnXOffset() const { return m_rightBtnXOffset; }
    void SetRightBtnXOffset(int offset);
    [[nodiscard]] bool DrawAppIcon() const { return m_drawAppIcon; }
    void SetDrawAppIcon(bool drawAppIcon);
    [[nodiscard]] int RoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int radius);

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;

    // --- the form -------------------------------------------------------------------
    // The form the bar sits on, directly or through panels.
    [[nodiscard]] TCustomForm* ParentForm() const;
    // The parent is a skinned form.
    [[nodiscard]] bool InForm() const;
    // Clips the parent form to a rectangle whose top corners are rounded by radius.
    void SetFormRoundCorner(int radius);
    // The skinned form's size changed: the window region follows.
    void OnFormReSize();
    // Every suiMax button shows maximise or restore as its form is now.
    void ProcessMaxBtn();
    // A button's ControlBoxMenu: cleared from the buttons when it goes.
    void WatchMenu(TPopupMenu* menu);

    [[nodiscard]] TsuiTitleBarPopupMenu* SystemMenu() const { return m_popupMenu; }
    [[nodiscard]] int HotIndex() const { return m_hotIndex; }
    // Where everything goes at the bar's current size.
    [[nodiscard]] TTitleBarLayout Layout() const;

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    virtual void DrawSectionsTo(TBitmap* bitmap);
    virtual void DrawButtons(TBitmap* bitmap);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;

private:
    // Loads the sections and layout values of the style or file theme.
    void ApplyTheme(const TThemeReader& theme);
    // The cursor's position now, in the bar's client coordinates.
    [[nodiscard]] TPoint CursorInBar() const;
    [[nodiscard]] bool FormMaximized() const;
    void DrawButtonPicture(TBitmap* bitmap, int index, TPoint at, bool hot);
    void DrawCaption(TBitmap* bitmap, const TTitleBarLayout& layout);
    void ClickButton(int index);
    void WMNCHitTest(TMessage& message);
    void ForwardToForm(TMessage& message);
    void MouseOut(TMessage& message);

    TsuiFileTheme* m_fileTheme = nullptr;
    TsuiUIStyle m_uiStyle = DeepBlue;
    bool m_autoSize = false;
    std::unique_ptr<TsuiTitleBarSections> m_sections;
    std::unique_ptr<TsuiTitleBarButtons> m_buttons;
    int m_buttonInterval = 0;  // px
    std::string m_caption;
    bool m_formActive = true;
    int m_leftBtnXOffset = 0;   // px
    int m_rightBtnXOffset = 0;  // px
    bool m_drawAppIcon = false;
    int m_roundCorner = 0;  // px

    TsuiTitleBarPopupMenu* m_popupMenu = nullptr;  // owned as a component
    int m_hotIndex = -1;
    bool m_mouseDown = false;
    TColor m_borderColor = clBlack;
    int m_buttonRowHeight = 0;  // px
    int m_buttonRowTop = 0;     // px
    bool m_settingFileTheme = false;
};
