#pragma once
// The class registry: class name -> TClassInfo. Names are compared without
// regard to ASCII case, as the classic framework does ("tsuibutton" finds
// TsuiButton). QZ_IMPLEMENT_CLASS registers each class when the program
// starts; RegisterClass may be called again (it is idempotent) to make sure a
// class that only form descriptions mention is linked in.

#include "platform/core/ClassInfo.h"

#include <string_view>

class TObject;
class TPersistent;

// Raises EInvalidOperation when another class already has the name.
void RegisterClass(const TClassInfo& info);

// The registered class of that name, or null.
[[nodiscard]] const TClassInfo* GetClass(std::string_view name);
// As GetClass; raises EReadError "Class <name> not found".
[[nodiscard]] const TClassInfo& FindClass(std::string_view name);

// The class of an object, found through its ClassName(); null when that
// class was never registered.
[[nodiscard]] const TClassInfo* ClassTypeOf(const TObject& object);
[[nodiscard]] bool InheritsFrom(const TObject& object, const TClassInfo& ancestor);

// T::StaticClassInfo(), also for the two root classes, which cannot declare it.
template <class T>
[[nodiscard]] const TClassInfo& StaticClassInfoOf()
{
    return T::StaticClassInfo();
}
template <>
[[nodiscard]] const TClassInfo& StaticClassInfoOf<TObject>();
template <>
[[nodiscard]] const TClassInfo& StaticClassInfoOf<TPersistent>();

// Registers a class during static initialisation.
struct TClassRegistration {
    explicit TClassRegistration(const TClassInfo& info) { RegisterClass(info); }
};
