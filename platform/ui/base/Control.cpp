#include "platform/ui/base/Control.h"
#include "platform/ui/actions/BasicAction.h"

#include "platform/ui/base/ControlHost.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/base/SizeConstraints.h"
#include "platform/ui/base/WinControl.h"
#include "platform/win/WinApi.h"

#include <algorithm>

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      m_constraints(std::make_unique<TSizeConstraints>(this)),
      m_font(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage& message) { WndProc(message); };
    m_font->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    TControlHost::Current().Pointer().ControlDestroyed(this);
    if (m_parent) m_parent->RemoveControl(this);
    m_font->OnChange = nullptr;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    if (WindowProc)
        WindowProc(message);
    else
        WndProc(message);
    return message.Result;
}

void TControl::DefaultHandler(TMessage& /*message*/) {}

// --- parent ------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent)
{
    if (parent == m_parent) return;
    if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (const auto* self = dynamic_cast<const TWinControl*>(this); self && parent && self->ContainsControl(parent)) {
        throw EInvalidOperation("A control cannot be placed inside one of its own children");
    }
    if (m_parent) m_parent->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        UpdateAnchorRules();
    }
}

TCustomForm* GetParentForm(const TControl* control)
{
    while (control && control->Parent()) control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

// --- state -------------------------------------------------------------------

void TControl::SetVisible(bool visible)
{
    if (m_visible == visible) return;
    m_visible = visible;
    Perform(CM_VISIBLECHANGED, WPARAM(visible), 0);
    if (m_parent) m_parent->AlignControl(this);
}

void TControl::Show()
{
    if (m_parent && !m_parent->Visible()) m_parent->Show();
    SetVisible(true);
}

void TControl::Hide()
{
    SetVisible(false);
}

void TControl::SetEnabled(bool enabled)
{
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

std::string TControl::GetTextBuf() const
{
    std::string text;
    const_cast<TControl*>(this)->Perform(WM_GETTEXT, WPARAM(-1), reinterpret_cast<LPARAM>(&text));
    return text;
}

void TControl::SetTextBuf(const std::string& text)
{
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetText(const std::string& text)
{
    if (GetTextBuf() == text) return;
    SetTextBuf(text);
}

void TControl::SetFont(TFont* font)
{
    if (font) m_font->Assign(*font);
}

void TControl::FontChanged()
{
    m_parentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool parentFont)
{
    if (m_parentFont == parentFont) return;
    m_parentFont = parentFont;
    if (m_parent && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor color)
{
    if (m_color == color) return;
    m_color = color;
    m_parentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool parentColor)
{
    if (m_parentColor == parentColor) return;
    m_parentColor = parentColor;
    if (m_parent && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor cursor)
{
    if (m_cursor == cursor) return;
    m_cursor = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool showHint)
{
    if (m_showHint == showHint && !m_parentShowHint) return;
    m_showHint = showHint;
    m_parentShowHint = false;
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        for (int i = 0; i < self->ControlCount(); ++i) self->Controls(i)->ParentShowHintChanged();
    }
}

void TControl::SetParentShowHint(bool parentShowHint)
{
    if (m_parentShowHint == parentShowHint) return;
    m_parentShowHint = parentShowHint;
    ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (!m_parentShowHint || !m_parent) return;
    m_showHint = m_parent->ShowHint();
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        for (int i = 0; i < self->ControlCount(); ++i) self->Controls(i)->ParentShowHintChanged();
    }
}

void TControl::SetPopupMenu(TComponent* menu)
{
    if (m_popupMenu == menu) return;
    if (m_popupMenu) m_popupMenu->RemoveFreeNotification(this);
    m_popupMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_popupMenu) m_popupMenu = nullptr;
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
}

// --- painting requests and order -------------------------------------------------

HWND TControl::OwningWindow() const
{
    return m_parent ? m_parent->WindowHandle() : nullptr;
}

void TControl::InvalidateControl(bool isOpaque)
{
    if (!m_parent || !m_parent->HandleAllocated()) return;
    const RECT rect = BoundsRect();
    const bool parentOpaque = m_parent->ControlStyle().Contains(csOpaque);
    InvalidateRect(m_parent->WindowHandle(), &rect, !(isOpaque || parentOpaque));
}

void TControl::Invalidate()
{
    if (m_visible) InvalidateControl(IsOpaque());
}

void TControl::Update()
{
    if (m_parent) m_parent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost)
{
    if (!m_parent) return;
    ChangeZOrderInParent(topMost);
    if (m_visible) InvalidateControl(true);
}

void TControl::ChangeZOrderInParent(bool topMost)
{
    auto& list = m_parent->m_controls;
    const auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
}

// --- events ------------------------------------------------------------------

void TControl::Click()
{
    if (OnClick) OnClick(this);
    else if (m_actionLink) m_actionLink->Execute();
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}
