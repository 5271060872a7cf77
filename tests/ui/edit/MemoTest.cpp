// TMemo driven through the headless desktop: Lines, the window's standard
// scroll bars as a skin reads and steers them (scroll info, bar state,
// WM_VSCROLL requests, clicks on the bar), the wheel, keys that move by
// rows and pages, Enter and Tab with and without WantReturns and WantTabs,
// word wrapping, Lines, and a form description.

#include "tests/ui/edit/EditTestSupport.h"

#include "platform/core/Strings.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/edit/Memo.h"
#include "platform/win/EditMessages.h"

namespace uitest {
namespace {

class MemoTest : public EditTestBase {
protected:
    void SetUp() override
    {
        EditTestBase::SetUp();
        memo = Add<TMemo>({10, 10, 210, 110});
        memo->OnChange = [this](TObject*) { ++changes; };
    }
    void AddLines(int count)
    {
        for (int i = 1; i <= count; ++i) memo->Lines()->Add("line " + std::to_string(i));
        Pump();
    }
    [[nodiscard]] SCROLLINFO VerticalInfo() const
    {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
        GetScrollInfo(memo->WindowHandle(), SB_VERT, info);
        return info;
    }
    [[nodiscard]] int FirstVisible() const { return int(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0)); }
    // Rows a memo client area of this height shows, by the text insets.
    [[nodiscard]] int RowsFor(int clientHeight) const
    {
        const int line = LineHeight(memo);
        return (clientHeight - (clientHeight >= line + 2 ? 1 : 0)) / line;
    }
    void Scroll(WORD request, WORD position = 0)
    {
        SendMessage(memo->WindowHandle(), WM_VSCROLL, MAKEWPARAM(request, position), 0);
    }

    TMemo* memo = nullptr;
    int changes = 0;
};

TEST_F(MemoTest, LinesAddAppendsWithoutMovingTheCaretOrTheView)
{
    memo->SetScrollBars(ssVertical);
    AddLines(100);
    EXPECT_EQ(memo->Lines()->Count(), 100);
    EXPECT_EQ(memo->Lines()->Strings(99), "line 100");
    EXPECT_EQ(memo->Text().substr(0, 14), "line 1\nline 2\n");
    EXPECT_EQ(memo->Text().back(), '\n') << "each added line ends with its break";
    EXPECT_EQ(memo->SelStart(), 0);
    EXPECT_EQ(FirstVisible(), 0);
    EXPECT_EQ(changes, 100);
}

TEST_F(MemoTest, ScrollInfoAfterAHundredLinesIsWhatTheSkinReads)
{
    memo->SetScrollBars(ssVertical);
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(memo->WindowHandle(), OBJID_VSCROLL, bar));
    EXPECT_EQ(bar.rgstate[0], DWORD(STATE_SYSTEM_UNAVAILABLE)) << "nothing to scroll yet";

    AddLines(100);
    const int page = RowsFor(memo->ClientHeight());
    const SCROLLINFO info = VerticalInfo();
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 100) << "101 rows: the last is the empty one after the last break";
    EXPECT_EQ(info.nPage, UINT(page));
    EXPECT_EQ(info.nPos, 0);
    EXPECT_EQ(info.nTrackPos, 0);
    ASSERT_TRUE(GetScrollBarInfo(memo->WindowHandle(), OBJID_VSCROLL, bar));
    EXPECT_EQ(bar.rgstate[0], 0u);
    EXPECT_GT(bar.xyThumbBottom - bar.xyThumbTop, 0);
    EXPECT_EQ(memo->ClientWidth(), 200 - 4 - GetSystemMetrics(SM_CXVSCROLL)) << "the bar takes from the client area";
}

TEST_F(MemoTest, ScrollRequestsMoveTheViewAndTheBar)
{
    memo->SetScrollBars(ssVertical);
    AddLines(100);
    const int page = RowsFor(memo->ClientHeight());
    const int last = 101 - page;
    Scroll(SB_LINEUP);
    EXPECT_EQ(FirstVisible(), 0);
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(FirstVisible(), 1);
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(FirstVisible(), 1 + page);
    Scroll(SB_PAGEUP);
    EXPECT_EQ(FirstVisible(), 1);
    Scroll(SB_THUMBPOSITION, 30);
    EXPECT_EQ(FirstVisible(), 30);
    EXPECT_EQ(VerticalInfo().nPos, 30);
    Scroll(SB_THUMBTRACK, 40);
    EXPECT_EQ(FirstVisible(), 40);
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(FirstVisible(), 40);
    Scroll(SB_BOTTOM);
    EXPECT_EQ(FirstVisible(), last);
    Scroll(SB_THUMBPOSITION, 500);
    EXPECT_EQ(FirstVisible(), last) << "clamped";
    Scroll(SB_TOP);
    EXPECT_EQ(VerticalInfo().nPos, 0);
    EXPECT_EQ(memo->SelStart(), 0) << "scrolling leaves the caret alone";
    memo->Perform(EM_LINESCROLL, 0, 5);
    EXPECT_EQ(FirstVisible(), 5);
}

