#pragma once
// A font realised at one pixel size: its metrics, where its lines go, and
// its glyphs. The main face comes from the font's name (through the alias
// table, else fontconfig's best match); a character the main face lacks,
// such as Chinese text in a Latin face, comes from the first fallback face
// that has it. Fonts are made by a FontLibrary.

#include "platform/gfx/FontDesc.h"
#include "platform/gfx/Glyph.h"
#include "platform/gfx/TextMetric.h"

#include <memory>
#include <string>

struct FontSources;

// Which face draws a character, and what is synthesised on top of it.
struct FaceInfo {
    std::string Family;
    std::string Style;
    bool SyntheticBold = false;
    bool SyntheticItalic = false;
};

class Font {
public:
    // Throws EOutOfResources when no face can be opened for desc.
    Font(const FontDesc& desc, const FontSources& sources);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    [[nodiscard]] const FontDesc& Desc() const;
    [[nodiscard]] const TTextMetric& Metrics() const;
    [[nodiscard]] const FontDecorations& Decorations() const;
    [[nodiscard]] int EmSize() const;  // pixels

    [[nodiscard]] FaceInfo MainFace() const;
    [[nodiscard]] FaceInfo FaceFor(char32_t cp) const;

    // Glyphs are rendered once and cached; the cache is bounded, and a
    // returned glyph stays valid however the cache changes.
    [[nodiscard]] std::shared_ptr<const Glyph> GlyphFor(char32_t cp) const;
    [[nodiscard]] int Advance(char32_t cp) const { return GlyphFor(cp)->Advance; }

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
