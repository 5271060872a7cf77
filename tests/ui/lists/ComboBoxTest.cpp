// TComboBox: the parts GetComboBoxInfo reports, the keyboard while closed
// and open, the drop-down window's place (below, or above without room),
// its scrolling beyond DropDownCount, picking and cancelling with mouse and
// keys, OnChange only for the user's changes, the edit style, the classic
// look, and reading from a form description.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Strings.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/forms/FormReader.h"

namespace uitest {
namespace {

constexpr int kComboRow = 16;  // pixels, the item height the tests set
constexpr int kComboItems = 20;

TPoint Centre(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

class ComboBoxTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({100, 100, 500, 400});
        combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetStyle(csDropDownList);
        combo->SetBounds(20, 20, 120, 21);
        combo->SetItemHeight(kComboRow);
        for (int i = 0; i < kComboItems; ++i) combo->Items()->Add("Item " + IntToStr(i));
        combo->OnChange = [this](TObject*) { events.push_back("change " + IntToStr(combo->ItemIndex())); };
        combo->OnClick = [this](TObject*) { events.push_back("click"); };
        combo->OnDropDown = [this](TObject*) { events.push_back("dropdown"); };
        combo->OnCloseUp = [this](TObject*) { events.push_back("closeup"); };
        Pump();
        combo->SetFocus();
        Pump();
    }
    [[nodiscard]] COMBOBOXINFO Info() const
    {
        COMBOBOXINFO info;
        EXPECT_TRUE(GetComboBoxInfo(combo->WindowHandle(), info));
        return info;
    }
    [[nodiscard]] HWND List() const { return Info().hwndList; }
    [[nodiscard]] TRect ListRect() const
    {
        RECT rect;
        GetWindowRect(List(), rect);
        return rect;
    }
    [[nodiscard]] TRect ComboRect() const
    {
        RECT rect;
        GetWindowRect(combo->WindowHandle(), rect);
        return rect;
    }
    // The screen point of a row of the open list.
    [[nodiscard]] TPoint ListRowPoint(int row) const
    {
        POINT p{10, row * kComboRow + kComboRow / 2};
        ClientToScreen(List(), p);
        return p;
    }
    void ClickAt(TPoint screen)
    {
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        Desktop().InjectClick(screen);
        Pump();
    }
    [[nodiscard]] TColor At(TPoint client)
    {
        Pump();
        const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
        const TPoint p = combo->ClientOrigin() - form->ClientOrigin() + client;
        return ColorFromPixel(pixels.GetPixel(p.X, p.Y));
    }

    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(ComboBoxTest, ComboBoxInfoReportsTheButtonAndItemRectangles)
{
    combo->SetBounds(20, 20, 65, 21);
    const COMBOBOXINFO info = Info();
    EXPECT_EQ(info.rcButton, Rect(46, 2, 63, 19));
    EXPECT_EQ(info.rcItem, Rect(3, 3, 45, 18));
    EXPECT_EQ(info.hwndCombo, combo->WindowHandle());
    EXPECT_EQ(info.hwndItem, combo->WindowHandle()) << "the list style has no edit window";
    EXPECT_TRUE(IsWindow(info.hwndList));
    EXPECT_EQ(info.stateButton, 0u);
}

TEST_F(ComboBoxTest, ComboBoxInfoRefusesOtherWindowsAndBadRecords)
{
    COMBOBOXINFO info;
    EXPECT_FALSE(GetComboBoxInfo(form->WindowHandle(), info));
    EXPECT_FALSE(GetComboBoxInfo(nullptr, info));
    info.cbSize = 40;
    EXPECT_FALSE(GetComboBoxInfo(combo->WindowHandle(), info));
}

struct ComboKeyStep {
    WORD key;
    int index;  // ItemIndex afterwards
};

TEST_F(ComboBoxTest, KeysChangeTheSelectionWhileClosed)
{
    const ComboKeyStep steps[] = {{VK_DOWN, 0},  {VK_DOWN, 1},  {VK_END, 19}, {VK_DOWN, 19}, {VK_PRIOR, 12},
                             {VK_HOME, 0}, {VK_UP, 0},    {VK_NEXT, 7}, {VK_UP, 6}};
    for (const ComboKeyStep& step : steps) {
        PressKey(step.key);
        EXPECT_EQ(combo->ItemIndex(), step.index) << "key " << step.key;
    }
    EXPECT_EQ(events, (Events{"click", "change 0", "click", "change 1", "click", "change 19", "click", "change 12",
                              "click", "change 0", "click", "change 7", "click", "change 6"}));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Item 6");
}

TEST_F(ComboBoxTest, TypingTheFirstLetterSelectsTheNextMatch)
{
    combo->Items()->SetCommaText("Blue,MacOS,WinXP,black");
    Desktop().InjectText("b");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 0);
    Desktop().InjectText("B");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 3);
    Desktop().InjectText("w");
    Pump();
    EXPECT_EQ(combo->Text(), "WinXP");
}

