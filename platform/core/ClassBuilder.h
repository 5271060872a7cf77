#pragma once
// TClassBuilder lists what a class publishes; it is used only inside a
// class's Publish() in its .cpp file (see Rtti.h). Accessors are member
// functions or data members; a property's kind follows from the getter's
// type:
//   int -> Integer, std::int64_t -> Int64, bool -> Boolean,
//   an enumeration declared with QZ_ENUM -> Enumeration, TEnumSet<E> -> Set,
//   std::string -> String, double or float -> Float,
//   a std::function type -> Method (an event; its handlers must have that type).
// Colours, object references and sub-objects are declared with their own calls.

#include "platform/core/ClassInfo.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Color.h"
#include "platform/core/EnumInfo.h"
#include "platform/core/EnumSet.h"
#include "platform/core/Exception.h"
#include "platform/core/PropInfo.h"
#include "platform/core/Rtti.h"

#include <any>
#include <concepts>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace RttiDetail {

template <class V>
struct IsEnumSet : std::false_type {};
template <class E>
struct IsEnumSet<TEnumSet<E>> : std::true_type {};

template <class V>
struct IsHandler : std::false_type {};
template <class R, class... A>
struct IsHandler<std::function<R(A...)>> : std::true_type {};

template <class E>
concept PublishedEnum = std::is_enum_v<E> && requires(E e) {
    { EnumInfoOf(e) } -> std::same_as<const TEnumInfo&>;
};

template <class V>
[[nodiscard]] constexpr TTypeKind KindOf()
{
    if constexpr (std::is_same_v<V, bool>) return TTypeKind::Boolean;
    else if constexpr (std::is_same_v<V, std::int64_t>) return TTypeKind::Int64;
    else if constexpr (std::is_same_v<V, int>) return TTypeKind::Integer;
    else if constexpr (PublishedEnum<V>) return TTypeKind::Enumeration;
    else if constexpr (IsEnumSet<V>::value) return TTypeKind::Set;
    else if constexpr (std::is_same_v<V, std::string>) return TTypeKind::String;
    else if constexpr (std::is_floating_point_v<V>) return TTypeKind::Float;
    else if constexpr (IsHandler<V>::value) return TTypeKind::Method;
    else static_assert(sizeof(V) == 0, "no property kind for this type; objects use Reference or SubObject");
}

template <class V>
[[nodiscard]] const TEnumInfo* EnumTypeOf()
{
    if constexpr (PublishedEnum<V>) return &EnumInfoOf(V{});
    else if constexpr (IsEnumSet<V>::value) return &EnumInfoOf(typename V::Element{});
    else return nullptr;
}

template <class V>
[[nodiscard]] TPropValue ToValue(const V& v, const TEnumInfo* enumType)
{
    if constexpr (PublishedEnum<V>) return TEnumValue{enumType, int(v)};
    else if constexpr (IsEnumSet<V>::value) return TSetValue{enumType, v.Bits()};
    else if constexpr (IsHandler<V>::value) return TMethodValue{v ? std::any(v) : std::any()};
    else if constexpr (std::is_floating_point_v<V>) return double(v);
    else if constexpr (std::is_same_v<V, int>) return std::int64_t(v);
    else return v;
}

// value holds the canonical alternative for V's kind, already range-checked.
template <class V>
[[nodiscard]] V FromValue(const TPropValue& value)
{
    if constexpr (PublishedEnum<V>) return V(std::get<TEnumValue>(value).Ordinal);
    else if constexpr (IsEnumSet<V>::value) return V::FromBits(std::get<TSetValue>(value).Bits);
    else if constexpr (IsHandler<V>::value) {
        const std::any& handler = std::get<TMethodValue>(value).Handler;
        return handler.has_value() ? std::any_cast<V>(handler) : V();
    } else if constexpr (std::is_floating_point_v<V>) return V(std::get<double>(value));
    else if constexpr (std::is_same_v<V, int>) return int(std::get<std::int64_t>(value));
    else return std::get<V>(value);
}

template <class T>
[[nodiscard]] T& Self(TObject& object)
{
    T* self = dynamic_cast<T*>(&object);
    if (!self) throw EPropertyError(std::string("Property accessed on a ") + object.ClassName());
    return *self;
}
template <class T>
[[nodiscard]] const T& Self(const TObject& object)
{
    return Self<T>(const_cast<TObject&>(object));
}

template <class Get, class T>
using GetResult = std::remove_cvref_t<std::invoke_result_t<Get, const T&>>;

// Writes through a setter member function or straight into a data member.
template <class T, class Set, class V>
void Write(T& self, Set set, V&& value)
{
    if constexpr (std::is_member_object_pointer_v<Set>) std::invoke(set, self) = std::forward<V>(value);
    else std::invoke(set, self, std::forward<V>(value));
}

