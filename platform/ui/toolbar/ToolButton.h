#pragma once
// TToolButton: one button of a TToolBar, which places and paints it.
//
// Input. A left press pushes the button in (cdsSelected) while the pointer
// stays over it; releasing it there clicks. A click of a tbsCheck button
// toggles Down; grouped check buttons next to each other act as radio
// buttons (one down at a time; with AllowAllUp the down one may be raised
// again). Disabled buttons and separators take no input.
//
// Menus. A drop-down button's arrow part (on the right) shows DropdownMenu,
// else the submenu of MenuItem, below the button. A button of another style
// shows them on a press instead of being clicked. While the menu is open
// the button counts as pressed. Without a submenu a linked menu item is
// clicked with the button. Linking a menu item takes its caption, enabled
// state and hint.
//
// Hot: on a Flat bar the enabled button under the pointer is hot.
//
// The code is split by topic:
//   ToolButton.cpp       properties, state, mouse, run-time type information
//   ToolButtonMenu.cpp   menus dropped from the button

#include "platform/ui/toolbar/CustomDrawState.h"
#include "platform/ui/base/GraphicControl.h"
#include "platform/ui/base/PressTracker.h"
#include "platform/ui/toolbar/ToolBarLayout.h"

class TMenuItem;
class TPopupMenu;
class TToolBar;

class TToolButton : public TGraphicControl {
    QZ_DECLARE_CLASS(TToolButton, TGraphicControl)

public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    // The parent when it is a tool bar.
    [[nodiscard]] TToolBar* ToolBar() const;
    // The position among the bar's buttons, -1 without a bar.
    [[nodiscard]] int Index() const;

    [[nodiscard]] TToolButtonStyle Style() const { return m_style; }
    void SetStyle(TToolButtonStyle style);
    // -1 for none; indices the image list lacks draw no image.
    [[nodiscard]] int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    [[nodiscard]] bool Down() const { return m_down; }
    // Down on a grouped check button raises the others of its group.
    void SetDown(bool down);
    [[nodiscard]] bool Grouped() const { return m_grouped; }
    void SetGrouped(bool grouped);
    [[nodiscard]] bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allowAllUp) { m_allowAllUp = allowAllUp; }
    [[nodiscard]] bool Marked() const { return m_marked; }
    void SetMarked(bool marked);
    [[nodiscard]] bool Indeterminate() const { return m_indeterminate; }
    void SetIndeterminate(bool indeterminate);

    // References, cleared when they go.
    [[nodiscard]] TMenuItem* MenuItem() const { return m_menuItem; }
    void SetMenuItem(TMenuItem* item);
    [[nodiscard]] TPopupMenu* DropdownMenu() const { return m_dropdownMenu; }
    void SetDropdownMenu(TPopupMenu* menu);

    // --- state ---------------------------------------------------------------
    [[nodiscard]] bool Hot() const;
    // Pushed in by the mouse or holding an open menu.
    [[nodiscard]] bool Selected() const { return m_press.Pressed() || m_dropped; }
    // A menu of this button is open.
    [[nodiscard]] bool Dropped() const { return m_dropped; }
    [[nodiscard]] TCustomDrawState DrawState() const;
    // The face and the arrow part, in the bar's client coordinates.
    [[nodiscard]] TToolButtonParts Parts() const { return ToolButtonParts(BoundsRect(), m_style); }

    void Click() override;
    void Dispatch(TMessage& message) override;
    void SetParent(TWinControl* parent) override;

protected:
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void CMHitTest(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void WMCancelMode(TMessage& message);

    [[nodiscard]] bool IsGap() const { return m_style == tbsSeparator || m_style == tbsDivider; }
    // The size of the button may have changed: the bar places its buttons again.
    void SizeChanged();
    // Raises the other down buttons of this one's group.
    void RaiseGroup();
    [[nodiscard]] bool InGroupWith(const TToolButton* other) const;
    template <class T>
    void SetReference(T*& field, T* value);

    // --- menus (ToolButtonMenu.cpp) ---------------------------------------------
    // True when a press at (x, y) drops a menu rather than pressing the button.
    [[nodiscard]] bool PressDropsMenu(TPoint p) const;
    [[nodiscard]] bool HasMenu() const;
    // Shows the menu below the button and waits until it closes.
    void DropMenu();
    // The linked menu item's own click (an item without a submenu).
    void ClickMenuItem();

    TToolButtonStyle m_style = tbsButton;
    int m_imageIndex = -1;
    bool m_down = false;
    bool m_grouped = false;
    bool m_allowAllUp = false;
    bool m_marked = false;
    bool m_indeterminate = false;
    TMenuItem* m_menuItem = nullptr;
    TPopupMenu* m_dropdownMenu = nullptr;
    TPressTracker m_press{*this};
    bool m_dropped = false;    // a menu of the button is open
};
