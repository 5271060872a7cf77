#include "platform/core/Resources.h"

#include "platform/core/Exception.h"
#include "platform/core/ResourceStringTable.h"
#include "platform/core/SysUtils.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

// What every registered table holds, keyed by kind and upper-case name.
struct TResourceIndex {
    std::vector<const TResourceTable*> Tables;
    std::unordered_map<std::string, std::span<const std::uint8_t>> Resources;
    std::unordered_map<std::string, std::string> Strings;
};

TResourceIndex& Index()
{
    static TResourceIndex index;
    return index;
}

std::string Key(TResourceKind kind, std::string_view name)
{
    return std::to_string(int(kind)) + ':' + UpperCase(name);
}

std::span<const std::uint8_t> BytesOf(const TResourceEntry& entry)
{
    const auto size = std::size_t(reinterpret_cast<std::uintptr_t>(entry.End) -
                                  reinterpret_cast<std::uintptr_t>(entry.Begin));
    return {reinterpret_cast<const std::uint8_t*>(entry.Begin), size};
}

const char* KindName(TResourceKind kind)
{
    switch (kind) {
    case TResourceKind::Bitmap: return "Bitmap";
    case TResourceKind::Form: return "Form";
    case TResourceKind::Icon: return "Icon";
    case TResourceKind::StringTable: return "String table";
    case TResourceKind::Data: return "Data";
    }
    return "Unknown";
}

}  // namespace

void RegisterResources(const TResourceTable& table)
{
    TResourceIndex& index = Index();
    if (std::find(index.Tables.begin(), index.Tables.end(), &table) != index.Tables.end()) return;
    // Read every string table first, so that a malformed one leaves the index as it was.
    std::vector<TResourceString> strings;
    for (const TResourceEntry& entry : table.Entries) {
        if (entry.Kind != TResourceKind::StringTable) continue;
        for (TResourceString& s : ParseStringTable(ResourceText(BytesOf(entry)), entry.Name)) {
            strings.push_back(std::move(s));
        }
    }
    for (const TResourceEntry& entry : table.Entries) {
        index.Resources.insert_or_assign(Key(entry.Kind, entry.Name), BytesOf(entry));
    }
    for (TResourceString& s : strings) index.Strings.insert_or_assign(UpperCase(s.Name), std::move(s.Text));
    index.Tables.push_back(&table);
}

std::optional<std::span<const std::uint8_t>> FindResource(TResourceKind kind, std::string_view name)
{
    const auto& resources = Index().Resources;
    const auto it = resources.find(Key(kind, name));
    if (it == resources.end()) return std::nullopt;
    return it->second;
}

std::span<const std::uint8_t> LoadResource(TResourceKind kind, std::string_view name)
{
    const auto bytes = FindResource(kind, name);
    if (!bytes) throw EResNotFound(std::string(KindName(kind)) + " resource " + std::string(name) + " not found");
    return *bytes;
}

std::string_view ResourceText(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::optional<std::string_view> FindResString(std::string_view id)
{
    const auto& strings = Index().Strings;
    const auto it = strings.find(UpperCase(id));
    if (it == strings.end()) return std::nullopt;
    return it->second;
}

std::string LoadResString(std::string_view id)
{
    const auto text = FindResString(id);
    if (!text) throw EResNotFound("String resource " + std::string(id) + " not found");
    return std::string(*text);
}