template <class P>
[[nodiscard]] TObject* AsObject(P* p)
{
    return p;
}
template <class P>
[[nodiscard]] TObject* AsObject(const std::unique_ptr<P>& p)
{
    return p.get();
}
template <class V>
struct Pointee {
    using Type = V;  // an object held by value
};
template <class P>
struct Pointee<P*> {
    using Type = P;
};
template <class P>
struct Pointee<std::unique_ptr<P>> {
    using Type = P;
};

template <class M>
struct MethodTraits;
template <class C, class R, class... A>
struct MethodTraits<R (C::*)(A...)> {
    using Class = C;
    using Handler = std::function<R(A...)>;
    static Handler Bind(C* self, R (C::*method)(A...))
    {
        return [self, method](A... args) -> R { return (self->*method)(std::forward<A>(args)...); };
    }
};

template <class T, class Owner>
TObject* CreateWithOwner(TObject* owner)
{
    if constexpr (std::is_same_v<Owner, TObject>) {
        return new T(owner);
    } else {
        Owner* typed = dynamic_cast<Owner*>(owner);
        if (owner && !typed) {
            throw EInvalidOperation(std::string("A ") + owner->ClassName() + " cannot own a " +
                                    std::string(T::StaticClassInfo().Name()));
        }
        return new T(typed);
    }
}

}  // namespace RttiDetail

// Options of a property just declared.
class TPropOptions {
public:
    explicit TPropOptions(TPropInfo& info) : m_info(info) {}
    // The value a writer may leave out (ordinal kinds).
    TPropOptions& Default(std::int64_t value)
    {
        m_info.Default = value;
        return *this;
    }

private:
    TPropInfo& m_info;
};

template <class T>
class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : m_info(info) {}

    // A read-write property. With a single data member it reads and writes
    // the member; with a single getter function it is read-only.
    template <class Get, class Set>
    TPropOptions Property(std::string_view name, Get get, Set set)
    {
        using V = RttiDetail::GetResult<Get, T>;
        TPropInfo info = Typed<V>(name, get);
        info.Set = [set](TObject& o, const TPropValue& v) {
            RttiDetail::Write(RttiDetail::Self<T>(o), set, RttiDetail::FromValue<V>(v));
        };
        return TPropOptions(m_info.AddProperty(std::move(info)));
    }
    template <class Access>
    TPropOptions Property(std::string_view name, Access access)
    {
        if constexpr (std::is_member_object_pointer_v<Access>) return Property(name, access, access);
        else return TPropOptions(m_info.AddProperty(Typed<RttiDetail::GetResult<Access, T>>(name, access)));
    }

    // A colour (TColor): an integer whose text form may be a colour name.
    template <class Get, class Set>
    TPropOptions Color(std::string_view name, Get get, Set set)
    {
        static_assert(std::is_same_v<RttiDetail::GetResult<Get, T>, TColor>, "colour properties hold a TColor");
        TPropInfo info;
        info.Name = name;
        info.Kind = TTypeKind::Color;
        info.Get = [get](const TObject& o) -> TPropValue {
            return std::int64_t(std::invoke(get, RttiDetail::Self<T>(o)));
        };
        info.Set = [set](TObject& o, const TPropValue& v) {
            RttiDetail::Write(RttiDetail::Self<T>(o), set, TColor(std::get<std::int64_t>(v)));
        };
        return TPropOptions(m_info.AddProperty(std::move(info)));
    }

    template <class Field>
    TPropOptions Color(std::string_view name, Field field)
    {
        return Color(name, field, field);
    }

    // A pointer to a component owned elsewhere; values must be of the
    // getter's class (or null).
    template <class Get, class Set>
    void Reference(std::string_view name, Get get, Set set)
    {
        AddObject(name, TObjectRole::Reference, get, set);
    }
    template <class Field>
    void Reference(std::string_view name, Field field)
    {
        AddObject(name, TObjectRole::Reference, field, field);
    }
    // An object this class keeps (a data member, or a getter returning a raw
    // or unique pointer); its own properties are reached with dotted names.
    // With a setter (which usually copies through Assign) it can also be
    // assigned.
    template <class Get>
    void SubObject(std::string_view name, Get get)
    {
        AddObject(name, TObjectRole::SubObject, get, nullptr);
    }
    template <class Get, class Set>
    void SubObject(std::string_view name, Get get, Set set)
    {
        AddObject(name, TObjectRole::SubObject, get, set);
    }

    // Takes over an inherited property so that its options can change.
    TPropOptions Redeclare(std::string_view name) { return TPropOptions(m_info.RedeclareProperty(name)); }

    // A method that form descriptions may bind to events by name. Its
    // handler type is std::function of the method's signature.
    template <class M>
    void Method(std::string_view name, M method)
    {
        using Traits = RttiDetail::MethodTraits<M>;
        static_assert(std::is_base_of_v<typename Traits::Class, T>, "the method must belong to the class");
        m_info.AddMethod({std::string(name), &typeid(typename Traits::Handler), [method](TObject& o) -> std::any {
                              return Traits::Bind(&RttiDetail::Self<T>(o), method);
                          }});
    }

    // A published field (a data member pointing to a component), bound by
    // name to the owned component of that name: c.Field("sbtnCk", &TfrmMain::sbtnCk).
    template <class P>
    void Field(std::string_view name, P* T::*field)
    {
        static_assert(std::is_base_of_v<TObject, P>, "published fields point to objects");
        m_info.AddField({std::string(name), [field](TObject& o, TObject* value) {
                             P* typed = dynamic_cast<P*>(value);
                             if (value && !typed) return false;
                             RttiDetail::Self<T>(o).*field = typed;
                             return true;
                         }});
    }

    // A property the form reader hands to reader (void (T::*)(const TFormValue&)).
    template <class Reader>
    void DefinedProperty(std::string_view name, Reader reader)
    {
        m_info.AddDefinedProperty({std::string(name), [reader](TObject& o, const TFormValue& value) {
                                       std::invoke(reader, RttiDetail::Self<T>(o), value);
                                   }});
    }

    // The class is a collection: clear() empties it, add() appends an item
    // (returned as pointer or reference) whose properties the reader sets.
    template <class Clear, class Add>
    void Collection(Clear clear, Add add)
    {
        m_info.SetCollection({[clear](TObject& o) { std::invoke(clear, RttiDetail::Self<T>(o)); },
                              [add](TObject& o) -> TObject& { return Deref(std::invoke(add, RttiDetail::Self<T>(o))); }});
    }

    // The class can be created by name; its constructor takes an Owner*.
    template <class Owner = TObject>
    void Creatable()
    {
        static_assert(std::is_constructible_v<T, Owner*>, "the class needs a constructor taking its owner");
        m_info.SetFactory(&RttiDetail::CreateWithOwner<T, Owner>);
    }

