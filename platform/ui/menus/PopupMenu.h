#pragma once
// TPopupMenu: a context menu shown at a screen point. Popup runs OnPopup,
// then shows the root's children in a pop-up window and tracks it until an
// item is chosen (its OnClick runs once the menu is closed) or the menu is
// dismissed. With AutoPopup a control whose PopupMenu it is shows it on a
// right click (ShowControlPopupMenu).

#include "platform/core/Rect.h"
#include "platform/ui/menus/Menu.h"

class TControl;

class TPopupMenu : public TMenu {
    QZ_DECLARE_CLASS(TPopupMenu, TMenu)

public:
    explicit TPopupMenu(TComponent* owner);

    virtual void Popup(int x, int y);
    [[nodiscard]] bool AutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool autoPopup) { m_autoPopup = autoPopup; }
    // The component that showed the menu last (a control on a right click), or null.
    [[nodiscard]] TComponent* PopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(TComponent* component);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool m_autoPopup = true;
    TComponent* m_popupComponent = nullptr;
};

// A right click on control (WM_CONTEXTMENU at screen): shows its PopupMenu
// when that is a TPopupMenu with AutoPopup. True when a menu was shown.
bool ShowControlPopupMenu(TControl& control, TPoint screen);
