#include "platform/ui/menus/MenuItem.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Utf8.h"
#include "platform/ui/menus/Menu.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TMenuItem);

void TMenuItem::Publish(TClassBuilder<TMenuItem>& c)
{
    c.Creatable<TComponent>();
    c.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    c.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    c.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    c.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    c.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    c.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    // Stored as the number the classic framework writes (16467 for Ctrl+S).
    c.Property(
         "ShortCut", [](const TMenuItem& item) { return int(item.ShortCut()); },
         [](TMenuItem& item, int value) { item.SetShortCut(TShortCut(value)); })
        .Default(0);
    c.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    c.Property("OnClick", &TMenuItem::OnClick);
    c.Property("OnMeasureItem", &TMenuItem::OnMeasureItem);
    c.Property("OnDrawItem", &TMenuItem::OnDrawItem);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem()
{
    if (m_parent) m_parent->Detach(this);
    Clear();
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return m_items[std::size_t(index)];
}

int TMenuItem::MenuIndex() const
{
    return m_parent ? m_parent->IndexOf(this) : -1;
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item) throw EMenuError("Cannot insert a null menu item");
    for (const TMenuItem* p = this; p; p = p->m_parent) {
        if (p == item) throw EMenuError("A menu item cannot hold itself");
    }
    if (item->m_parent) item->m_parent->Remove(item);
    if (index < 0 || index > Count()) throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
    MenuChanged(true);
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    Remove(item);
    delete item;
}

void TMenuItem::Remove(TMenuItem* item)
{
    if (!item || item->m_parent != this) return;
    Detach(item);
}

void TMenuItem::Detach(TMenuItem* item)
{
    std::erase(m_items, item);
    item->m_parent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Clear()
{
    while (!m_items.empty()) Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* root = this;
    while (root->m_parent) root = root->m_parent;
    return root->m_menu;
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
        item->Add(this);
    } else if (auto* menu = dynamic_cast<TMenu*>(parent)) {
        menu->Items()->Add(this);
    }
}

template <class T>
void TMenuItem::Change(T& field, const T& value)
{
    if (field == value) return;
    field = value;
    MenuChanged(false);
}

void TMenuItem::SetCaption(const std::string& caption) { Change(m_caption, caption); }
void TMenuItem::SetEnabled(bool enabled) { Change(m_enabled, enabled); }
void TMenuItem::SetChecked(bool checked) { Change(m_checked, checked); }
void TMenuItem::SetDefault(bool isDefault) { Change(m_default, isDefault); }
void TMenuItem::SetVisible(bool visible) { Change(m_visible, visible); }
void TMenuItem::SetImageIndex(int index) { Change(m_imageIndex, index); }
void TMenuItem::SetShortCut(TShortCut shortCut) { Change(m_shortCut, shortCut); }

void TMenuItem::Click()
{
    if (m_enabled && OnClick) OnClick(this);
}

void TMenuItem::MenuChanged(bool rebuild)
{
    TMenu* menu = GetParentMenu();
    if (!menu || menu->IsDestroying() || IsDestroying()) return;
    TMenuItem* source = m_menu ? nullptr : this;
    menu->MenuChanged(this, source, rebuild);
}

char32_t AccessKeyOf(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const char32_t key = Utf8::DecodeNext(caption, i + 1).Value;
        return key >= U'a' && key <= U'z' ? key - U'a' + U'A' : key;
    }
    return 0;
}
