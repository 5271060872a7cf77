// TBevel: the classic pixels of each shape and style, and the parent
// showing through everywhere the lines are not.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/controls/Bevel.h"

namespace uitest {
namespace {

enum class Ink { Shadow, Highlight, Parent };

struct BevelPixel {
    TBevelShape Shape;
    TBevelStyle Style;
    TPoint At;
    Ink Expected;
};

void PrintTo(const BevelPixel& p, std::ostream* os)
{
    *os << EnumInfoOf(p.Shape).NameOf(p.Shape) << "/" << EnumInfoOf(p.Style).NameOf(p.Style) << " at " << p.At.X
        << "," << p.At.Y;
}

class BevelPixelTest : public UiTest, public ::testing::WithParamInterface<BevelPixel> {};

// A 20 x 10 bevel on a red form.
TEST_P(BevelPixelTest, DrawsTheClassicPixel)
{
    TForm* form = ShownForm({0, 0, 100, 100});
    form->SetColor(clRed);
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetBounds(10, 10, 20, 10);
    bevel->SetShape(GetParam().Shape);
    bevel->SetStyle(GetParam().Style);
    Pump();
    const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
    const TColor expected = GetParam().Expected == Ink::Shadow      ? ColorToRGB(clBtnShadow)
                            : GetParam().Expected == Ink::Highlight ? ColorToRGB(clBtnHighlight)
                                                                    : clRed;
    EXPECT_EQ(ColorFromPixel(pixels.GetPixel(10 + GetParam().At.X, 10 + GetParam().At.Y)), expected);
}

constexpr Ink S = Ink::Shadow;
constexpr Ink H = Ink::Highlight;
constexpr Ink P = Ink::Parent;

INSTANTIATE_TEST_SUITE_P(
    Shapes, BevelPixelTest,
    ::testing::Values(
        // A lowered box: shadow above and left, highlight below and right;
        // the top-right corner is the bottom colour, the bottom-left the top one.
        BevelPixel{bsBox, bsLowered, {0, 0}, S}, BevelPixel{bsBox, bsLowered, {19, 0}, H},
        BevelPixel{bsBox, bsLowered, {0, 9}, S}, BevelPixel{bsBox, bsLowered, {19, 9}, H},
        BevelPixel{bsBox, bsLowered, {1, 1}, P}, BevelPixel{bsBox, bsRaised, {0, 0}, H},
        // A frame: a groove of two rectangles, one pixel apart.
        BevelPixel{bsFrame, bsLowered, {1, 1}, H}, BevelPixel{bsFrame, bsLowered, {18, 8}, S},
        BevelPixel{bsFrame, bsLowered, {19, 9}, H}, BevelPixel{bsFrame, bsLowered, {2, 2}, P},
        // Lines: two pixels wide along one side.
        BevelPixel{bsTopLine, bsLowered, {19, 1}, H}, BevelPixel{bsTopLine, bsLowered, {5, 2}, P},
        BevelPixel{bsBottomLine, bsLowered, {0, 8}, S}, BevelPixel{bsBottomLine, bsRaised, {5, 9}, S},
        BevelPixel{bsLeftLine, bsLowered, {1, 0}, H}, BevelPixel{bsRightLine, bsLowered, {18, 9}, S},
        // A spacer draws nothing.
        BevelPixel{bsSpacer, bsLowered, {0, 0}, P}));

}  // namespace
}  // namespace uitest
