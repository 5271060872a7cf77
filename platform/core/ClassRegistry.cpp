#include "platform/core/ClassRegistry.h"

#include "platform/core/Exception.h"
#include "platform/core/Object.h"
#include "platform/core/SysUtils.h"

#include <string>
#include <unordered_map>

namespace {

// Keyed by the upper-case name; holds the root classes from the start.
std::unordered_map<std::string, const TClassInfo*>& Registry()
{
    static std::unordered_map<std::string, const TClassInfo*> registry = {
        {"TOBJECT", &StaticClassInfoOf<TObject>()},
        {"TPERSISTENT", &StaticClassInfoOf<TPersistent>()},
    };
    return registry;
}

}  // namespace

template <>
const TClassInfo& StaticClassInfoOf<TObject>()
{
    static const TClassInfo info("TObject", nullptr);
    return info;
}

template <>
const TClassInfo& StaticClassInfoOf<TPersistent>()
{
    static const TClassInfo info("TPersistent", &StaticClassInfoOf<TObject>());
    return info;
}

void RegisterClass(const TClassInfo& info)
{
    const auto [it, added] = Registry().try_emplace(UpperCase(info.Name()), &info);
    if (!added && it->second != &info) {
        throw EInvalidOperation("A class named " + std::string(info.Name()) + " is already registered");
    }
}

const TClassInfo* GetClass(std::string_view name)
{
    const auto& registry = Registry();
    const auto it = registry.find(UpperCase(name));
    return it == registry.end() ? nullptr : it->second;
}

const TClassInfo& FindClass(std::string_view name)
{
    const TClassInfo* info = GetClass(name);
    if (!info) throw EClassNotFound("Class " + std::string(name) + " not found");
    return *info;
}

const TClassInfo* ClassTypeOf(const TObject& object)
{
    return GetClass(object.ClassName());
}

bool InheritsFrom(const TObject& object, const TClassInfo& ancestor)
{
    const TClassInfo* info = ClassTypeOf(object);
    return info && info->InheritsFrom(ancestor);
}
