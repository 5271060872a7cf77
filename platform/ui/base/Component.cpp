#include "platform/ui/base/Component.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/SysUtils.h"

#include <algorithm>
#include <utility>

QZ_IMPLEMENT_CLASS(TComponent);

void TComponent::Publish(TClassBuilder<TComponent>& c)
{
    c.Property("Name", &TComponent::Name, &TComponent::SetName);
    c.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

bool IsValidIdent(std::string_view name)
{
    auto alpha = [](char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_'; };
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    if (name.empty() || !alpha(name.front())) return false;
    return std::all_of(name.begin(), name.end(), [&](char ch) { return alpha(ch) || digit(ch); });
}

TComponent::TComponent(TComponent* owner)
{
    if (owner) owner->InsertComponent(this);
}

void TComponent::operator delete(TComponent* p, std::destroying_delete_t)
{
    p->BeforeDestruction();
    p->~TComponent();
    ::operator delete(p);
}

void* TComponent::operator new(std::size_t size)
{
    return ::operator new(size);
}

void TComponent::operator delete(void* p)
{
    ::operator delete(p);
}

TComponent::~TComponent()
{
    Destroying();
    NotifyFreeNotifies();
    DestroyComponents();
    if (m_owner) m_owner->RemoveComponent(this);
}

// The owned components go while the owner is whole, so that its own
// Notification hears of them.
void TComponent::BeforeDestruction()
{
    Destroying();
    DestroyComponents();
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return m_components[std::size_t(index)];
}

int TComponent::ComponentIndex() const
{
    if (!m_owner) return -1;
    const auto& list = m_owner->m_components;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetName(const std::string& name)
{
    if (name == m_name) return;
    if (!name.empty() && !IsValidIdent(name)) {
        throw EComponentError("\"" + name + "\" is not a valid component name");
    }
    if (m_owner) m_owner->ValidateRename(this, m_name, name);
    SetReference(false);
    std::string old = std::exchange(m_name, name);
    try {
        SetReference(true);
    } catch (...) {
        // The owner's field of that name cannot hold this class: keep the old name.
        m_name = std::move(old);
        SetReference(true);
        throw;
    }
}

void TComponent::ValidateRename(TComponent* component, std::string_view curName, std::string_view newName)
{
    if (!component || SameText(curName, newName) || component->m_owner != this) return;
    if (FindComponent(newName)) {
        throw EComponentError("A component named " + std::string(newName) + " already exists");
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty()) return nullptr;
    for (TComponent* c : m_components) {
        if (SameText(c->m_name, name)) return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->m_owner == this) return;
    ValidateRename(component, "", component->m_name);
    if (component->m_owner) component->m_owner->RemoveComponent(component);
    Insert(component);
    try {
        component->SetReference(true);
    } catch (...) {
        Remove(component);
        throw;
    }
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->m_owner != this) return;
    Notification(component, opRemove);
    component->SetReference(false);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    m_components.push_back(component);
    component->m_owner = this;
}

void TComponent::Remove(TComponent* component)
{
    std::erase(m_components, component);
    component->m_owner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty()) {
        TComponent* last = m_components.back();
        // Removing first tells the others, so that they drop their references.
        RemoveComponent(last);
        delete last;
    }
}

void TComponent::SetReference(bool enable)
{
    if (!m_owner || m_name.empty()) return;
    const TClassInfo* type = ClassTypeOf(*m_owner);
    const TFieldInfo* field = type ? type->FindField(m_name) : nullptr;
    if (!field) return;
    if (!field->Set(*m_owner, enable ? this : nullptr)) {
        throw EComponentError("Field " + m_name + " of " + m_owner->ClassName() + " cannot hold a " + ClassName());
    }
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // The list may shrink while it is walked: a component may free another.
    for (std::size_t i = m_components.size(); i-- > 0;) {
        if (i >= m_components.size()) continue;
        m_components[i]->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this) return;
    m_state.Include(csFreeNotification);
    if (m_owner && component->m_owner == m_owner) return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component) != m_freeNotifies.end()) return;
    m_freeNotifies.push_back(component);
    component->FreeNotification(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    const auto it = std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component);
    if (it == m_freeNotifies.end()) return;
    m_freeNotifies.erase(it);
    component->RemoveFreeNotification(this);
}

void TComponent::NotifyFreeNotifies()
{
    while (!m_freeNotifies.empty()) {
        TComponent* partner = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        std::erase(partner->m_freeNotifies, this);
        partner->Notification(this, opRemove);
    }
}

void TComponent::Destroying()
{
    if (m_state.Contains(csDestroying)) return;
    m_state.Include(csDestroying);
    for (TComponent* c : m_components) c->Destroying();
}

void TComponent::Loaded()
{
    m_state.Exclude(csLoading);
}
