#include "platform/core/PropInfo.h"

const char* DescribeTypeKind(TTypeKind kind)
{
    switch (kind) {
    case TTypeKind::Integer: return "an integer";
    case TTypeKind::Int64: return "a 64-bit integer";
    case TTypeKind::Boolean: return "a boolean";
    case TTypeKind::Enumeration: return "an enumeration";
    case TTypeKind::Set: return "a set";
    case TTypeKind::String: return "a string";
    case TTypeKind::Float: return "a float";
    case TTypeKind::Color: return "a colour";
    case TTypeKind::Class: return "an object";
    case TTypeKind::Method: return "an event";
    }
    return "an unknown";
}
