// TEdit driven through the headless desktop: typing (Chinese from an input
// method too), keys that move and select, the clipboard keys, read-only,
// password and length limits, the mouse, entering from the keyboard,
// scrolling sideways, the input method's place, the EM_* messages, the
// classic sunken frame in pixels, and reading one from a form description.

#include "tests/ui/edit/EditTestSupport.h"

#include "platform/ui/edit/Edit.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/win/EditMessages.h"

namespace uitest {
namespace {

class EditTest : public EditTestBase {
protected:
    void SetUp() override
    {
        EditTestBase::SetUp();
        edit = Add<TEdit>({10, 10, 160, 31});
        edit->OnChange = [this](TObject*) { ++changes; };
    }
    TEdit* edit = nullptr;
    int changes = 0;
};

TEST_F(EditTest, TypedTextGoesInAtTheCaretAndEveryChangeFiresOnChange)
{
    Focus(edit);
    Type("abc");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(edit->Modified());
    PressKey(VK_LEFT);
    Type("X");
    PressKey(VK_BACK);
    PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "ac");
    edit->SetText("program");
    EXPECT_EQ(changes, 7) << "the program's changes fire it too";
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(EditTest, ChineseFromAnInputMethodMovesAndDeletesWholeCharacters)
{
    Focus(edit);
    Type("中文输入");
    EXPECT_EQ(edit->Text(), "中文输入");
    EXPECT_EQ(edit->SelStart(), 4) << "code points, not bytes";
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "中输入");
    Shift(VK_RIGHT);
    EXPECT_EQ(edit->SelText(), "输");
}

TEST_F(EditTest, ShiftWithMovingKeysSelectsAndPlainArrowsCollapse)
{
    edit->SetText("hello world");
    Focus(edit);
    PressKey(VK_HOME);
    Shift(VK_END);
    EXPECT_EQ(edit->SelLength(), 11);
    PressKey(VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0) << "Left leaves the selection at its start";
    PressKey(VK_RIGHT, {.shift = true, .control = true});
    EXPECT_EQ(edit->SelText(), "hello ");
    PressKey(VK_END);
    PressKey(VK_LEFT, {.control = true});
    EXPECT_EQ(edit->SelStart(), 6);
    PressKey(VK_HOME, {.shift = true});
    EXPECT_EQ(edit->SelText(), "hello ");
}

TEST_F(EditTest, ClipboardKeysCutCopyPasteAndUndo)
{
    edit->SetText("one two");
    Focus(edit);
    Ctrl('A');
    Ctrl('C');
    EXPECT_EQ(GetClipboardText(), "one two");
    PressKey(VK_END);
    Shift(VK_LEFT);
    Shift(VK_LEFT);
    Shift(VK_LEFT);
    Ctrl('X');
    EXPECT_EQ(edit->Text(), "one ");
    EXPECT_EQ(GetClipboardText(), "two");
    PressKey(VK_HOME);
    Ctrl('V');
    EXPECT_EQ(edit->Text(), "twoone ");
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "one ");
    EXPECT_EQ(edit->SelText(), "") << "undoing a paste takes it out";
    Shift(VK_INSERT);
    EXPECT_EQ(edit->Text(), "twoone ");
    PressKey(VK_DELETE, {.shift = true});
    EXPECT_EQ(edit->Text(), "twoone ") << "nothing selected: nothing to cut";
}

TEST_F(EditTest, ReadOnlyKeepsTheTextButLetsTheUserSelectAndCopy)
{
    edit->SetText("fixed");
    edit->SetReadOnly(true);
    changes = 0;
    Focus(edit);
    SetClipboardText("pasted");
    Type("x");
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    Ctrl('V');
    Ctrl('A');
    Ctrl('X');
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), "fixed");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(edit->SelLength(), 5);
    Ctrl('C');
    EXPECT_EQ(GetClipboardText(), "fixed");
    EXPECT_EQ(edit->Color(), clWindow) << "read-only does not grey the box";
}

TEST_F(EditTest, APasswordEditShowsOnlyItsCharacterAndKeepsItsText)
{
    auto* shown = Add<TEdit>({10, 50, 160, 71});
    auto* elsewhere = Add<TTestButton>({200, 10, 275, 35});
    edit->SetPasswordChar(U'*');
    Focus(edit);
    Type("secret");
    SetClipboardText("before");
    Ctrl('A');
    Ctrl('C');
    Ctrl('X');
    EXPECT_EQ(GetClipboardText(), "before");
    EXPECT_EQ(edit->Text(), "secret");
    shown->SetText("******");
    Focus(elsewhere);
    const PixelBuffer pixels = Capture();
    for (int x = 0; x < edit->Width(); ++x)
        for (int y = 0; y < edit->Height(); ++y)
            ASSERT_EQ(PixelOf(pixels, edit, x, y), PixelOf(pixels, shown, x, y)) << "at " << x << ", " << y;
}

