// TListBox: keyboard and mouse selection with OnClick only for the user's
// changes, first-letter search, the standard scroll bar kept in step with
// the rows (arrows, wheel, scroll messages), item painting, and reading
// from a form description.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Strings.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/lists/ListBox.h"

namespace uitest {
namespace {

constexpr int kRow = 16;    // pixels, the item height the tests set
constexpr int kRows = 5;    // rows the list shows
constexpr int kItems = 20;

class ListBoxTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 300, 300});
        list = new TListBox(form);
        list->SetParent(form);
        list->SetItemHeight(kRow);
        // The sunken client edge takes two pixels on each side.
        list->SetBounds(10, 10, 120, kRows * kRow + 4);
        for (int i = 0; i < kItems; ++i) list->Items()->Add("Item " + IntToStr(i));
        list->OnClick = [this](TObject*) { ++clicks; };
        list->OnDblClick = [this](TObject*) { ++doubleClicks; };
        Pump();
        list->SetFocus();
        Pump();
    }
    [[nodiscard]] TPoint RowPoint(int row) const { return {20, row * kRow + kRow / 2}; }
    [[nodiscard]] SCROLLINFO ScrollInfo() const
    {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(list->WindowHandle(), SB_VERT, info);
        return info;
    }
    [[nodiscard]] bool HasScrollBar() const
    {
        return (GetWindowLongPtr(list->WindowHandle(), GWL_STYLE) & WS_VSCROLL) != 0;
    }
    [[nodiscard]] TColor At(int x, int y)
    {
        Pump();
        const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
        const TPoint p = list->ClientOrigin() - form->ClientOrigin() + TPoint{x, y};
        return ColorFromPixel(pixels.GetPixel(p.X, p.Y));
    }

    TForm* form = nullptr;
    TListBox* list = nullptr;
    int clicks = 0;
    int doubleClicks = 0;
};

struct KeyStep {
    WORD key;
    int index;  // ItemIndex afterwards
    int top;    // TopIndex afterwards
};

TEST_F(ListBoxTest, NavigationKeysMoveTheSelectionAndKeepItInView)
{
    const KeyStep steps[] = {
        {VK_DOWN, 0, 0},  {VK_DOWN, 1, 0},    {VK_NEXT, 5, 1},  {VK_NEXT, 9, 5},  {VK_END, 19, 15},
        {VK_DOWN, 19, 15}, {VK_PRIOR, 15, 15}, {VK_UP, 14, 14}, {VK_HOME, 0, 0}, {VK_UP, 0, 0},
    };
    int expectedClicks = 0;
    int last = -1;
    for (const KeyStep& step : steps) {
        PressKey(step.key);
        EXPECT_EQ(list->ItemIndex(), step.index) << "key " << step.key;
        EXPECT_EQ(list->TopIndex(), step.top) << "key " << step.key;
        expectedClicks += step.index != last;
        last = step.index;
    }
    EXPECT_EQ(clicks, expectedClicks) << "OnClick comes once for each change, never for none";
}

TEST_F(ListBoxTest, ArrowsStayWithTheListInsteadOfMovingTheFocus)
{
    auto* other = new TTestButton(form);
    other->SetParent(form);
    other->SetBounds(150, 10, 75, 25);
    list->SetFocus();
    PressKey(VK_DOWN);
    PressKey(VK_RIGHT);
    EXPECT_TRUE(list->Focused());
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(ListBoxTest, TypingALetterFindsTheNextItemStartingWithIt)
{
    list->Items()->SetCommaText("Apple,banana,Avocado,cherry,苹果");
    Desktop().InjectText("a");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 0);
    Desktop().InjectText("A");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 2);
    Desktop().InjectText("a");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 0) << "the search wraps round";
    Desktop().InjectText("B");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 1);
    Desktop().InjectText("z");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 1) << "no match leaves the selection";
    Desktop().InjectText("苹");
    Pump();
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_EQ(clicks, 5) << "one for each change";
}

TEST_F(ListBoxTest, SettingItemIndexInCodeScrollsButFiresNothing)
{
    list->SetItemIndex(12);
    EXPECT_EQ(list->ItemIndex(), 12);
    EXPECT_EQ(list->TopIndex(), 8);
    list->SetItemIndex(kItems);
    EXPECT_EQ(list->ItemIndex(), -1) << "out of range selects nothing";
    EXPECT_EQ(clicks, 0);
}

TEST_F(ListBoxTest, ClickingSelectsTheItemUnderThePointer)
{
    list->SetTopIndex(3);
    Click(list, RowPoint(2));
    EXPECT_EQ(list->ItemIndex(), 5);
    EXPECT_EQ(clicks, 1);
    Click(list, RowPoint(2));
    EXPECT_EQ(clicks, 1) << "the same item again is no change";
    DoubleClick(list, RowPoint(4));
    EXPECT_EQ(list->ItemIndex(), 7);
    EXPECT_EQ(doubleClicks, 1);
    list->Items()->SetCommaText("one,two");
    Click(list, RowPoint(3));
    DoubleClick(list, RowPoint(3));
    EXPECT_EQ(list->ItemIndex(), -1) << "below the last item there is nothing to select";
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListBoxTest, DraggingWithTheButtonHeldFollowsThePointer)
{
    Desktop().InjectMouseDown(ScreenPointOf(list, RowPoint(0)));
    Desktop().InjectMouseMove(ScreenPointOf(list, RowPoint(3)));
    Pump();
    EXPECT_EQ(list->ItemIndex(), 3);
    Desktop().InjectMouseMove(ScreenPointOf(list, TPoint{20, kRows * kRow + 2}));
    Pump();
    EXPECT_EQ(list->ItemIndex(), 5) << "below the rows the next item comes into view";
    EXPECT_EQ(list->TopIndex(), 1);
    Desktop().InjectMouseUp(ScreenPointOf(list, RowPoint(3)));
    Pump();
    EXPECT_EQ(clicks, 3);
}

