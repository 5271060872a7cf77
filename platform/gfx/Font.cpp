#include "platform/gfx/Font.h"

#include "platform/core/Exception.h"
#include "platform/gfx/FontAliases.h"
#include "platform/gfx/FontScale.h"
#include "platform/gfx/FontSources.h"
#include "platform/gfx/GlyphRasterizer.h"

#include <map>
#include <optional>
#include <unordered_map>

namespace {

constexpr std::size_t kMaxCachedGlyphs = 2048;
constexpr std::size_t kMaxCachedGlyphBytes = 4 << 20;  // bytes of coverage

struct FaceSlot {
    std::shared_ptr<FontFace> Face;
    GlyphSynthesis Synthesis;
};

struct GlyphSource {
    FaceSlot* Slot = nullptr;
    unsigned Index = 0;
};

}  // namespace

struct Font::Impl {
    Impl(const FontDesc& desc, const FontSources& sources) : Desc(desc), Sources(sources)
    {
        const std::string_view alias = FontAliasFor(desc.Name);
        const FaceLocation location =
            Sources.Matcher->Match({alias.empty() ? std::string_view(desc.Name) : alias, desc.Bold, desc.Italic});
        Main = SlotFor(Sources.Faces->Open(location.Path, location.Index));
        Scale = ScaleFont(*Main.Face, desc.Height);
    }

    // Synthesises what the face lacks of the requested style.
    [[nodiscard]] FaceSlot SlotFor(std::shared_ptr<FontFace> face) const
    {
        const GlyphSynthesis synthesis{Desc.Bold && !face->IsBold(), Desc.Italic && !face->IsItalic()};
        return {std::move(face), synthesis};
    }

    // The fallback face at a position of the fallback list, opened on first
    // use; null when it cannot be opened.
    FaceSlot* Fallback(std::size_t position)
    {
        auto [it, added] = Fallbacks.try_emplace(position);
        if (added) {
            const FaceLocation& location = Sources.Matcher->Fallback(position);
            try {
                it->second = SlotFor(Sources.Faces->Open(location.Path, location.Index));
            } catch (const EOutOfResources&) {
                // A broken fallback font is skipped; the next one may do.
            }
        }
        return it->second ? &*it->second : nullptr;
    }

    // The main face when it has the character, else the first fallback face
    // that has it, else the main face's missing-glyph box.
    GlyphSource SourceFor(char32_t cp)
    {
        if (const unsigned index = Main.Face->GlyphIndex(cp)) return {&Main, index};
        for (auto position = Sources.Matcher->FallbackFor(cp, 0); position;
             position = Sources.Matcher->FallbackFor(cp, *position + 1)) {
            FaceSlot* slot = Fallback(*position);
            if (!slot) continue;
            if (const unsigned index = slot->Face->GlyphIndex(cp)) return {slot, index};
        }
        return {&Main, 0};
    }

    std::shared_ptr<const Glyph> GlyphFor(char32_t cp)
    {
        if (const auto it = Glyphs.find(cp); it != Glyphs.end()) return it->second;
        const GlyphSource source = SourceFor(cp);
        auto glyph = std::make_shared<const Glyph>(
            RasterizeGlyph(*source.Slot->Face, source.Index, Scale.Ppem, source.Slot->Synthesis));
        // Simple bound: start afresh when full. Callers hold their own references.
        if (Glyphs.size() >= kMaxCachedGlyphs || GlyphBytes + glyph->Coverage.size() > kMaxCachedGlyphBytes) {
            Glyphs.clear();
            GlyphBytes = 0;
        }
        GlyphBytes += glyph->Coverage.size();
        Glyphs.emplace(cp, glyph);
        return glyph;
    }

    FontDesc Desc;
    FontSources Sources;
    FaceSlot Main;
    FontScale Scale;
    std::map<std::size_t, std::optional<FaceSlot>> Fallbacks;  // by position in the fallback list
    std::unordered_map<char32_t, std::shared_ptr<const Glyph>> Glyphs;
    std::size_t GlyphBytes = 0;
};

namespace {

FaceInfo InfoOf(const FaceSlot& slot)
{
    return {slot.Face->Family(), slot.Face->Style(), slot.Synthesis.Bold, slot.Synthesis.Italic};
}

}  // namespace

Font::Font(const FontDesc& desc, const FontSources& sources) : m_impl(std::make_unique<Impl>(desc, sources)) {}

Font::~Font() = default;

const FontDesc& Font::Desc() const { return m_impl->Desc; }

const TTextMetric& Font::Metrics() const { return m_impl->Scale.Metrics; }

const FontDecorations& Font::Decorations() const { return m_impl->Scale.Decorations; }

int Font::EmSize() const { return m_impl->Scale.Ppem; }

FaceInfo Font::MainFace() const { return InfoOf(m_impl->Main); }

FaceInfo Font::FaceFor(char32_t cp) const { return InfoOf(*m_impl->SourceFor(cp).Slot); }

std::shared_ptr<const Glyph> Font::GlyphFor(char32_t cp) const { return m_impl->GlyphFor(cp); }
