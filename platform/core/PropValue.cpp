#include "platform/core/PropValue.h"

#include "platform/core/EnumInfo.h"

std::string_view TEnumValue::Name() const
{
    return Type ? Type->NameOf(Ordinal) : std::string_view();
}

std::string TSetValue::ToString() const
{
    return Type ? SetToString(*Type, Bits) : std::string("[]");
}
