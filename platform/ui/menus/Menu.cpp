#include "platform/ui/menus/Menu.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TMenu);

void TMenu::Publish(TClassBuilder<TMenu>& c)
{
    c.Reference("Images", &TMenu::Images, &TMenu::SetImages);
    c.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

namespace {

TShiftState CurrentModifiers()
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    return shift;
}

// Depth first, children in order; hidden and disabled branches are skipped.
TMenuItem* FindShortCut(const TMenuItem& parent, TShortCut shortCut)
{
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible() || !item->Enabled()) continue;
        if (item->ShortCut() == shortCut) return item;
        if (TMenuItem* found = FindShortCut(*item, shortCut)) return found;
    }
    return nullptr;
}

}  // namespace

TMenu::TMenu(TComponent* owner) : TComponent(owner), m_items(std::make_unique<TMenuItem>(nullptr))
{
    m_items->m_menu = this;
}

TMenu::~TMenu()
{
    // The items go quietly: nobody is left to hear of them.
    m_items->m_menu = nullptr;
    m_items.reset();
}

void TMenu::SetImages(TImageList* images)
{
    if (m_images == images) return;
    if (m_images) m_images->RemoveFreeNotification(this);
    m_images = images;
    if (images) images->FreeNotification(this);
    MenuChanged(this, nullptr, false);
}

void TMenu::SetOwnerDraw(bool ownerDraw)
{
    if (m_ownerDraw == ownerDraw) return;
    m_ownerDraw = ownerDraw;
    MenuChanged(this, nullptr, false);
}

void TMenu::MenuChanged(TObject* /*sender*/, TMenuItem* /*source*/, bool /*rebuild*/) {}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_images) SetImages(nullptr);
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    if (shortCut == scNone) return nullptr;
    return FindShortCut(*m_items, shortCut);
}

bool TMenu::IsShortCut(TWMKey& message)
{
    TMenuItem* item = FindItemByShortCut(ShortCut(message.CharCode, CurrentModifiers()));
    if (!item) return false;
    item->Click();
    return true;
}
