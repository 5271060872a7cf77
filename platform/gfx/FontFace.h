#pragma once
// Internal to platform/gfx: one FreeType face opened from a font file, with
// one size object per pixel size. Only .cpp files of this folder include
// this header, which keeps FreeType out of the public ones.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <string>

using FreeTypeHandle = std::shared_ptr<FT_LibraryRec_>;

class FontFace {
public:
    // Throws EOutOfResources when FreeType cannot open the face.
    FontFace(FreeTypeHandle library, const std::string& path, int index);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    [[nodiscard]] FT_Face Face() const { return m_face; }
    [[nodiscard]] std::string Family() const;
    [[nodiscard]] std::string Style() const;
    [[nodiscard]] bool IsBold() const;
    [[nodiscard]] bool IsItalic() const;
    // 0 when the face has no glyph for cp.
    [[nodiscard]] unsigned GlyphIndex(char32_t cp) const;

    // Makes the size object for ppem current, creating it on first use.
    // False when the face cannot be set to that size.
    bool Activate(int ppem);

private:
    static constexpr std::size_t kMaxSizes = 16;  // size objects kept per face

    bool SetPixelSize(int ppem);

    FreeTypeHandle m_library;  // first member: outlives the face
    FT_Face m_face = nullptr;
    std::map<int, FT_Size> m_sizes;  // pixel size -> size object, freed with the face
};
