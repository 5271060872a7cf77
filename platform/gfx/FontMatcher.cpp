#include "platform/gfx/FontMatcher.h"

#include "platform/core/Exception.h"

namespace {

constexpr const char* kFallbackPattern = "sans-serif:lang=zh-cn";

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

std::optional<FaceLocation> LocationOf(const FcPattern* font)
{
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    int index = 0;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    return FaceLocation{reinterpret_cast<const char*>(file), index};
}

}  // namespace

FontMatcher::FontMatcher() : m_config(FcInitLoadConfigAndFonts())
{
    if (!m_config) throw EOutOfResources("Cannot load the fontconfig configuration");
}

FaceLocation FontMatcher::Match(const FaceRequest& request) const
{
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) throw EOutOfResources("Out of memory matching a font");
    const std::string family(request.Family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, request.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(m_config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    // The substitutions add the locale's language; drop it so that the main
    // face depends on the family name alone.
    FcPatternDel(pattern.get(), FC_LANG);

    FcResult result = FcResultNoMatch;
    const PatternPtr match(FcFontMatch(m_config.get(), pattern.get(), &result));
    const auto location = match ? LocationOf(match.get()) : std::nullopt;
    if (!location) throw EOutOfResources("No installed font matches \"" + family + "\"");
    return *location;
}

std::optional<std::size_t> FontMatcher::FallbackFor(char32_t cp, std::size_t from)
{
    if (!m_fallbacksLoaded) LoadFallbacks();
    for (std::size_t i = from; i < m_fallbacks.size(); ++i) {
        if (FcCharSetHasChar(m_fallbacks[i].Coverage, cp)) return i;
    }
    return std::nullopt;
}

void FontMatcher::LoadFallbacks()
{
    m_fallbacksLoaded = true;
    const PatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8*>(kFallbackPattern)));
    if (!pattern) return;
    FcConfigSubstitute(m_config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    // Trimming drops fonts that add no characters to those before them.
    m_sorted.reset(FcFontSort(m_config.get(), pattern.get(), FcTrue, nullptr, &result));
    if (!m_sorted) return;
    for (int i = 0; i < m_sorted->nfont; ++i) {
        const FcPattern* font = m_sorted->fonts[i];
        FcCharSet* coverage = nullptr;
        const auto location = LocationOf(font);
        if (!location || FcPatternGetCharSet(font, FC_CHARSET, 0, &coverage) != FcResultMatch) continue;
        m_fallbacks.push_back({*location, coverage});
    }
}