TEST_F(MemoTest, AClickOnTheBarsDownArrowScrollsOneRow)
{
    memo->SetScrollBars(ssVertical);
    AddLines(100);
    SCROLLBARINFO bar;
    GetScrollBarInfo(memo->WindowHandle(), OBJID_VSCROLL, bar);
    const TPoint arrow{(bar.rcScrollBar.Left + bar.rcScrollBar.Right) / 2,
                       bar.rcScrollBar.Bottom - bar.dxyLineButton / 2};
    Desktop().InjectClick(arrow);
    Pump();
    EXPECT_EQ(FirstVisible(), 1);
    EXPECT_EQ(VerticalInfo().nPos, 1);
}

TEST_F(MemoTest, TheWheelScrollsThreeRowsANotch)
{
    memo->SetScrollBars(ssVertical);
    AddLines(100);
    Focus(memo);
    const TPoint over = ScreenPointOf(memo);
    Desktop().InjectMouseWheel(over, -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(FirstVisible(), TCustomMemo::kWheelRows);
    Desktop().InjectMouseWheel(over, -WHEEL_DELTA / 2);
    Pump();
    EXPECT_EQ(FirstVisible(), 3) << "half a notch waits";
    Desktop().InjectMouseWheel(over, -WHEEL_DELTA / 2);
    Pump();
    EXPECT_EQ(FirstVisible(), 6);
    Desktop().InjectMouseWheel(over, 4 * WHEEL_DELTA);
    Pump();
    EXPECT_EQ(FirstVisible(), 0);
}

TEST_F(MemoTest, KeysMoveTheCaretByRowsAndPagesAndTheViewFollows)
{
    memo->SetScrollBars(ssVertical);
    AddLines(100);
    const int page = RowsFor(memo->ClientHeight());
    Focus(memo);
    PressKey(VK_END);
    PressKey(VK_DOWN);
    EXPECT_EQ(memo->SelStart(), 7 + 6) << "the column is kept where the next line is as long";
    PressKey(VK_NEXT);
    EXPECT_EQ(FirstVisible(), page) << "a page key scrolls a page";
    PressKey(VK_END, {.control = true});
    EXPECT_EQ(memo->SelStart(), int(memo->Text().size()));
    EXPECT_EQ(FirstVisible(), 101 - page);
    PressKey(VK_HOME, {.shift = true, .control = true});
    EXPECT_EQ(memo->SelLength(), int(memo->Text().size()));
    EXPECT_EQ(FirstVisible(), 0);
    PressKey(VK_UP);
    EXPECT_EQ(memo->SelStart(), 0);
}

TEST_F(MemoTest, AClickPutsTheCaretOnTheRowUnderIt)
{
    memo->Lines()->Add("first");
    memo->Lines()->Add("second");
    const int line = LineHeight(memo);
    Click(memo, TPoint{memo->ClientWidth() - 2, 1 + line + line / 2});
    EXPECT_EQ(memo->SelStart(), 6 + 6) << "the end of the second line";
    Click(memo, TPoint{memo->ClientWidth() - 2, memo->ClientHeight() - 1});
    EXPECT_EQ(memo->SelStart(), int(memo->Text().size())) << "below the text: its last row";
}

TEST_F(MemoTest, EnterTypesALineBreakOnlyWithWantReturns)
{
    Focus(memo);
    Type("a");
    PressKey(VK_RETURN);
    Type("b");
    EXPECT_EQ(memo->Text(), "a\nb");
    EXPECT_EQ(memo->Lines()->Count(), 2);

    auto* ok = Add<TTestButton>({250, 10, 325, 35});
    ok->Default = true;
    PressKey(VK_RETURN);
    EXPECT_EQ(ok->Clicks, 0) << "the memo keeps Enter";
    EXPECT_EQ(memo->Text(), "a\nb\n");
    memo->SetWantReturns(false);
    PressKey(VK_RETURN);
    EXPECT_EQ(ok->Clicks, 1);
    ok->Default = false;
    PressKey(VK_RETURN);
    EXPECT_EQ(memo->Text(), "a\nb\n") << "an Enter nobody takes types nothing either";
    PressKey(VK_RETURN, {.control = true});
    EXPECT_EQ(memo->Text(), "a\nb\n\n") << "Ctrl+Enter always types one";
}

TEST_F(MemoTest, TabMovesTheFocusUnlessWantTabs)
{
    auto* next = Add<TTestButton>({250, 10, 325, 35});
    Focus(memo);
    PressKey(VK_TAB);
    EXPECT_TRUE(next->Focused());
    memo->SetWantTabs(true);
    Focus(memo);
    PressKey(VK_TAB);
    EXPECT_TRUE(memo->Focused());
    EXPECT_EQ(memo->Text(), "\t");
}

TEST_F(MemoTest, WordWrapBreaksLongLinesAtTheClientWidth)
{
    memo->SetScrollBars(ssBoth);
    memo->SetText("one two three four five six seven eight nine ten eleven twelve");
    const LRESULT wrapped = memo->Perform(EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(wrapped, 1);
    SCROLLINFO h;
    h.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(memo->WindowHandle(), SB_HORZ, h);
    EXPECT_EQ(h.nMax + 1, int(h.nPage)) << "nothing to scroll sideways while wrapping";

    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 1);
    GetScrollInfo(memo->WindowHandle(), SB_HORZ, h);
    EXPECT_GT(h.nMax + 1, int(h.nPage));
    SendMessage(memo->WindowHandle(), WM_HSCROLL, SB_RIGHT, 0);
    EXPECT_EQ(GetScrollPos(memo->WindowHandle(), SB_HORZ), h.nMax + 1 - int(h.nPage));
    memo->SetWordWrap(true);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), wrapped);
    EXPECT_EQ(GetScrollPos(memo->WindowHandle(), SB_HORZ), 0);
}

