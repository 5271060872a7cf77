#include "platform/ui/menus/PopupMenu.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/base/Control.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/menus/MenuTracking.h"
#include "platform/ui/forms/Screen.h"

QZ_IMPLEMENT_CLASS(TPopupMenu);

void TPopupMenu::Publish(TClassBuilder<TPopupMenu>& c)
{
    c.Creatable<TComponent>();
    c.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    c.Property("OnPopup", &TPopupMenu::OnPopup);
}

namespace {

// The menu window belongs to the active form, else to the main form.
HWND PopupOwner()
{
    TCustomForm* form = Screen->ActiveForm();
    if (!form) form = Application->MainForm();
    return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y)
{
    const TComponentWatch watch(this);
    if (OnPopup) OnPopup(this);
    if (!watch.Alive()) return;
    TrackMenuItemPopup(*Items(), {x, y}, PopupOwner());
}

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    if (m_popupComponent == component) return;
    if (m_popupComponent) m_popupComponent->RemoveFreeNotification(this);
    m_popupComponent = component;
    if (component) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == m_popupComponent) m_popupComponent = nullptr;
}

bool ShowControlPopupMenu(TControl& control, TPoint screen)
{
    auto* menu = dynamic_cast<TPopupMenu*>(control.PopupMenu());
    if (!menu || !menu->AutoPopup()) return false;
    menu->SetPopupComponent(&control);
    menu->Popup(screen.X, screen.Y);
    return true;
}
