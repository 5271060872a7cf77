#include "skin/frame/SUITitleBarPopupMenu.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/menus/MenuItem.h"
#include "skin/core/SUIResourceStrings.h"
#include "skin/frame/SUITitleBar.h"
#include "skin/frame/SUITitleBarButtons.h"

namespace {

enum : int { kMinimizeItem = 0, kMaximizeItem = 1, kCloseItem = 3 };

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiTitleBarPopupMenu);

void TsuiTitleBarPopupMenu::Publish(TClassBuilder<TsuiTitleBarPopupMenu>& /*c*/) {}

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TComponent* owner) : TsuiPopupMenu(owner)
{
    AddItem(SUILoadStr(SUI_TITLE_MENUITEM_MINIMIZE), [this](TObject* sender) { OnMin(sender); });
    AddItem(SUILoadStr(SUI_TITLE_MENUITEM_MAXIMIZE), [this](TObject* sender) { OnMax(sender); });
    AddItem("-", nullptr);
    AddItem(SUILoadStr(SUI_TITLE_MENUITEM_CLOSE), [this](TObject* sender) { OnClose(sender); });
    MenuAdded();
}

TMenuItem* TsuiTitleBarPopupMenu::AddItem(const std::string& caption, TNotifyEvent onClick)
{
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    Items()->Add(item);
    return item;
}

void TsuiTitleBarPopupMenu::Popup(int x, int y)
{
    const TsuiTitleBarButtons* buttons = m_titleBar ? m_titleBar->Buttons() : nullptr;
    const auto has = [buttons](TsuiTitleBarBtnType type) { return buttons && buttons->HasType(type); };
    Items()->Items(kMinimizeItem)->SetEnabled(has(suiMin));
    Items()->Items(kMaximizeItem)->SetEnabled(has(suiMax));
    Items()->Items(kCloseItem)->SetEnabled(has(suiClose));
    TsuiPopupMenu::Popup(x, y);
}

void TsuiTitleBarPopupMenu::OnMin(TObject* /*sender*/)
{
    if (TCustomForm* form = m_titleBar ? m_titleBar->ParentForm() : nullptr) MinimizeForm(*form);
}

void TsuiTitleBarPopupMenu::OnMax(TObject* /*sender*/)
{
    if (!m_titleBar) return;
    TsuiTitleBarButtons* buttons = m_titleBar->Buttons();
    for (int i = 0; i < buttons->Count(); ++i) {
        if (buttons->Items(i)->ButtonType() == suiMax) buttons->Items(i)->DoClick();
    }
}

void TsuiTitleBarPopupMenu::OnClose(TObject* /*sender*/)
{
    if (TCustomForm* form = m_titleBar ? m_titleBar->ParentForm() : nullptr) form->Close();
}