private:
    template <class V, class Get>
    TPropInfo Typed(std::string_view name, Get get)
    {
        TPropInfo info;
        info.Name = name;
        info.Kind = RttiDetail::KindOf<V>();
        info.EnumType = RttiDetail::EnumTypeOf<V>();
        if constexpr (RttiDetail::IsHandler<V>::value) info.HandlerType = &typeid(V);
        info.Get = [get, type = info.EnumType](const TObject& o) {
            return RttiDetail::ToValue<V>(std::invoke(get, RttiDetail::Self<T>(o)), type);
        };
        return info;
    }

    template <class Get, class Set>
    void AddObject(std::string_view name, TObjectRole role, Get get, Set set)
    {
        using V = RttiDetail::GetResult<Get, T>;
        using P = typename RttiDetail::Pointee<V>::Type;
        static_assert(!std::is_const_v<P>, "object getters return non-const pointers");
        TPropInfo info;
        info.Name = name;
        info.Kind = TTypeKind::Class;
        info.Role = role;
        info.ClassType = &StaticClassInfoOf<P>;
        info.Get = [get](const TObject& o) -> TPropValue {
            if constexpr (std::is_base_of_v<TObject, V>) {
                // A sub-object held by value: its owner hands it out for change even when const.
                return static_cast<TObject*>(&std::invoke(get, const_cast<T&>(RttiDetail::Self<T>(o))));
            } else {
                return RttiDetail::AsObject(std::invoke(get, RttiDetail::Self<T>(o)));
            }
        };
        if constexpr (!std::is_null_pointer_v<Set>) {
            info.Set = [set](TObject& o, const TPropValue& v) {
                TObject* object = std::get<TObject*>(v);
                P* typed = dynamic_cast<P*>(object);
                if (object && !typed) {
                    throw EPropertyError(std::string("Invalid property value: a ") + object->ClassName() +
                                         " is not a " + std::string(StaticClassInfoOf<P>().Name()));
                }
                RttiDetail::Write(RttiDetail::Self<T>(o), set, typed);
            };
        }
        m_info.AddProperty(std::move(info));
    }

    template <class P>
    static TObject& Deref(P* p)
    {
        if (!p) throw EInvalidOperation("The collection gave no item");
        return *p;
    }
    template <class P>
    static TObject& Deref(P& p)
    {
        return p;
    }

    TClassInfo& m_info;
};

// Defines StaticClassInfo() and ClassName() for a class that used
// QZ_DECLARE_CLASS, and registers the class when the program starts.
#define QZ_IMPLEMENT_CLASS(Class)                                                             \
    const TClassInfo& Class::StaticClassInfo()                                                \
    {                                                                                         \
        static const TClassInfo info(#Class, &StaticClassInfoOf<Class::inherited>(), [](TClassInfo& i) { \
            TClassBuilder<Class> c(i);                                                        \
            Class::Publish(c);                                                                \
        });                                                                                   \
        return info;                                                                          \
    }                                                                                         \
    const char* Class::ClassName() const { return #Class; }                                   \
    [[maybe_unused]] static const TClassRegistration qzClassRegistration##Class(Class::StaticClassInfo())
