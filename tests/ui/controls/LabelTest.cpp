// TLabel: sizing to its text (one line, wrapped, right-aligned), where the
// text lands (alignment, layout), transparency, the disabled look, '&'
// accelerators that focus another control; and IsAccel itself.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/controls/Label.h"

namespace uitest {
namespace {

// Accelerators: the character after a single '&', ASCII letters in either case.
struct AccelCase {
    char32_t Key;
    const char* Caption;
    bool Expected;
};

class IsAccelTest : public ::testing::TestWithParam<AccelCase> {};

TEST_P(IsAccelTest, FindsTheMarkedCharacter)
{
    EXPECT_EQ(IsAccel(GetParam().Key, GetParam().Caption), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Captions, IsAccelTest,
                         ::testing::Values(AccelCase{U'o', "&Open", true}, AccelCase{U'O', "&open", true},
                                           AccelCase{U'p', "&Open", false}, AccelCase{U'o', "Open", false},
                                           AccelCase{U'&', "A&&B", false}, AccelCase{U'b', "A&&B", false},
                                           AccelCase{U'b', "A&&&B", true}, AccelCase{U'x', "x&", false},
                                           AccelCase{U'文', "中&文", true}, AccelCase{U'中', "中&文", false}));

class LabelTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 300, 200});
        form->SetColor(clRed);
        label = new TLabel(form);
        label->SetParent(form);
        label->SetLeft(20);
        label->SetTop(20);
        label->Font()->SetColor(clBlack);
        Pump();
    }
    // The extent of text in the label's font.
    [[nodiscard]] TSize Extent(const std::string& text) const
    {
        TBitmap bitmap(1, 1);
        bitmap.Canvas()->SetFont(label->Font());
        return bitmap.Canvas()->TextExtent(text);
    }
    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    // Pixels of the label's rectangle (label coordinates) in colour.
    [[nodiscard]] int CountIn(const TRect& area, TColor color)
    {
        const PixelBuffer pixels = Capture();
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += ColorFromPixel(pixels.GetPixel(label->Left() + x, label->Top() + y)) == color;
        return count;
    }
    [[nodiscard]] int InkIn(const TRect& area) { return CountIn(area, clBlack); }
    TForm* form = nullptr;
    TLabel* label = nullptr;
};

TEST_F(LabelTest, AutoSizeTakesTheSizeOfTheText)
{
    label->SetCaption("Hello 标签");
    EXPECT_EQ(label->Width(), Extent("Hello 标签").cx);
    EXPECT_EQ(label->Height(), Extent("Hello 标签").cy);
    // An empty caption still stands one line high.
    label->SetCaption("");
    EXPECT_EQ(label->Height(), Extent(" ").cy);
    label->SetAutoSize(false);
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->Width(), Extent(" ").cx);
}

TEST_F(LabelTest, WordWrapGrowsTheHeightAndFitsTheWidthToTheWidestLine)
{
    const int line = Extent("W").cy;
    label->SetWordWrap(true);
    label->SetWidth(70);
    label->SetCaption("one two three four five");
    EXPECT_LE(label->Width(), 70);
    EXPECT_GE(label->Height(), 3 * line);
    EXPECT_EQ(label->Height() % line, 0);
}

TEST_F(LabelTest, ARightAlignedLabelKeepsItsRightEdgeWhenItSizes)
{
    label->SetAlignment(taRightJustify);
    label->SetCaption("ab");
    const int right = label->Left() + label->Width();
    label->SetCaption("abcdefgh");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_GT(label->Width(), Extent("ab").cx);
}

TEST_F(LabelTest, AmpersandsUnderlineUnlessShowAccelCharIsOff)
{
    label->SetCaption("A&B");
    EXPECT_EQ(label->Width(), Extent("AB").cx);
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), Extent("A&B").cx);
}

TEST_F(LabelTest, AlignmentAndLayoutPlaceTheTextInsideAFixedRectangle)
{
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 120, 60);
    label->SetCaption("Ww");
    const int textWidth = Extent("Ww").cx;
    const int textHeight = Extent("Ww").cy;
    EXPECT_GT(InkIn({0, 0, textWidth, textHeight}), 0);
    EXPECT_EQ(InkIn({textWidth, 0, 120, 60}), 0);
    label->SetAlignment(taRightJustify);
    EXPECT_EQ(InkIn({0, 0, 120 - textWidth, 60}), 0);
    label->SetAlignment(taCenter);
    label->SetLayout(tlBottom);
    EXPECT_EQ(InkIn({0, 0, 120, 60 - textHeight}), 0);
    EXPECT_GT(InkIn({60 - textWidth, 60 - textHeight, 60 + textWidth, 60}), 0);
    label->SetLayout(tlCenter);
    EXPECT_EQ(InkIn({0, 0, 120, (60 - textHeight) / 2}), 0);
    EXPECT_EQ(InkIn({0, (60 + textHeight) / 2 + 1, 120, 60}), 0);
}

TEST_F(LabelTest, AnOpaqueLabelFillsWithItsColourATransparentOneShowsTheParent)
{
    label->SetCaption("x");
    const TRect all{0, 0, label->Width(), label->Height()};
    EXPECT_EQ(label->Color(), clRed) << "the parent's colour";
    label->SetColor(clLime);
    EXPECT_GT(CountIn(all, clLime), 0);
    label->SetTransparent(true);
    EXPECT_EQ(CountIn(all, clLime), 0);
    EXPECT_GT(CountIn(all, clRed), 0);
}

TEST_F(LabelTest, ADisabledLabelIsEtched)
{
    label->SetCaption("Hello");
    const TRect all{0, 0, label->Width() + 1, label->Height() + 1};
    EXPECT_EQ(CountIn(all, ColorToRGB(clBtnShadow)), 0);
    label->SetEnabled(false);
    EXPECT_EQ(InkIn(all), 0);
    EXPECT_GT(CountIn(all, ColorToRGB(clBtnShadow)), 0);
    EXPECT_GT(CountIn(all, ColorToRGB(clBtnHighlight)), 0);
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControl)
{
    auto* first = new TTestButton(form);
    first->SetParent(form);
    first->SetBounds(10, 100, 75, 25);
    auto* target = new TTestButton(form);
    target->SetParent(form);
    target->SetBounds(100, 100, 75, 25);
    label->SetCaption("&Name");
    label->SetFocusControl(target);
    first->SetFocus();
    Pump();
    Desktop().InjectText("n");
    Pump();
    EXPECT_EQ(GetFocus(), target->WindowHandle());
    // The reference goes with the control.
    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

}  // namespace
}  // namespace uitest
