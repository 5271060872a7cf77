#include "platform/ui/toolbar/ToolButton.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "platform/win/Messages.h"
#include "platform/win/WinConst.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TToolButton);

void TToolButton::Publish(TClassBuilder<TToolButton>& c)
{
    c.Creatable<TComponent>();
    PublishCaption(c);
    c.Property("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton);
    c.Property("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
    c.Property("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false);
    c.Property("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(false);
    c.Property("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false);
    c.Property("Marked", &TToolButton::Marked, &TToolButton::SetMarked).Default(false);
    c.Property("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate).Default(false);
    c.Reference("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
    c.Reference("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
    PublishMouseEvents(c);
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner)
{
    // Clicks are made here, from the pushed-in state, not by TControl.
    SetControlStyle({csCaptureMouse, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, TToolBar::kDefaultButtonWidth, TToolBar::kDefaultButtonHeight);
}

TToolButton::~TToolButton() = default;

void TToolButton::BeforeDestruction()
{
    // Leave the bar first, so that it places the remaining buttons.
    if (Parent()) SetParent(nullptr);
    TGraphicControl::BeforeDestruction();
}

TToolBar* TToolButton::ToolBar() const
{
    return dynamic_cast<TToolBar*>(Parent());
}

int TToolButton::Index() const
{
    const TToolBar* bar = ToolBar();
    if (!bar) return -1;
    for (int i = 0; i < bar->ButtonCount(); ++i) {
        if (bar->Buttons(i) == this) return i;
    }
    return -1;
}

void TToolButton::SetParent(TWinControl* parent)
{
    TToolBar* old = ToolBar();
    TGraphicControl::SetParent(parent);
    if (old && old != Parent()) old->ButtonsChanged();
    SizeChanged();
}

void TToolButton::SizeChanged()
{
    if (TToolBar* bar = ToolBar()) bar->ButtonsChanged();
}

// --- properties ------------------------------------------------------------------

void TToolButton::SetStyle(TToolButtonStyle style)
{
    if (m_style == style) return;
    m_style = style;
    m_press.Cancel();
    SizeChanged();
    Invalidate();
}

void TToolButton::SetImageIndex(int index)
{
    if (m_imageIndex == index) return;
    m_imageIndex = index;
    Invalidate();
}

void TToolButton::SetDown(bool down)
{
    if (m_down == down) return;
    m_down = down;
    if (down) RaiseGroup();
    Invalidate();
}

void TToolButton::SetGrouped(bool grouped)
{
    if (m_grouped == grouped) return;
    m_grouped = grouped;
    if (m_down) RaiseGroup();
}

void TToolButton::SetMarked(bool marked)
{
    if (m_marked == marked) return;
    m_marked = marked;
    Invalidate();
}

void TToolButton::SetIndeterminate(bool indeterminate)
{
    if (m_indeterminate == indeterminate) return;
    m_indeterminate = indeterminate;
    Invalidate();
}

template <class T>
void TToolButton::SetReference(T*& field, T* value)
{
    if (field == value) return;
    if (field) field->RemoveFreeNotification(this);
    field = value;
    if (field) field->FreeNotification(this);
}

void TToolButton::SetMenuItem(TMenuItem* item)
{
    SetReference(m_menuItem, item);
    if (!item) return;
    SetCaption(item->Caption());
    SetEnabled(item->Enabled());
    SetHint(item->Hint());
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu)
{
    SetReference(m_dropdownMenu, menu);
}

void TToolButton::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_menuItem) m_menuItem = nullptr;
    if (component == m_dropdownMenu) m_dropdownMenu = nullptr;
}

// --- groups ------------------------------------------------------------------------

// Grouped check buttons with nothing else between them form a group.
bool TToolButton::InGroupWith(const TToolButton* other) const
{
    const TToolBar* bar = ToolBar();
    if (!bar || !other || other->ToolBar() != bar) return false;
    const int from = std::min(Index(), other->Index());
    const int to = std::max(Index(), other->Index());
    for (int i = from; i <= to; ++i) {
        const TToolButton* b = bar->Buttons(i);
        if (!b->m_grouped || b->m_style != tbsCheck) return false;
    }
    return true;
}

void TToolButton::RaiseGroup()
{
    const TToolBar* bar = ToolBar();
    if (!bar || !m_grouped || m_style != tbsCheck) return;
    for (int i = 0; i < bar->ButtonCount(); ++i) {
        TToolButton* other = bar->Buttons(i);
        if (other == this || !other->m_down || !InGroupWith(other)) continue;
        other->m_down = false;
        other->Invalidate();
    }
}

// --- state ---------------------------------------------------------------------------

bool TToolButton::Hot() const
{
    const TToolBar* bar = ToolBar();
    return bar && bar->Flat() && MouseInControl() && Enabled() && !IsGap();
}

TCustomDrawState TToolButton::DrawState() const
{
    TCustomDrawState state;
    if (Selected()) state.Include(cdsSelected);
    if (!Enabled()) state.Include(cdsGrayed).Include(cdsDisabled);
    if (m_down) state.Include(cdsChecked);
    if (Hot()) state.Include(cdsHot);
    if (m_marked) state.Include(cdsMarked);
    if (m_indeterminate) state.Include(cdsIndeterminate);
    return state;
}

// --- messages -----------------------------------------------------------------------

void TToolButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_HITTEST: CMHitTest(message); break;
    case CM_TEXTCHANGED: CMTextChanged(message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(message); break;
    case WM_CANCELMODE: WMCancelMode(message); break;
    default: TGraphicControl::Dispatch(message); break;
    }
}

// Separators let the mouse through to the bar.
void TToolButton::CMHitTest(TMessage& message)
{
    message.Result = IsGap() ? 0 : HTCLIENT;
}

void TToolButton::CMTextChanged(TMessage& /*message*/)
{
    SizeChanged();
    Invalidate();
}

void TToolButton::CMVisibleChanged(TMessage& message)
{
    TGraphicControl::Dispatch(message);
    SizeChanged();
}

void TToolButton::CMEnabledChanged(TMessage& message)
{
    m_press.Cancel();
    TGraphicControl::Dispatch(message);
}

void TToolButton::WMCancelMode(TMessage& message)
{
    // The framework releases the capture with the mode.
    m_press.Forget();
    TGraphicControl::Dispatch(message);
}

// --- mouse ------------------------------------------------------------------------------

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled() && !IsGap()) {
        if (PressDropsMenu({x, y})) {
            const TComponentWatch watch(this);
            DropMenu();
            if (!watch.Alive()) return;
        } else {
            m_press.Press();
        }
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseMove(TShiftState shift, int x, int y)
{
    m_press.Move({x, y});
    TGraphicControl::MouseMove(shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && m_press.Release({x, y})) {
        const TComponentWatch watch(this);
        Click();
        // The click may have freed the button (its form closed).
        if (!watch.Alive()) return;
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TToolButton::MouseEnter()
{
    if (ToolBar() && ToolBar()->Flat()) Invalidate();
    TGraphicControl::MouseEnter();
}

void TToolButton::MouseLeave()
{
    if (ToolBar() && ToolBar()->Flat()) Invalidate();
    TGraphicControl::MouseLeave();
}

void TToolButton::Click()
{
    if (m_style == tbsCheck && !(m_down && m_grouped && !m_allowAllUp)) SetDown(!m_down);
    const TComponentWatch watch(this);
    ClickMenuItem();
    if (!watch.Alive()) return;
    TGraphicControl::Click();
}