TEST_F(MemoTest, ScrollBarsComeAndGoWithTheWindowStyle)
{
    const HWND hwnd = memo->WindowHandle();
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(GetWindowLongPtr(hwnd, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
    memo->SetScrollBars(ssBoth);
    EXPECT_EQ(GetWindowLongPtr(hwnd, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), LONG_PTR(WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(memo->ClientRect(), Rect(0, 0, 196 - bar, 96 - GetSystemMetrics(SM_CYHSCROLL)));
    memo->SetScrollBars(ssHorizontal);
    EXPECT_EQ(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_VSCROLL, 0);
    memo->SetScrollBars(ssNone);
    EXPECT_EQ(memo->ClientRect(), Rect(0, 0, 196, 96));
    EXPECT_EQ(memo->WindowHandle(), hwnd) << "the window stays";
}

TEST_F(MemoTest, LinesChangeTheTextLineByLine)
{
    TStrings& lines = *memo->Lines();
    lines.Add("b");
    lines.Insert(0, "a");
    lines.Add("c");
    EXPECT_EQ(memo->Text(), "a\nb\nc\n");
    lines.SetString(1, "B");
    lines.Delete(0);
    EXPECT_EQ(lines.Text(), "B\nc\n");
    EXPECT_THROW(lines.Delete(2), EListError);
    memo->SetText("no break");
    lines.Add("after");
    EXPECT_EQ(memo->Text(), "no break\nafter");
    lines.Delete(1);
    EXPECT_EQ(lines.Count(), 1);
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(memo->Text(), "");
}

TEST_F(MemoTest, AFormDescriptionFillsLinesAndSetsTheMemosProperties)
{
    RegisterClass(TMemo::StaticClassInfo());
    ReadForm(*form, "object f: TForm\n"
                    "  object m: TMemo\n"
                    "    Left = 5\n    Top = 6\n    Width = 120\n    Height = 80\n"
                    "    Lines.Strings = (\n      '第一行'\n      'second')\n"
                    "    ReadOnly = True\n    ScrollBars = ssVertical\n    WordWrap = False\n  end\nend\n");
    auto* read = dynamic_cast<TMemo*>(form->FindComponent("m"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Lines()->Count(), 2);
    EXPECT_EQ(read->Lines()->Strings(0), "第一行");
    EXPECT_EQ(read->ScrollBars(), ssVertical);
    EXPECT_FALSE(read->WordWrap());
    EXPECT_TRUE(read->ReadOnly());
    EXPECT_NE(GetWindowLongPtr(read->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
}

}  // namespace
}  // namespace uitest
