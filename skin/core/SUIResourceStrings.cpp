#include "skin/core/SUIResourceStrings.h"

#include "platform/core/Exception.h"
#include "platform/core/Resources.h"

#include <array>
#include <string_view>

namespace {

struct TStringName {
    int Id;
    std::string_view Name;
};

// The names the strings have in resources/strings.txt.
constexpr std::array<TStringName, 3> kStringNames{{
    {SUI_TITLE_MENUITEM_MINIMIZE, "SUI_TITLE_MENUITEM_MINIMIZE"},
    {SUI_TITLE_MENUITEM_MAXIMIZE, "SUI_TITLE_MENUITEM_MAXIMIZE"},
    {SUI_TITLE_MENUITEM_CLOSE, "SUI_TITLE_MENUITEM_CLOSE"},
}};

}  // namespace

std::string SUILoadStr(int id)
{
    for (const TStringName& entry : kStringNames) {
        if (entry.Id == id) return LoadResString(entry.Name);
    }
    throw EResNotFound("String resource " + std::to_string(id) + " not found");
}
