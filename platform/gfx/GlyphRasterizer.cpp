#include "platform/gfx/GlyphRasterizer.h"

#include "platform/gfx/FontFace.h"

#include FT_OUTLINE_H

namespace {

constexpr FT_Pos kBoldStrength = 64;   // 26.6 units: one pixel wider
constexpr int kBoldExtraAdvance = 1;   // pixels, matching the wider strokes
constexpr FT_Fixed kObliqueSlant = 0x0366A;  // 16.16: about 12 degrees
constexpr std::size_t kMaxGlyphPixels = 1 << 20;  // refuse absurd bitmaps from a broken face

constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL;

bool LoadGlyph(FT_Face face, unsigned index)
{
    // Outlines first so that synthesis applies; a bitmap-only face still loads.
    return FT_Load_Glyph(face, index, kLoadFlags) == 0 || FT_Load_Glyph(face, index, FT_LOAD_TARGET_NORMAL) == 0;
}

void Synthesize(FT_GlyphSlot slot, GlyphSynthesis synthesis)
{
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
    if (synthesis.Italic) {
        const FT_Matrix slant{0x10000, kObliqueSlant, 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &slant);
    }
    if (synthesis.Bold) FT_Outline_EmboldenXY(&slot->outline, kBoldStrength, 0);
}

void CopyCoverage(const FT_Bitmap& bitmap, Glyph& glyph)
{
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return;
    const std::size_t pixels = std::size_t(bitmap.width) * bitmap.rows;
    if (pixels == 0 || pixels > kMaxGlyphPixels) return;

    glyph.Width = int(bitmap.width);
    glyph.Height = int(bitmap.rows);
    glyph.Coverage.resize(pixels);
    // A negative pitch means the rows are stored bottom-up.
    const unsigned char* top = bitmap.pitch < 0 ? bitmap.buffer - bitmap.pitch * (int(bitmap.rows) - 1) : bitmap.buffer;
    const unsigned maxGray = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
    for (int y = 0; y < glyph.Height; ++y) {
        const unsigned char* src = top + std::ptrdiff_t(y) * bitmap.pitch;
        std::uint8_t* dst = glyph.Coverage.data() + std::size_t(y) * bitmap.width;
        for (int x = 0; x < glyph.Width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else
                dst[x] = std::uint8_t(src[x] * 255u / maxGray);
        }
    }
}

}  // namespace

Glyph RasterizeGlyph(FontFace& face, unsigned index, int ppem, GlyphSynthesis synthesis)
{
    Glyph glyph;
    if (!face.Activate(ppem) || !LoadGlyph(face.Face(), index)) return glyph;

    const FT_GlyphSlot slot = face.Face()->glyph;
    Synthesize(slot, synthesis);
    const bool emboldened = synthesis.Bold && slot->format == FT_GLYPH_FORMAT_OUTLINE;
    glyph.Advance = int((slot->advance.x + 32) >> 6) + (emboldened ? kBoldExtraAdvance : 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    glyph.Left = slot->bitmap_left;
    glyph.Top = slot->bitmap_top;
    CopyCoverage(slot->bitmap, glyph);
    return glyph;
}
