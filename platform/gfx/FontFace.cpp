#include "platform/gfx/FontFace.h"

#include "platform/core/Exception.h"

#include FT_SIZES_H

#include <cstdlib>

FontFace::FontFace(FreeTypeHandle library, const std::string& path, int index) : m_library(std::move(library))
{
    if (FT_New_Face(m_library.get(), path.c_str(), index, &m_face) != 0)
        throw EOutOfResources("Cannot open font " + path);
}

FontFace::~FontFace() { FT_Done_Face(m_face); }

std::string FontFace::Family() const { return m_face->family_name ? m_face->family_name : ""; }

std::string FontFace::Style() const { return m_face->style_name ? m_face->style_name : ""; }

bool FontFace::IsBold() const { return (m_face->style_flags & FT_STYLE_FLAG_BOLD) != 0; }

bool FontFace::IsItalic() const { return (m_face->style_flags & FT_STYLE_FLAG_ITALIC) != 0; }

unsigned FontFace::GlyphIndex(char32_t cp) const { return FT_Get_Char_Index(m_face, cp); }

bool FontFace::Activate(int ppem)
{
    if (const auto it = m_sizes.find(ppem); it != m_sizes.end()) return FT_Activate_Size(it->second) == 0;

    if (m_sizes.size() >= kMaxSizes) {
        for (const auto& [_, size] : m_sizes) FT_Done_Size(size);
        m_sizes.clear();
    }
    FT_Size size = nullptr;
    if (FT_New_Size(m_face, &size) != 0) return false;
    if (FT_Activate_Size(size) != 0 || !SetPixelSize(ppem)) {
        FT_Done_Size(size);
        return false;
    }
    m_sizes.emplace(ppem, size);
    return true;
}

bool FontFace::SetPixelSize(int ppem)
{
    if (FT_IS_SCALABLE(m_face)) return FT_Set_Pixel_Sizes(m_face, 0, FT_UInt(ppem)) == 0;

    // A bitmap-only face offers fixed strikes: take the nearest one.
    int best = -1;
    for (int i = 0; i < m_face->num_fixed_sizes; ++i) {
        const auto distance = [&](int k) { return std::abs(int(m_face->available_sizes[k].y_ppem >> 6) - ppem); };
        if (best < 0 || distance(i) < distance(best)) best = i;
    }
    return best >= 0 && FT_Select_Size(m_face, best) == 0;
}