TEST_F(EditTest, MaxLengthLimitsTheUserButNotTheProgram)
{
    edit->SetMaxLength(4);
    Focus(edit);
    Type("ab中文字");
    EXPECT_EQ(edit->Text(), "ab中文");
    SetClipboardText("zz");
    Ctrl('V');
    EXPECT_EQ(edit->Text(), "ab中文");
    edit->SetText("0123456789");
    EXPECT_EQ(edit->Text(), "0123456789");
}

TEST_F(EditTest, AClickFocusesAndPlacesTheCaretADragSelects)
{
    edit->SetText("hello world");
    const int right = edit->ClientWidth() - 2;
    Click(edit, TPoint{right, 5});
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 11) << "past the text's end: the end";
    EXPECT_EQ(edit->SelLength(), 0) << "entering by a click does not select all";
    Click(edit, TPoint{0, 5});
    EXPECT_EQ(edit->SelStart(), 0);

    Desktop().AdvanceClock(GetDoubleClickTime() + 1);
    Desktop().InjectMouseDown(edit->ClientToScreen({right, 5}), win::MouseButton::Left, {.shift = true});
    Desktop().InjectMouseUp(edit->ClientToScreen({right, 5}));
    Pump();
    EXPECT_EQ(edit->SelLength(), 11) << "Shift and a click select up to the click";

    const int afterHello = TEdit::kTextInset + TextWidth(edit, "hello");
    Desktop().AdvanceClock(GetDoubleClickTime() + 1);
    Desktop().InjectMouseDown(edit->ClientToScreen({afterHello, 5}));
    Desktop().InjectMouseMove(edit->ClientToScreen({right, 5}));
    Desktop().InjectMouseUp(edit->ClientToScreen({right, 5}));
    Pump();
    EXPECT_EQ(edit->SelText(), " world");

    DoubleClick(edit, TPoint{right, 5});
    EXPECT_EQ(edit->SelText(), "world") << "a double click selects the word";
}

TEST_F(EditTest, EnteringFromTheKeyboardSelectsEverythingWithAutoSelect)
{
    auto* second = Add<TEdit>({10, 50, 160, 71});
    second->SetText("all of it");
    Focus(edit);
    PressKey(VK_TAB);
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(second->SelLength(), 9);
    second->SetAutoSelect(false);
    second->SetSelStart(0);
    PressKey(VK_TAB, {.shift = true});
    PressKey(VK_TAB);
    EXPECT_EQ(second->SelLength(), 0);
}

TEST_F(EditTest, EnterGoesToTheDefaultButtonArrowsStayInTheEdit)
{
    auto* ok = Add<TTestButton>({200, 10, 275, 35});
    ok->Default = true;
    edit->SetText("ab");
    Focus(edit);
    PressKey(VK_RETURN);
    EXPECT_EQ(ok->Clicks, 1);
    PressKey(VK_RIGHT);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 2) << "Right left the selection made on entering at its end";
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EditTest, TheViewScrollsSidewaysToKeepTheCaretInsideTheBox)
{
    edit->SetBounds(10, 10, 60, 21);
    Focus(edit);
    Type("a fairly long line that does not fit");
    const TPoint origin = edit->ClientOrigin();
    const TRect box = TRect::FromSize(origin.X, origin.Y, edit->ClientWidth(), edit->ClientHeight());
    const TRect caret = Desktop().TextInputRect();
    EXPECT_TRUE(box.Contains(caret.TopLeft())) << "the caret stays in the box";
    EXPECT_LE(caret.Right, box.Right - TEdit::kTextInset);
    PressKey(VK_HOME);
    EXPECT_EQ(Desktop().TextInputRect().Left, box.Left + TEdit::kTextInset) << "back at the start";
}

TEST_F(EditTest, TheInputMethodIsToldWhereTheCaretIs)
{
    Focus(edit);
    Type("ab");
    const int top = edit->ClientHeight() >= LineHeight(edit) + 2 ? 1 : 0;
    const TPoint caret = edit->ClientToScreen({1 + TextWidth(edit, "ab"), top});
    EXPECT_EQ(Desktop().TextInputRect(), TRect::FromSize(caret.X, caret.Y, 1, LineHeight(edit)));
    Type("中");
    EXPECT_EQ(Desktop().TextInputRect().Left, caret.X + TextWidth(edit, "中"));
}

TEST_F(EditTest, TheCaretBlinksWhileFocusedAndShowsAtOnceAfterTyping)
{
    auto* elsewhere = Add<TTestButton>({200, 10, 275, 35});
    const TColor window = ColorToRGB(clWindow);
    auto caretPixel = [&] {
        const TPoint p = form->ScreenToClient(Desktop().TextInputRect().TopLeft());
        return ColorFromPixel(Capture().GetPixel(p.X, p.Y + 2));
    };
    Focus(edit);
    EXPECT_NE(caretPixel(), window) << "shown on entering";
    Desktop().AdvanceClock(TCustomEdit::kCaretBlinkMs);
    EXPECT_EQ(caretPixel(), window) << "blinked off";
    Desktop().AdvanceClock(TCustomEdit::kCaretBlinkMs - 1);
    Type("x");
    EXPECT_NE(caretPixel(), window) << "typing shows it at once";
    Desktop().AdvanceClock(TCustomEdit::kCaretBlinkMs - 1);
    EXPECT_NE(caretPixel(), window) << "and starts the blinking over";
    Focus(elsewhere);
    EXPECT_EQ(caretPixel(), window) << "no caret without the focus";
}

