#include "platform/ui/menus/MainMenu.h"

#include "platform/core/ClassBuilder.h"

QZ_IMPLEMENT_CLASS(TMainMenu);

void TMainMenu::Publish(TClassBuilder<TMainMenu>& c)
{
    c.Creatable<TComponent>();
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}