TEST_F(ComboBoxTest, EnterAndEscapeAreLeftToTheFormWhileClosed)
{
    auto* ok = new TTestButton(form);
    ok->SetParent(form);
    ok->SetBounds(200, 20, 75, 25);
    ok->Default = true;
    combo->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_EQ(ok->Clicks, 1);
}

TEST_F(ComboBoxTest, ChangesInCodeFireNoEvents)
{
    combo->SetItemIndex(3);
    EXPECT_EQ(combo->Text(), "Item 3");
    combo->SetText("Item 5");
    EXPECT_EQ(combo->ItemIndex(), 5);
    combo->SetText("nothing like it");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->Items()->Clear();
    EXPECT_TRUE(events.empty());
}

TEST_F(ComboBoxTest, F4OpensTheListRightBelowTheComboBoxAndKeepsTheFocus)
{
    PressKey(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    const TRect box = ComboRect();
    const TRect list = ListRect();
    EXPECT_EQ(list, TRect::FromSize(box.Left, box.Bottom, box.Width(), 8 * kComboRow + 2));
    EXPECT_TRUE(IsWindowVisible(List()));
    EXPECT_NE(GetWindowLongPtr(List(), GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(GetParent(List()), form->WindowHandle()) << "owned by the form";
    EXPECT_EQ(GetFocus(), combo->WindowHandle());
    EXPECT_EQ(GetActiveWindow(), form->WindowHandle());
    EXPECT_EQ(GetCapture(), List());
    EXPECT_EQ(SendMessage(combo->WindowHandle(), CB_GETDROPPEDSTATE, 0, 0), TRUE);
    EXPECT_EQ(events, Events{"dropdown"});
}

TEST_F(ComboBoxTest, TheListOpensAboveWhenTheWorkAreaHasNoRoomBelow)
{
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    form->SetBounds(100, work.Bottom - 100, 400, 100);
    Pump();
    combo->SetDroppedDown(true);
    const TRect box = ComboRect();
    EXPECT_EQ(ListRect(), TRect::FromSize(box.Left, box.Top - (8 * kComboRow + 2), box.Width(), 8 * kComboRow + 2));
}

TEST_F(ComboBoxTest, TheListMovesSidewaysIntoTheWorkArea)
{
    form->SetBounds(1200, 100, 300, 200);
    Pump();
    combo->SetDroppedDown(true);
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(ListRect().Right, work.Right);
}

TEST_F(ComboBoxTest, AShortListShowsAllItemsWithoutAScrollBar)
{
    combo->Items()->SetCommaText("one,two,three");
    combo->SetDroppedDown(true);
    EXPECT_EQ(ListRect().Height(), 3 * kComboRow + 2);
    EXPECT_EQ(GetWindowLongPtr(List(), GWL_STYLE) & WS_VSCROLL, 0);
    combo->SetDroppedDown(false);
    combo->Items()->Clear();
    combo->SetDroppedDown(true);
    EXPECT_EQ(ListRect().Height(), kComboRow + 2) << "an empty list still shows one row";
}

TEST_F(ComboBoxTest, TheListScrollsBeyondDropDownCount)
{
    combo->SetItemIndex(15);
    PressKey(VK_F4);
    EXPECT_NE(GetWindowLongPtr(List(), GWL_STYLE) & WS_VSCROLL, 0);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(List(), SB_VERT, info);
    EXPECT_EQ(info.nMax, kComboItems - 1);
    EXPECT_EQ(info.nPage, 8u);
    EXPECT_EQ(info.nPos, 12) << "the selected item shows, as near the top as the last page allows";
    PressKey(VK_HOME);
    GetScrollInfo(List(), SB_VERT, info);
    EXPECT_EQ(info.nPos, 0);
    EXPECT_EQ(combo->ItemIndex(), 15) << "moving in the open list changes nothing yet";
    PressKey(VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboBoxTest, ThePressOnTheListsScrollBarScrollsAndKeepsItOpen)
{
    combo->SetDroppedDown(true);
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(List(), OBJID_VSCROLL, bar));
    ClickAt({bar.rcScrollBar.Left + 4, bar.rcScrollBar.Bottom - 4});
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(GetScrollPos(List(), SB_VERT), 1);
    EXPECT_EQ(GetCapture(), List()) << "the list has the capture back";
    Desktop().InjectMouseWheel(ListRowPoint(0), -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(GetScrollPos(List(), SB_VERT), 4);
}

TEST_F(ComboBoxTest, ClickingAnItemPicksIt)
{
    Click(combo);
    ASSERT_TRUE(combo->DroppedDown()) << "releasing on the button leaves the list open";
    EXPECT_EQ(Info().stateButton, 0u) << "the button comes up again with the mouse button";
    ClickAt(ListRowPoint(4));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(List()));
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(events, (Events{"dropdown", "click", "change 4", "closeup"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, ReleasingOverAnItemAfterPressingTheButtonPicksIt)
{
    const TPoint button = combo->ClientToScreen(Centre(Info().rcButton));
    Desktop().InjectMouseDown(button);
    Pump();
    EXPECT_EQ(Info().stateButton, DWORD(STATE_SYSTEM_PRESSED));
    Desktop().InjectMouseMove(ListRowPoint(2));
    Desktop().InjectMouseUp(ListRowPoint(2));
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, AClickOutsideClosesTheListWithoutAChange)
{
    auto* other = new TTestButton(form);
    other->SetParent(form);
    other->SetBounds(200, 150, 75, 25);
    Pump();
    Click(combo);
    Click(combo);
    EXPECT_FALSE(combo->DroppedDown()) << "a click on the combo box closes it too";
    events.clear();
    Click(combo);
    Desktop().InjectMouseMove(ListRowPoint(3));
    Pump();
    Click(other);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(other->Clicks, 0) << "the closing click goes no further";
    EXPECT_EQ(events, (Events{"dropdown", "closeup"}));
}

TEST_F(ComboBoxTest, EscapeClosesTheListWithoutAChange)
{
    combo->SetItemIndex(1);
    PressKey(VK_DOWN, {.alt = true});
    ASSERT_TRUE(combo->DroppedDown());
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(events, (Events{"dropdown", "closeup"}));
}

TEST_F(ComboBoxTest, TheHighlightFollowsThePointerAndAltUpPicksIt)
{
    PressKey(VK_F4);
    Desktop().InjectMouseMove(ListRowPoint(5));
    Pump();
    PressKey(VK_UP, {.alt = true});
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 5);
}

TEST_F(ComboBoxTest, TabPicksAndMovesTheFocusOn)
{
    auto* next = new TTestButton(form);
    next->SetParent(form);
    PressKey(VK_F4);
    PressKey(VK_DOWN);
    PressKey(VK_TAB);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(GetFocus(), next->WindowHandle());
}

TEST_F(ComboBoxTest, LettersMoveTheHighlightOfTheOpenList)
{
    combo->Items()->SetCommaText("Blue,MacOS,WinXP");
    PressKey(VK_F4);
    Desktop().InjectText("w");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), -1);
    PressKey(VK_RETURN);
    EXPECT_EQ(combo->Text(), "WinXP");
}

TEST_F(ComboBoxTest, LosingTheFocusClosesTheList)
{
    auto* other = new TTestButton(form);
    other->SetParent(form);
    combo->SetDroppedDown(true);
    other->SetFocus();
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_NE(GetCapture(), List());
}

TEST_F(ComboBoxTest, TheWheelStepsThroughTheItemsWhileClosed)
{
    combo->SetItemIndex(3);
    Desktop().InjectMouseWheel(ScreenPointOf(combo), -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 4);
    Desktop().InjectMouseWheel(ScreenPointOf(combo), 2 * WHEEL_DELTA);
    Pump();
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, TheButtonHasTheClassicRaisedLookWithAnArrow)
{
    combo->SetBounds(20, 20, 65, 21);
    const TRect button = Info().rcButton;
    EXPECT_EQ(At({0, 0}), ColorToRGB(clBtnShadow)) << "the sunken edge";
    EXPECT_EQ(At({button.Left + 1, button.Top + 1}), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At({button.Right - 1, button.Bottom - 1}), ColorToRGB(cl3DDkShadow));
    int ink = 0;
    for (int y = button.Top + 2; y < button.Bottom - 2; ++y)
        for (int x = button.Left + 2; x < button.Right - 2; ++x) ink += At({x, y}) == ColorToRGB(clBtnText);
    EXPECT_GT(ink, 3) << "the down arrow";
}

TEST_F(ComboBoxTest, TheFocusedItemFieldIsHighlighted)
{
    combo->SetItemIndex(0);
    const TRect item = Info().rcItem;
    EXPECT_EQ(At({item.Right - 2, item.Top + 2}), ColorToRGB(clHighlight));
    auto* other = new TTestButton(form);
    other->SetParent(form);
    other->SetFocus();
    EXPECT_EQ(At({item.Right - 2, item.Top + 2}), ColorToRGB(clWindow));
}

class ComboBoxEditTest : public ComboBoxTest {
protected:
    void SetUp() override
    {
        ComboBoxTest::SetUp();
        combo->SetStyle(csDropDown);
        edit = dynamic_cast<TCustomEdit*>(FindControl(Info().hwndItem));
        ASSERT_NE(edit, nullptr);
        edit->SetFocus();
        Pump();
        events.clear();
    }
    TCustomEdit* edit = nullptr;
};

TEST_F(ComboBoxEditTest, TypingChangesTheTextAndFiresOnChange)
{
    EXPECT_EQ(edit->BoundsRect(), Info().rcItem) << "the edit field fills the item rectangle";
    Desktop().InjectText("Item 7");
    Pump();
    EXPECT_EQ(combo->Text(), "Item 7");
    EXPECT_EQ(combo->ItemIndex(), 7) << "the typed text names an item";
    Desktop().InjectText("x");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(events.size(), 7u);
}

TEST_F(ComboBoxEditTest, UpAndDownInTheEditFieldSelectItems)
{
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Item 1");
    EXPECT_EQ(GetFocus(), edit->WindowHandle());
    PressKey(VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_EQ(combo->Text(), "Item 2");
}

TEST_F(ComboBoxEditTest, TabbingIntoTheComboBoxFocusesItsEditField)
{
    auto* before = new TTestButton(form);
    before->SetParent(form);
    before->SetTabOrder(0);
    before->SetFocus();
    Pump();
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), edit->WindowHandle());
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), before->WindowHandle()) << "one stop for the combo box and its edit field";
}