TEST_F(ListBoxTest, TheScrollBarShowsOnlyWhileThereIsSomethingToScroll)
{
    EXPECT_TRUE(HasScrollBar());
    SCROLLINFO info = ScrollInfo();
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, kItems - 1);
    EXPECT_EQ(info.nPage, UINT(kRows));
    list->SetTopIndex(100);
    EXPECT_EQ(list->TopIndex(), kItems - kRows) << "the last page stays full";
    EXPECT_EQ(ScrollInfo().nPos, kItems - kRows);
    list->Items()->SetCommaText("one,two,three");
    EXPECT_FALSE(HasScrollBar());
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxTest, ScrollRequestsMoveTheRows)
{
    const HWND hwnd = list->WindowHandle();
    SendMessage(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(list->TopIndex(), 1);
    SendMessage(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(list->TopIndex(), 1 + kRows);
    SendMessage(hwnd, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(list->TopIndex(), kItems - kRows);
    SendMessage(hwnd, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(list->TopIndex(), 0);
    // A press on the bar's down arrow: the window system tracks it and asks for a line.
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(hwnd, OBJID_VSCROLL, bar));
    Desktop().AdvanceClock(GetDoubleClickTime() + 1);
    Desktop().InjectClick({bar.rcScrollBar.Left + 4, bar.rcScrollBar.Bottom - 4});
    Pump();
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(ScrollInfo().nPos, 1);
    EXPECT_EQ(clicks, 0) << "scrolling selects nothing";
}

TEST_F(ListBoxTest, TheWheelScrollsThreeRowsANotch)
{
    Desktop().InjectMouseWheel(ScreenPointOf(list), -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(list->TopIndex(), TCustomListBox::kWheelRows);
    Desktop().InjectMouseWheel(ScreenPointOf(list), WHEEL_DELTA / 2);
    Pump();
    EXPECT_EQ(list->TopIndex(), TCustomListBox::kWheelRows) << "half a notch waits for the other half";
    Desktop().InjectMouseWheel(ScreenPointOf(list), WHEEL_DELTA / 2);
    Pump();
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxTest, ChangingTheItemsDropsASelectionThatIsGone)
{
    list->SetItemIndex(15);
    list->Items()->Delete(19);
    EXPECT_EQ(list->ItemIndex(), 15);
    list->Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(ListBoxTest, TheItemHeightFollowsTheFontUntilItIsSet)
{
    list->SetItemHeight(0);
    const int small = list->ItemHeight();
    EXPECT_GT(small, 0);
    list->Font()->SetHeight(-24);
    EXPECT_GT(list->ItemHeight(), small);
    list->SetItemHeight(30);
    EXPECT_EQ(list->ItemHeight(), 30);
}

TEST_F(ListBoxTest, TheSelectedRowIsPaintedInTheHighlightColour)
{
    list->SetItemIndex(1);
    const int right = list->ClientWidth() - 3;
    EXPECT_EQ(At(right, kRow + 1), ColorToRGB(clHighlight));
    EXPECT_EQ(At(right, 2 * kRow + 1), ColorToRGB(clWindow));
    EXPECT_EQ(At(right, kRow - 1), ColorToRGB(clWindow));
    // The sunken client edge: dark above, light below.
    EXPECT_EQ(At(-2, -2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(-2, list->ClientHeight() + 1), ColorToRGB(clBtnHighlight));
}

TEST_F(ListBoxTest, TheFocusedListFramesTheSelectedRow)
{
    list->SetItemIndex(2);
    const TRect row = list->ItemRect(2);
    // The dotted frame inverts every other pixel of the row's outline.
    int inverted = 0;
    for (int x = row.Left; x < row.Right; ++x) inverted += At(x, row.Top) != ColorToRGB(clHighlight);
    EXPECT_GT(inverted, row.Width() / 3);
    form->FocusControl(nullptr);
    inverted = 0;
    for (int x = row.Left; x < row.Right; ++x) inverted += At(x, row.Top) != ColorToRGB(clHighlight);
    EXPECT_EQ(inverted, 0);
}

TEST_F(ListBoxTest, AFormDescriptionSetsTheIndexBeforeTheItems)
{
    RegisterClass(TListBox::StaticClassInfo());
    auto* root = new TForm(&App());
    ReadForm(*root,
             "object frmList: TForm\n"
             "  object lstNames: TListBox\n"
             "    ItemHeight = 13\n"
             "    ItemIndex = 1\n"
             "    Items.Strings = (\n"
             "      'first'\n"
             "      'second')\n"
             "  end\n"
             "end\n");
    auto* read = dynamic_cast<TListBox*>(root->FindComponent("lstNames"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Items()->CommaText(), "first,second");
    EXPECT_EQ(read->ItemIndex(), 1);
    EXPECT_EQ(read->ItemHeight(), 13);
}

}  // namespace
}  // namespace uitest
