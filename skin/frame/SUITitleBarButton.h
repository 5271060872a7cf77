#pragma once
// TsuiTitleBarButton: one picture button of a title bar. Its type says what
// it does (DoClick) and which three frames of the style's title-button
// strip it shows at rest, under the pointer and pressed; suiCustom buttons
// keep the pictures they are given. A hidden button is neither drawn, nor
// hit, nor given room. A collection holds at most one suiControlBox.

#include "platform/core/CollectionItem.h"
#include "skin/core/UIStyle.h"
#include "skin/frame/SUITitleBarTypes.h"

#include <memory>

class TCustomForm;
class TPicture;
class TPopupMenu;
class TsuiTitleBar;

// The first of the three frames (normal, mouse on, mouse down) of the
// 18-frame title-button strip that a button type shows.
inline constexpr int kTitleButtonFrameCount = 18;
[[nodiscard]] int TitleButtonFirstFrame(TsuiTitleBarBtnType type, bool formMaximized);

// Minimises form as a minimise button does: the main form through its
// system command, any other form by showing it minimised.
void MinimizeForm(TCustomForm& form);

class TsuiTitleBarButton : public TCollectionItem {
    QZ_DECLARE_CLASS(TsuiTitleBarButton, TCollectionItem)

public:
    static constexpr int kDefaultTop = 2;  // px

    TsuiTitleBarButton();
    ~TsuiTitleBarButton() override;

    // Sets Visible, ButtonType, Transparent, Top and UIStyle through their
    // setters, copies the three pictures and ControlBoxMenu.
    void Assign(const TPersistent& source) override;

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    // Reloads the pictures; the bar repaints when asked.
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiTitleBarBtnType ButtonType() const { return m_buttonType; }
    // A second suiControlBox is refused with a message box.
    void SetButtonType(TsuiTitleBarBtnType type);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    [[nodiscard]] int Top() const { return m_top; }
    void SetTop(int top);
    [[nodiscard]] TPopupMenu* ControlBoxMenu() const { return m_controlBoxMenu; }
    void SetControlBoxMenu(TPopupMenu* menu);
    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    [[nodiscard]] TPicture* PicNormal() const { return m_picNormal.get(); }
    void SetPicNormal(TPicture* picture);
    [[nodiscard]] TPicture* PicMouseOn() const { return m_picMouseOn.get(); }
    void SetPicMouseOn(TPicture* picture);
    [[nodiscard]] TPicture* PicMouseDown() const { return m_picMouseDown.get(); }
    void SetPicMouseDown(TPicture* picture);

    // The button's action on its bar's form (nothing without one).
    void DoClick();
    // A suiMax button shows restore while its form is maximised, else maximise.
    void ProcessMaxBtn();
    // Loads Transparent, the pictures and Top from the bar's file theme or
    // the button's style.
    void UpdateUIStyle();

    [[nodiscard]] TsuiTitleBar* TitleBar() const;

private:
    [[nodiscard]] TCustomForm* Form() const;
    [[nodiscard]] bool CollectionHasControlBox() const;
    void LoadFrames(int firstFrame);
    void SetPicture(TPicture& field, TPicture* picture);
    // Opens the control box menu at the bar's bottom-left corner.
    void PopupControlBoxMenu();

    TsuiUIStyle m_uiStyle = DeepBlue;
    TsuiTitleBarBtnType m_buttonType = suiCustom;
    bool m_transparent = false;
    int m_top = kDefaultTop;
    TPopupMenu* m_controlBoxMenu = nullptr;
    bool m_visible = true;
    std::unique_ptr<TPicture> m_picNormal;
    std::unique_ptr<TPicture> m_picMouseOn;
    std::unique_ptr<TPicture> m_picMouseDown;
};
