#pragma once
// Everything the run-time type information knows about one class: its
// name, parent, factory, published properties (inherited ones first, in
// declaration order; a class may redeclare an inherited property in place),
// published methods for event binding, and the hooks the form reader uses for
// data that is not a published property (TStrings lines, picture data,
// collection items).

#include "platform/core/PropInfo.h"
#include "platform/core/SysUtils.h"

#include <any>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

class TObject;
struct TFormValue;

// Creates an instance. owner is handed to the constructor (the component
// framework makes the owner free what it owns); without an owner the caller
// owns the result.
using TObjectFactory = TObject* (*)(TObject* owner);

// A published method: Bind returns a std::any holding a std::function of
// HandlerType that calls the method on the given instance.
struct TMethodInfo {
    std::string Name;
    const std::type_info* HandlerType = nullptr;
    std::function<std::any(TObject&)> Bind;
};

// A property the form reader hands to the object instead of setting it
// through a setter, such as "Strings" of a string list or "Data" of a picture.
struct TDefinedPropInfo {
    std::string Name;
    std::function<void(TObject&, const TFormValue&)> Read;
};

// How the form reader fills a collection: clear it, then add items and set
// their properties.
struct TCollectionAccess {
    std::function<void(TObject&)> Clear;
    std::function<TObject&(TObject&)> Add;
};

// A published field: a data member of a form class that points to a
// component of the same name. The component framework sets it when a
// component with that name joins the owner and clears it when the component
// leaves. Set returns false when the value is not of the field's class.
struct TFieldInfo {
    std::string Name;
    std::function<bool(TObject& owner, TObject* value)> Set;
};

class TClassInfo {
public:
    using Describe = void (*)(TClassInfo&);

    // describe (may be null) adds the class's own entries; it runs inside the
    // constructor, after the parent's properties were taken over.
    TClassInfo(std::string_view name, const TClassInfo* parent, Describe describe = nullptr);
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    [[nodiscard]] std::string_view Name() const { return m_name; }
    [[nodiscard]] const TClassInfo* Parent() const { return m_parent; }
    // True for the class itself and its descendants.
    [[nodiscard]] bool InheritsFrom(const TClassInfo& ancestor) const;

    [[nodiscard]] bool IsAbstract() const { return m_factory == nullptr; }
    // Raises EInvalidOperation for a class without a factory.
    [[nodiscard]] TObject* Create(TObject* owner) const;

    // Look-ups compare names without regard to ASCII case and see inherited entries.
    [[nodiscard]] std::span<const TPropInfo* const> Properties() const { return m_properties; }
    [[nodiscard]] const TPropInfo* FindProperty(std::string_view name) const;
    [[nodiscard]] const TMethodInfo* FindMethod(std::string_view name) const;
    [[nodiscard]] const TDefinedPropInfo* FindDefinedProperty(std::string_view name) const;
    // The published field of that name, the class's own or inherited; null when none.
    [[nodiscard]] const TFieldInfo* FindField(std::string_view name) const
    {
        for (const TClassInfo* c = this; c; c = c->m_parent) {
            for (const TFieldInfo& f : c->m_fields) {
                if (SameText(f.Name, name)) return &f;
            }
        }
        return nullptr;
    }
    // The nearest class's collection hooks, or null.
    [[nodiscard]] const TCollectionAccess* Collection() const;

    // Building; used while describe runs. Adding a property that the parent
    // has replaces it in place; declaring one twice in a class raises.
    TPropInfo& AddProperty(TPropInfo info);
    // A copy of an inherited property that replaces it in place, so that the
    // copy's options (such as Default) can change. Raises when there is none.
    TPropInfo& RedeclareProperty(std::string_view name);
    void AddMethod(TMethodInfo method);
    void AddDefinedProperty(TDefinedPropInfo property);
    void AddField(TFieldInfo field) { m_fields.push_back(std::move(field)); }
    void SetCollection(TCollectionAccess access);
    void SetFactory(TObjectFactory factory) { m_factory = factory; }

private:
    TPropInfo& Place(std::unique_ptr<TPropInfo> info);

    std::string m_name;
    const TClassInfo* m_parent = nullptr;
    TObjectFactory m_factory = nullptr;
    std::vector<const TPropInfo*> m_properties;
    std::vector<std::unique_ptr<TPropInfo>> m_ownProperties;
    std::vector<TMethodInfo> m_methods;
    std::vector<TDefinedPropInfo> m_definedProperties;
    std::vector<TFieldInfo> m_fields;
    std::unique_ptr<TCollectionAccess> m_collection;
};
