// Tab order, focus changes inside a form (exits and enters along the way),
// keys and dialog keys: Tab and arrows move the focus, Enter and Escape go
// to the children in creation order until one takes them.

#include "tests/ui/UiTestFixture.h"

namespace uitest {
namespace {

// A focusable control that wants every key itself (an edit box would).
class TKeyTaker : public TTestButton {
public:
    using TTestButton::TTestButton;
    std::vector<WORD> Keys;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_GETDLGCODE) {
            message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB;
            return;
        }
        TTestButton::Dispatch(message);
    }

protected:
    void KeyDown(WORD& key, TShiftState shift) override
    {
        Keys.push_back(key);
        TTestButton::KeyDown(key, shift);
    }
};

class WinControlFocusTest : public UiTest {
protected:
    void SetUp() override { form = ShownForm({0, 0, 400, 300}); }

    template <class T = TTestButton>
    T* Add(const char* name, TWinControl* parent = nullptr)
    {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent ? parent : form);
        c->SetBounds(10 + 80 * form->ControlCount(), 10, 75, 25);
        return c;
    }
    [[nodiscard]] std::string FocusedName() const
    {
        TWinControl* focused = FindControl(GetFocus());
        return focused ? focused->Name() : "(none)";
    }
    TForm* form = nullptr;
};

TEST_F(WinControlFocusTest, TabOrderFollowsInsertionAndRenumbersOnChange)
{
    TTestButton* a = Add("a");
    TTestButton* b = Add("b");
    TTestButton* c = Add("c");
    EXPECT_EQ(a->TabOrder(), 0);
    EXPECT_EQ(c->TabOrder(), 2);
    c->SetTabOrder(0);
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 2);
    a->SetTabOrder(99);  // clamped to the last place
    EXPECT_EQ(a->TabOrder(), 2);
    b->SetParent(nullptr);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), -1);
    delete b;
}

TEST_F(WinControlFocusTest, TabMovesThroughFocusableTabStopsAndWraps)
{
    TTestButton* a = Add("a");
    TTestButton* panel = Add("panel");
    panel->SetTabStop(false);
    TTestButton* inner = Add("inner", panel);
    TTestButton* skipped = Add("skipped");
    skipped->SetEnabled(false);
    TTestButton* hidden = Add("hidden");
    hidden->Hide();
    Add("last");
    a->SetFocus();
    Pump();
    ASSERT_EQ(FocusedName(), "a");
    std::vector<std::string> visited;
    for (int i = 0; i < 3; ++i) {
        PressKey(VK_TAB);
        visited.push_back(FocusedName());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"inner", "last", "a"}));
    PressKey(VK_TAB, {.shift = true});
    EXPECT_EQ(FocusedName(), "last");
    EXPECT_EQ(form->ActiveControl(), form->FindComponent("last"));
    (void)inner;
}

TEST_F(WinControlFocusTest, ShowingAFormFocusesItsFirstTabStop)
{
    auto* second = NewForm<TForm>(&App());
    auto* first = new TTestButton(second);
    first->SetParent(second);
    first->SetName("first");
    second->SetBorderStyle(bsNone);
    second->Show();
    Pump();
    EXPECT_EQ(second->ActiveControl(), first);
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(Screen->ActiveForm(), second);
    EXPECT_EQ(Screen->ActiveControl(), first);
}

TEST_F(WinControlFocusTest, FocusChangesExitAndEnterAlongTheWay)
{
    TTestButton* left = Add("left");
    TTestButton* box = Add("box");
    TTestButton* inBox = Add("inBox", box);
    TTestButton* inner = Add("inner", inBox);
    left->SetFocus();
    Pump();
    for (TControl* c : std::initializer_list<TControl*>{left, box, inBox, inner}) Record(c);
    std::vector<std::string> events;
    inner->OnEnter = [&](TObject*) { events.push_back("enter inner"); };
    left->OnExit = [&](TObject*) { events.push_back("exit left"); };
    inner->SetFocus();
    using Rows = std::vector<std::pair<std::string, UINT>>;
    EXPECT_EQ(Sequence(log, {CM_EXIT, CM_ENTER}),
              (Rows{{"left", CM_EXIT}, {"box", CM_ENTER}, {"inBox", CM_ENTER}, {"inner", CM_ENTER}}));
    EXPECT_EQ(events, (std::vector<std::string>{"exit left", "enter inner"}));
    log.clear();
    box->SetFocus();
    EXPECT_EQ(Sequence(log, {CM_EXIT, CM_ENTER}), (Rows{{"inner", CM_EXIT}, {"inBox", CM_EXIT}}));
    EXPECT_EQ(form->ActiveControl(), box);
}

