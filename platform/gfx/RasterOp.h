#pragma once
// Raster operations: how a pen, brush or source pixel mixes with the pixel
// already in the target. Binary operations (pen modes, the classic R2_*
// codes) combine pen P and destination D; ternary operations (the classic
// blit codes) combine pattern P, source S and destination D. Both are truth
// tables applied to every colour bit. Every pixel written is opaque.

#include "platform/core/Color.h"

#include <cstdint>

// Pen modes in the framework's order.
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

// The classic mix-mode codes (SetROP2).
enum : int {
    R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT, R2_XORPEN, R2_NOTMASKPEN,
    R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN, R2_COPYPEN, R2_MERGEPENNOT, R2_MERGEPEN, R2_WHITE
};

using TRop3 = std::uint32_t;

// The classic blit codes; bits 16..23 hold the truth table.
constexpr TRop3 SRCCOPY = 0x00CC0020;
constexpr TRop3 SRCPAINT = 0x00EE0086;
constexpr TRop3 SRCAND = 0x008800C6;
constexpr TRop3 SRCINVERT = 0x00660046;
constexpr TRop3 SRCERASE = 0x00440328;
constexpr TRop3 NOTSRCCOPY = 0x00330008;
constexpr TRop3 NOTSRCERASE = 0x001100A6;
constexpr TRop3 MERGECOPY = 0x00C000CA;
constexpr TRop3 MERGEPAINT = 0x00BB0226;
constexpr TRop3 PATCOPY = 0x00F00021;
constexpr TRop3 PATPAINT = 0x00FB0A09;
constexpr TRop3 PATINVERT = 0x005A0049;
constexpr TRop3 DSTINVERT = 0x00550009;
constexpr TRop3 BLACKNESS = 0x00000042;
constexpr TRop3 WHITENESS = 0x00FF0062;

constexpr TPixel kOpaque = 0xFF000000u;
constexpr TPixel kColorBits = 0x00FFFFFFu;

[[nodiscard]] constexpr int ROP2FromPenMode(TPenMode m)
{
    constexpr int kCodes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,         R2_COPYPEN,    R2_NOTCOPYPEN,
                              R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,   R2_NOTMERGEPEN,
                              R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return kCodes[m];
}

// Unknown codes give pmCopy.
[[nodiscard]] constexpr TPenMode PenModeFromROP2(int rop2)
{
    for (int m = pmBlack; m <= pmNotXor; ++m)
        if (ROP2FromPenMode(TPenMode(m)) == rop2) return TPenMode(m);
    return pmCopy;
}

[[nodiscard]] constexpr TPixel MaskIf(unsigned table, unsigned bit) { return ((table >> bit) & 1u) ? ~TPixel(0) : 0; }

// Pen P over destination D. Bit (P << 1 | D) of the table (R2 code - 1)
// gives the result.
[[nodiscard]] constexpr TPixel ApplyPenMode(TPenMode m, TPixel p, TPixel d)
{
    const unsigned t = unsigned(ROP2FromPenMode(m) - 1);
    const TPixel r = (~p & ~d & MaskIf(t, 0)) | (~p & d & MaskIf(t, 1)) | (p & ~d & MaskIf(t, 2)) | (p & d & MaskIf(t, 3));
    return kOpaque | (r & kColorBits);
}

[[nodiscard]] constexpr unsigned Rop3Table(TRop3 rop) { return (rop >> 16) & 0xFFu; }
[[nodiscard]] constexpr bool Rop3UsesSource(TRop3 rop) { return ((Rop3Table(rop) >> 2) ^ Rop3Table(rop)) & 0x33u; }
[[nodiscard]] constexpr bool Rop3UsesPattern(TRop3 rop) { return ((Rop3Table(rop) >> 4) ^ Rop3Table(rop)) & 0x0Fu; }

// Pattern P, source S, destination D. Bit (P << 2 | S << 1 | D) of the table
// gives the result.
[[nodiscard]] constexpr TPixel ApplyRop3(unsigned table, TPixel p, TPixel s, TPixel d)
{
    TPixel r = 0;
    for (unsigned bit = 0; bit < 8; ++bit) {
        if (!((table >> bit) & 1u)) continue;
        r |= ((bit & 4) ? p : ~p) & ((bit & 2) ? s : ~s) & ((bit & 1) ? d : ~d);
    }
    return kOpaque | (r & kColorBits);
}
