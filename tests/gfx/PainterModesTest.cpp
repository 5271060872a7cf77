#include "platform/gfx/Painter.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr TPixel kPen = 0xFF5A3C0Fu;
constexpr TPixel kDest = 0xFF33F00Fu;
constexpr TPixel kSource = 0xFF0FCC55u;

TPixel Opaque(TPixel p) { return 0xFF000000u | (p & 0x00FFFFFFu); }

struct PenModeCase {
    TPenMode Mode;
    TPixel Expected;
};

class PenModes : public testing::TestWithParam<PenModeCase> {};

}  // namespace

TEST_P(PenModes, MixThePenWithTheDestination)
{
    PixelBuffer b(2, 1, kDest);
    Painter p(b);
    p.SetPen({.Color = ColorFromPixel(kPen)});
    p.SetPenMode(GetParam().Mode);
    p.MoveTo(0, 0);
    p.LineTo(2, 0);
    EXPECT_EQ(b.At(1, 0), Opaque(GetParam().Expected));
    EXPECT_EQ(p.GetROP2(), ROP2FromPenMode(GetParam().Mode));
}

INSTANTIATE_TEST_SUITE_P(Painter, PenModes,
                         testing::Values(PenModeCase{pmBlack, 0}, PenModeCase{pmWhite, ~0u},
                                         PenModeCase{pmNop, kDest}, PenModeCase{pmNot, ~kDest},
                                         PenModeCase{pmCopy, kPen}, PenModeCase{pmNotCopy, ~kPen},
                                         PenModeCase{pmMergePenNot, kPen | ~kDest},
                                         PenModeCase{pmMaskPenNot, kPen & ~kDest},
                                         PenModeCase{pmMergeNotPen, ~kPen | kDest},
                                         PenModeCase{pmMaskNotPen, ~kPen & kDest}, PenModeCase{pmMerge, kPen | kDest},
                                         PenModeCase{pmNotMerge, ~(kPen | kDest)}, PenModeCase{pmMask, kPen & kDest},
                                         PenModeCase{pmNotMask, ~(kPen & kDest)}, PenModeCase{pmXor, kPen ^ kDest},
                                         PenModeCase{pmNotXor, ~(kPen ^ kDest)}));

TEST(PainterModes, ROP2CodesMapToPenModes)
{
    PixelBuffer b(1, 1);
    Painter p(b);
    EXPECT_EQ(p.SetROP2(R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(p.State().Mode, pmXor);
    EXPECT_EQ(p.SetROP2(R2_MASKNOTPEN), R2_XORPEN);
    EXPECT_EQ(p.State().Mode, pmMaskNotPen);
    EXPECT_EQ(p.SetROP2(999), R2_MASKNOTPEN);
    EXPECT_EQ(p.State().Mode, pmCopy);
}

namespace {

struct RopCase {
    TRop3 Rop;
    TPixel Expected;  // from the brush kPen, the source kSource and kDest
};

class RasterOps : public testing::TestWithParam<RopCase> {};

}  // namespace

TEST_P(RasterOps, CombinePatternSourceAndDestination)
{
    const PixelBuffer source(1, 1, kSource);
    PixelBuffer b(3, 1, kDest);
    Painter p(b);
    p.SetBrush({.Color = ColorFromPixel(kPen)});
    EXPECT_TRUE(p.BitBlt(1, 0, 1, 1, &source, 0, 0, GetParam().Rop));
    EXPECT_EQ(b.At(1, 0), Opaque(GetParam().Expected));
    EXPECT_EQ(b.At(0, 0), kDest);
    EXPECT_EQ(b.At(2, 0), kDest);
}

constexpr TPixel P = kPen;
constexpr TPixel S = kSource;
constexpr TPixel D = kDest;

INSTANTIATE_TEST_SUITE_P(Painter, RasterOps,
                         testing::Values(RopCase{SRCCOPY, S}, RopCase{SRCPAINT, S | D}, RopCase{SRCAND, S & D},
                                         RopCase{SRCINVERT, S ^ D}, RopCase{SRCERASE, S & ~D},
                                         RopCase{NOTSRCCOPY, ~S}, RopCase{NOTSRCERASE, ~(S | D)},
                                         RopCase{MERGECOPY, P & S}, RopCase{MERGEPAINT, ~S | D},
                                         RopCase{PATCOPY, P}, RopCase{PATPAINT, P | ~S | D},
                                         RopCase{PATINVERT, P ^ D}, RopCase{DSTINVERT, ~D}, RopCase{BLACKNESS, 0},
                                         RopCase{WHITENESS, ~0u}));
