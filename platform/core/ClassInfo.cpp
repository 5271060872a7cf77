#include "platform/core/ClassInfo.h"

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

TClassInfo::TClassInfo(std::string_view name, const TClassInfo* parent, Describe describe)
    : m_name(name), m_parent(parent)
{
    if (parent) m_properties.assign(parent->m_properties.begin(), parent->m_properties.end());
    if (describe) describe(*this);
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const
{
    for (const TClassInfo* c = this; c; c = c->m_parent) {
        if (c == &ancestor) return true;
    }
    return false;
}

TObject* TClassInfo::Create(TObject* owner) const
{
    if (!m_factory) throw EInvalidOperation("Cannot create an instance of abstract class " + m_name);
    return m_factory(owner);
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const
{
    const auto it = std::find_if(m_properties.begin(), m_properties.end(),
                                 [name](const TPropInfo* p) { return SameText(p->Name, name); });
    return it == m_properties.end() ? nullptr : *it;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->m_parent) {
        for (const TMethodInfo& m : c->m_methods) {
            if (SameText(m.Name, name)) return &m;
        }
    }
    return nullptr;
}

const TDefinedPropInfo* TClassInfo::FindDefinedProperty(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->m_parent) {
        for (const TDefinedPropInfo& p : c->m_definedProperties) {
            if (SameText(p.Name, name)) return &p;
        }
    }
    return nullptr;
}

const TCollectionAccess* TClassInfo::Collection() const
{
    for (const TClassInfo* c = this; c; c = c->m_parent) {
        if (c->m_collection) return c->m_collection.get();
    }
    return nullptr;
}

TPropInfo& TClassInfo::AddProperty(TPropInfo info)
{
    return Place(std::make_unique<TPropInfo>(std::move(info)));
}

TPropInfo& TClassInfo::RedeclareProperty(std::string_view name)
{
    const TPropInfo* inherited = m_parent ? m_parent->FindProperty(name) : nullptr;
    if (!inherited) throw EInvalidOperation(m_name + " redeclares " + std::string(name) + ", which it does not inherit");
    return Place(std::make_unique<TPropInfo>(*inherited));
}

TPropInfo& TClassInfo::Place(std::unique_ptr<TPropInfo> info)
{
    for (const auto& own : m_ownProperties) {
        if (SameText(own->Name, info->Name)) {
            throw EInvalidOperation(m_name + " declares property " + info->Name + " twice");
        }
    }
    TPropInfo& placed = *info;
    const auto it = std::find_if(m_properties.begin(), m_properties.end(),
                                 [&](const TPropInfo* p) { return SameText(p->Name, placed.Name); });
    if (it != m_properties.end()) {
        *it = &placed;
    } else {
        m_properties.push_back(&placed);
    }
    m_ownProperties.push_back(std::move(info));
    return placed;
}

void TClassInfo::AddMethod(TMethodInfo method)
{
    m_methods.push_back(std::move(method));
}

void TClassInfo::AddDefinedProperty(TDefinedPropInfo property)
{
    m_definedProperties.push_back(std::move(property));
}

void TClassInfo::SetCollection(TCollectionAccess access)
{
    m_collection = std::make_unique<TCollectionAccess>(std::move(access));
}