TEST_F(ComboBoxEditTest, TheEditFieldLosingTheFocusClosesTheList)
{
    auto* other = new TTestButton(form);
    other->SetParent(form);
    PressKey(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    other->SetFocus();
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    edit->SetFocus();
    PressKey(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    Desktop().InjectFocusOut(form->WindowHandle());
    Pump();
    EXPECT_FALSE(combo->DroppedDown()) << "another program took the focus";
}

TEST_F(ComboBoxEditTest, OnlyTheButtonOpensTheList)
{
    Click(combo, Centre(Info().rcItem));
    EXPECT_FALSE(combo->DroppedDown());
    Click(combo, Centre(Info().rcButton));
    EXPECT_TRUE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, AFormDescriptionSetsTheListStyleAndItems)
{
    RegisterClass(TComboBox::StaticClassInfo());
    auto* root = new TForm(&App());
    ReadForm(*root,
             "object frmLook: TForm\n"
             "  object sCb: TComboBox\n"
             "    Left = 200\n"
             "    Top = 208\n"
             "    Width = 65\n"
             "    Height = 21\n"
             "    Style = csDropDownList\n"
             "    ItemHeight = 13\n"
             "    ItemIndex = 2\n"
             "    Items.Strings = (\n"
             "      'BLUE'\n"
             "      'MACOS'\n"
             "      'WINXP')\n"
             "    TabOrder = 0\n"
             "  end\n"
             "end\n");
    auto* read = dynamic_cast<TComboBox*>(root->FindComponent("sCb"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Style(), csDropDownList);
    EXPECT_EQ(read->ItemHeight(), 13);
    EXPECT_EQ(read->Items()->CommaText(), "BLUE,MACOS,WINXP");
    EXPECT_EQ(read->ItemIndex(), 2);
    EXPECT_EQ(read->Text(), "WINXP");
}

}  // namespace
}  // namespace uitest