TEST_F(WinControlFocusTest, AHandlerMovingTheFocusStopsTheChange)
{
    TTestButton* a = Add("a");
    TTestButton* b = Add("b");
    TTestButton* c = Add("c");
    a->SetFocus();
    Pump();
    int enteredB = 0;
    b->OnEnter = [&](TObject*) {
        ++enteredB;
        c->SetFocus();
    };
    b->SetFocus();
    EXPECT_EQ(enteredB, 1);
    EXPECT_EQ(FocusedName(), "c");
    EXPECT_EQ(form->ActiveControl(), c);
}

TEST_F(WinControlFocusTest, HidingOrDisablingTheActiveControlTakesTheFocusBack)
{
    TTestButton* a = Add("a");
    a->SetFocus();
    Pump();
    a->SetEnabled(false);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(GetFocus(), form->WindowHandle());
    EXPECT_THROW(a->SetFocus(), EInvalidOperation);
}

TEST_F(WinControlFocusTest, TheEarlierDefaultButtonTakesEnter)
{
    TKeyTaker* edit = Add<TKeyTaker>("edit");
    TTestButton* panel = Add("panel");
    TTestButton* nested = Add("nested", panel);
    nested->Default = true;
    TTestButton* second = Add("second");
    second->Default = true;
    TTestButton* focusable = Add("focusable");
    focusable->SetFocus();
    Pump();
    PressKey(VK_RETURN);
    // Creation order, depth first: the button inside the earlier panel wins.
    EXPECT_EQ(nested->Clicks, 1);
    EXPECT_EQ(second->Clicks, 0);
    // A control that wants Enter itself keeps it.
    edit->SetFocus();
    Pump();
    PressKey(VK_RETURN);
    EXPECT_EQ(nested->Clicks, 1);
    EXPECT_EQ(edit->Keys, std::vector<WORD>{VK_RETURN});
}

TEST_F(WinControlFocusTest, EscapeGoesToTheCancelButton)
{
    TTestButton* ok = Add("ok");
    ok->Default = true;
    TTestButton* cancel = Add("cancel");
    cancel->Cancel = true;
    ok->SetFocus();
    Pump();
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancel->Clicks, 1);
    EXPECT_EQ(ok->Clicks, 0);
    // A disabled button takes nothing.
    cancel->SetEnabled(false);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancel->Clicks, 1);
}

TEST_F(WinControlFocusTest, ArrowsMoveAmongSiblingsIgnoringTabStops)
{
    TTestButton* a = Add("a");
    TTestButton* b = Add("b");
    b->SetTabStop(false);
    Add("c");
    a->SetFocus();
    Pump();
    PressKey(VK_RIGHT);
    EXPECT_EQ(FocusedName(), "b");
    PressKey(VK_DOWN);
    EXPECT_EQ(FocusedName(), "c");
    PressKey(VK_UP);
    EXPECT_EQ(FocusedName(), "b");
}

TEST_F(WinControlFocusTest, KeysReachTheFocusedControlAndKeyPreviewLetsTheFormSeeThemFirst)
{
    TKeyTaker* edit = Add<TKeyTaker>("edit");
    edit->SetFocus();
    Pump();
    std::vector<std::string> seen;
    edit->OnKeyPress = [&](TObject*, char32_t& key) { seen.push_back("press " + std::to_string(int(key))); };
    Desktop().InjectKeyDown('A');
    Desktop().InjectText("a");
    Desktop().InjectKeyUp('A');
    Pump();
    EXPECT_EQ(edit->Keys, std::vector<WORD>{'A'});
    EXPECT_EQ(seen, std::vector<std::string>{"press 97"});
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == 'B') key = 0;
    };
    PressKey('B');
    PressKey('C');
    EXPECT_EQ(edit->Keys, (std::vector<WORD>{'A', 'C'}));
}

TEST_F(WinControlFocusTest, ChildKeyLetsAParentTakeAKeyFirst)
{
    TTestButton* box = Add("box");
    TKeyTaker* edit = Add<TKeyTaker>("edit", box);
    edit->SetFocus();
    Pump();
    TWndMethod boxProc = box->WindowProc;
    box->WindowProc = [boxProc](TMessage& m) {
        if (m.Msg == CM_CHILDKEY && m.WParam == VK_F2) {
            m.Result = 1;
            return;
        }
        boxProc(m);
    };
    PressKey(VK_F2);
    PressKey(VK_F3);
    EXPECT_EQ(edit->Keys, std::vector<WORD>{VK_F3});
}

}  // namespace
}  // namespace uitest
