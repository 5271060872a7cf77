// TToolButton's menus: DropdownMenu and the submenu of MenuItem, shown
// below the button while the button counts as pressed.

#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuTracking.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"

bool TToolButton::HasMenu() const
{
    return m_dropdownMenu || (m_menuItem && m_menuItem->Count() > 0);
}

bool TToolButton::PressDropsMenu(TPoint p) const
{
    if (!HasMenu()) return false;
    if (m_style != tbsDropDown) return true;
    const TPoint inBar = p + BoundsRect().TopLeft();
    return Parts().Arrow.Contains(inBar);
}

void TToolButton::DropMenu()
{
    TToolBar* bar = ToolBar();
    if (!bar) return;
    // The menu follows the mouse itself from now on.
    m_press.Cancel();
    m_dropped = true;
    Invalidate();
    bar->Update();
    const TComponentWatch watch(this);
    const TPoint below = bar->ClientToScreen({Left(), Top() + Height()});
    if (m_dropdownMenu) {
        m_dropdownMenu->SetPopupComponent(this);
        m_dropdownMenu->Popup(below.X, below.Y);
    } else {
        TrackMenuItemPopup(*m_menuItem, below, bar->Handle());
    }
    if (!watch.Alive()) return;
    m_dropped = false;
    Invalidate();
}

void TToolButton::ClickMenuItem()
{
    if (m_menuItem && m_menuItem->Count() == 0) m_menuItem->Click();
}