TEST_F(EditTest, EditMessagesSelectReplaceLimitAndUndo)
{
    edit->SetText("abcdef");
    edit->Perform(EM_SETSEL, 1, 3);
    DWORD start = 0;
    DWORD end = 0;
    const LRESULT both = edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    EXPECT_EQ(both, LRESULT(MAKELONG(1, 3)));
    const std::string replacement = "XY";
    edit->Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(&replacement));
    EXPECT_EQ(edit->Text(), "aXYdef");
    EXPECT_EQ(edit->Perform(EM_CANUNDO, 0, 0), TRUE);
    EXPECT_EQ(edit->Perform(EM_UNDO, 0, 0), TRUE);
    EXPECT_EQ(edit->Text(), "abcdef");
    edit->Perform(EM_SETSEL, WPARAM(-1), 0);
    EXPECT_EQ(edit->SelLength(), 0) << "deselected at the caret";
    EXPECT_EQ(edit->SelStart(), 3);
    edit->Perform(EM_SETSEL, 0, LPARAM(-1));
    EXPECT_EQ(edit->SelLength(), 6);
    edit->Perform(EM_SETREADONLY, TRUE, 0);
    EXPECT_TRUE(edit->ReadOnly());
    edit->Perform(EM_LIMITTEXT, 3, 0);
    EXPECT_EQ(edit->MaxLength(), 3);
    EXPECT_EQ(edit->Perform(EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(EditTest, BorderStyleSingleIsTheSunkenTwoPixelEdge)
{
    edit->SetColor(clRed);
    const int w = edit->Width();
    const int h = edit->Height();
    EXPECT_EQ(WindowPixel(edit, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(WindowPixel(edit, w - 2, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(WindowPixel(edit, w - 1, 0), ColorToRGB(clBtnHighlight)) << "the top-right corner: bottom colour";
    EXPECT_EQ(WindowPixel(edit, w - 1, h - 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(WindowPixel(edit, 1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(WindowPixel(edit, w - 2, h - 2), ColorToRGB(cl3DLight));
    EXPECT_EQ(WindowPixel(edit, 2, 2), clRed);
    EXPECT_EQ(edit->ClientRect(), Rect(0, 0, w - 4, h - 4));

    edit->SetBorderWidth(2);
    EXPECT_EQ(edit->ClientRect(), Rect(0, 0, w - 8, h - 8));
    EXPECT_EQ(WindowPixel(edit, 1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(WindowPixel(edit, 3, 3), clRed) << "the border ring inside the edge";

    edit->SetBorderWidth(0);
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(edit->ClientRect(), Rect(0, 0, w, h));
    EXPECT_EQ(WindowPixel(edit, 0, 0), clRed);
    EXPECT_EQ(WindowPixel(edit, w - 1, h - 1), clRed);
}

TEST_F(EditTest, TheSelectionShowsInHighlightColoursWhileFocused)
{
    edit->SetText("WWWW");
    edit->SelectAll();
    const TPoint inside{1 + TextWidth(edit, "W") / 2, 2 + 1};
    auto highlighted = [&] {
        const TPoint p = ClientInWindow(edit, inside);
        const PixelBuffer pixels = Capture();
        int count = 0;
        for (int dx = 0; dx < TextWidth(edit, "WW"); ++dx)
            count += PixelOf(pixels, edit, p.X + dx, p.Y) == ColorToRGB(clHighlight);
        return count;
    };
    EXPECT_EQ(highlighted(), 0) << "hidden while another control has the focus";
    edit->SetHideSelection(false);
    EXPECT_GT(highlighted(), 0);
}

TEST_F(EditTest, AFormDescriptionSetsThePublishedProperties)
{
    RegisterClass(TEdit::StaticClassInfo());
    ReadForm(*form, "object f: TForm\n"
                    "  object e: TEdit\n"
                    "    Left = 5\n    Top = 6\n    Width = 100\n    Height = 21\n"
                    "    MaxLength = 3\n    PasswordChar = '*'\n    ReadOnly = True\n"
                    "    Text = '中文'\n  end\nend\n");
    auto* read = dynamic_cast<TEdit*>(form->FindComponent("e"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Text(), "中文");
    EXPECT_EQ(read->MaxLength(), 3);
    EXPECT_EQ(read->PasswordChar(), U'*');
    EXPECT_TRUE(read->ReadOnly());
}

}  // namespace
}  // namespace uitest
