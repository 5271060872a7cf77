#include "platform/gfx/FontLibrary.h"

#include "platform/gfx/FontSources.h"

#include <map>
#include <tuple>

namespace {

constexpr std::size_t kMaxCachedFonts = 64;

struct SpecLess {
    bool operator()(const FontDesc& a, const FontDesc& b) const
    {
        return std::tie(a.Name, a.Height, a.Bold, a.Italic, a.Underline, a.StrikeOut) <
               std::tie(b.Name, b.Height, b.Bold, b.Italic, b.Underline, b.StrikeOut);
    }
};

}  // namespace

struct FontLibrary::Impl {
    FontSources Sources{std::make_shared<FontFaceCache>(), std::make_shared<FontMatcher>()};
    std::map<FontDesc, std::shared_ptr<const Font>, SpecLess> Fonts;

    // Drops the fonts nobody else holds; if all are held, forgets them all
    // (their holders keep them alive).
    void MakeRoom()
    {
        if (Fonts.size() < kMaxCachedFonts) return;
        std::erase_if(Fonts, [](const auto& entry) { return entry.second.use_count() == 1; });
        if (Fonts.size() >= kMaxCachedFonts) Fonts.clear();
    }
};

FontLibrary::FontLibrary() : m_impl(std::make_unique<Impl>()) {}

FontLibrary::~FontLibrary() = default;

FontLibrary& FontLibrary::Default()
{
    static FontLibrary library;
    return library;
}

std::shared_ptr<const Font> FontLibrary::GetFont(const FontDesc& desc)
{
    if (const auto it = m_impl->Fonts.find(desc); it != m_impl->Fonts.end()) return it->second;
    auto font = std::make_shared<const Font>(desc, m_impl->Sources);
    m_impl->MakeRoom();
    m_impl->Fonts.emplace(desc, font);
    return font;
}

std::string FontLibrary::ResolveFamily(std::string_view name)
{
    FontDesc desc;
    desc.Name = std::string(name);
    return GetFont(desc)->MainFace().Family;
}
