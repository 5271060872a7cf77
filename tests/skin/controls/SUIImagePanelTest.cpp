// TsuiImagePanel: pictures at their size, stretched and tiled; the parent
// behind a transparent panel; the size taken from the picture; the caption.

#include "SkinControlTest.h"
#include "tests/support/BitmapPictures.h"

#include "platform/ui/graphics/Picture.h"
#include "skin/controls/SUIImagePanel.h"

namespace skintest {
namespace {

// The captured pixels as a text picture ('?' for colours without a letter).
std::string TextOf(const PixelBuffer& pixels)
{
    std::string text = "\n";
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            const TColor color = ColorFromPixel(pixels.At(x, y));
            char c = '?';
            for (const char k : std::string(".#rgbf"))
                if (bitmaptest::ColorOfChar(k) == color) c = k;
            text += c;
        }
        text += '\n';
    }
    return text;
}

class ImagePanelTest : public SkinControlTest {
protected:
    void SetUp() override
    {
        panel = Make<TsuiImagePanel>("sipPicture1", {10, 10, 16, 14});
        panel->SetColor(clWhite);
    }
    void SetPicture(const std::string& text)
    {
        TPicture picture;
        picture.SetBitmap(bitmaptest::BitmapOf(text).get());
        panel->SetPicture(&picture);
    }
    [[nodiscard]] int InkCount()
    {
        const PixelBuffer pixels = Shot(panel);
        int ink = 0;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x) ink += ColorFromPixel(pixels.At(x, y)) != clWhite;
        return ink;
    }
    TsuiImagePanel* panel = nullptr;
};

struct DrawStyleCase {
    TsuiDrawStyle style;
    const char* expected;
};

class ImagePanelDrawStyleTest : public ImagePanelTest, public ::testing::WithParamInterface<DrawStyleCase> {};

TEST_P(ImagePanelDrawStyleTest, ThePictureCoversThePanelAsTheStyleSays)
{
    SetPicture("rg\nb#\n");
    panel->SetDrawStyle(GetParam().style);
    EXPECT_EQ(TextOf(Shot(panel)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, ImagePanelDrawStyleTest,
                         ::testing::Values(DrawStyleCase{suiNormal, R"(
rg....
b#....
......
......
)"},
                                           DrawStyleCase{suiStretch, R"(
rrrggg
rrrggg
bbb###
bbb###
)"},
                                           DrawStyleCase{suiTile, R"(
rgrgrg
b#b#b#
rgrgrg
b#b#b#
)"}));

TEST_F(ImagePanelTest, ATransparentPanelWithoutPictureShowsItsParent)
{
    Form()->SetColor(clRed);
    panel->SetColor(clBlue);
    EXPECT_EQ(TextOf(Shot(panel)), "\nbbbbbb\nbbbbbb\nbbbbbb\nbbbbbb\n");
    panel->SetTransparent(true);
    EXPECT_EQ(TextOf(Shot(panel)), "\nrrrrrr\nrrrrrr\nrrrrrr\nrrrrrr\n");
}

TEST_F(ImagePanelTest, ATransparentPictureLeavesItsKeyColourToTheParent)
{
    Form()->SetColor(clRed);
    SetPicture("#g\ngf\n");  // the bottom-left pixel (g) is the key
    panel->SetTransparent(true);
    panel->SetDrawStyle(suiTile);
    EXPECT_EQ(TextOf(Shot(panel)), "\n#r#r#r\nrfrfrf\n#r#r#r\nrfrfrf\n");
}

struct AutoSizeCase {
    TAlign align;
    TSize expected;
};

class ImagePanelAutoSizeTest : public ImagePanelTest, public ::testing::WithParamInterface<AutoSizeCase> {};

TEST_P(ImagePanelAutoSizeTest, TakesThePictureSizeOnlyWhereAlignLeavesItFree)
{
    panel->SetAlign(GetParam().align);
    const TSize before{panel->Width(), panel->Height()};
    panel->SetAutoSize(true);
    SetPicture("rrr\nggg\n");
    const TSize expected{GetParam().expected.cx < 0 ? before.cx : GetParam().expected.cx,
                         GetParam().expected.cy < 0 ? before.cy : GetParam().expected.cy};
    EXPECT_EQ(panel->Width(), expected.cx);
    EXPECT_EQ(panel->Height(), expected.cy);
}

// -1: the side keeps what alignment gave it.
INSTANTIATE_TEST_SUITE_P(Aligns, ImagePanelAutoSizeTest,
                         ::testing::Values(AutoSizeCase{alNone, {3, 2}}, AutoSizeCase{alTop, {-1, 2}},
                                           AutoSizeCase{alLeft, {3, -1}}, AutoSizeCase{alClient, {-1, -1}}));

TEST_F(ImagePanelTest, TheCaptionIsCentredUnlessBothPositionsAreGiven)
{
    panel->SetBounds(10, 10, 120, 40);
    panel->SetCaption("WW");
    const std::string centred = TextOf(Shot(panel));
    EXPECT_NE(centred, TextOf(PixelBuffer(120, 40, PixelFromColor(clWhite))));
    panel->SetCaptionPosX(5);
    EXPECT_EQ(TextOf(Shot(panel)), centred) << "one position alone still aligns";
    panel->SetAlignment(taLeftJustify);
    const std::string left = TextOf(Shot(panel));
    EXPECT_NE(left, centred);
    panel->SetCaptionPosY(0);
    const PixelBuffer placed = Shot(panel);
    bool inkInTopRows = false;
    for (int x = 0; x < 120; ++x) inkInTopRows |= ColorFromPixel(placed.At(x, 2)) != clWhite;
    EXPECT_TRUE(inkInTopRows) << "the caption's top-left goes to (5, 0)";
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_EQ(ColorFromPixel(placed.At(x, y)), clWhite) << x << "," << y;
}

TEST_F(ImagePanelTest, ACaptionOfBlanksDrawsNothing)
{
    panel->SetBounds(10, 10, 60, 20);
    panel->SetCaption("   ");
    EXPECT_EQ(InkCount(), 0);
    panel->SetCaption(" x ");
    EXPECT_GT(InkCount(), 0);
}

}  // namespace
}  // namespace skintest
