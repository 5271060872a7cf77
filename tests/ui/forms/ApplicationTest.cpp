// TApplication: the main form, Run until the main form closes, the one
// OnMessage hook, exceptions shown through the message box handler with
// the loop going on, and a loop that would wait for ever.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/base/Timer.h"

namespace uitest {
namespace {

class ApplicationTest : public UiTest {};

// A form class whose construction can fail.
class TFailingForm : public TForm {
public:
    explicit TFailingForm(TComponent* owner) : TForm(owner) { throw EInvalidOperation("no form today"); }
};

TEST_F(ApplicationTest, TheFirstFormMadeIsTheMainForm)
{
    TForm* first = nullptr;
    TForm* second = nullptr;
    App().CreateForm(first);
    App().CreateForm(second);
    EXPECT_EQ(App().MainForm(), first);
    EXPECT_TRUE(first->HandleAllocated());
    EXPECT_EQ(first->Owner(), &App());
    delete first;
    EXPECT_EQ(App().MainForm(), nullptr);
}

TEST_F(ApplicationTest, AFormThatFailsToBeMadeLeavesItsReferenceEmpty)
{
    TFailingForm* form = nullptr;
    EXPECT_THROW(App().CreateForm(form), EInvalidOperation);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(App().ComponentCount(), 0);
}

TEST_F(ApplicationTest, FormsAreMadeByClassToo)
{
    TCustomForm* form = nullptr;
    App().CreateForm(TForm::StaticClassInfo(), form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(App().MainForm(), form);
    EXPECT_THROW(App().CreateForm(TTestButton::StaticClassInfo(), form), EInvalidOperation);
    EXPECT_EQ(form, nullptr);
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndEndsWhenItCloses)
{
    TForm* main = nullptr;
    App().CreateForm(main);
    auto* timer = new TTimer(main);
    bool shownWhileRunning = false;
    timer->SetOnTimer([&](TObject*) {
        shownWhileRunning = IsWindowVisible(main->WindowHandle());
        main->Close();
    });
    App().Run();
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_TRUE(App().Terminated());
}

TEST_F(ApplicationTest, AnExceptionInAClickHandlerIsShownAndTheLoopGoesOn)
{
    App().SetTitle("分析器");
    TForm* form = ShownMainForm();
    auto* button = new TTestButton(form);
    button->SetParent(form);
    Pump();
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EConvertError("'x' is not a valid integer value");
    };
    Click(button);
    Click(button);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"分析器: 'x' is not a valid integer value."});
}

TEST_F(ApplicationTest, OnExceptionTakesTheExceptionsInsteadOfTheMessageBox)
{
    TForm* form = ShownMainForm();
    std::vector<std::string> caught;
    App().OnException = [&](TObject* sender, const Exception& e) {
        caught.push_back(std::string(sender->ClassName()) + ": " + e.Message);
    };
    form->OnClick = [](TObject*) { throw std::runtime_error("plain"); };
    Click(form);
    EXPECT_EQ(caught, std::vector<std::string>{"TForm: plain"});
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ApplicationTest, OnMessageSeesMessagesFirstAndMaySwallowThem)
{
    TForm* form = ShownMainForm();
    int formClicks = 0;
    form->OnClick = [&](TObject*) { ++formClicks; };
    int pressesSeen = 0;
    App().OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message == WM_LBUTTONDOWN) {
            ++pressesSeen;
            handled = true;
        }
    };
    Click(form);
    EXPECT_EQ(pressesSeen, 1);
    EXPECT_EQ(formClicks, 0);
    App().OnMessage = nullptr;
    Click(form);
    EXPECT_EQ(formClicks, 1);
}

TEST_F(ApplicationTest, MessageBoxGoesThroughTheHandler)
{
    App().SetMessageBoxHandler([](const std::string&, const std::string&, UINT flags) {
        return (flags & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    });
    EXPECT_EQ(App().MessageBox("删除?", "确认", MB_YESNO | MB_ICONQUESTION), IDNO);
    // Without a handler the message box window opens; Enter takes its default button.
    App().SetMessageBoxHandler(nullptr);
    Desktop().InjectKeyDown(VK_RETURN);
    Desktop().InjectKeyUp(VK_RETURN);
    EXPECT_EQ(App().MessageBox("text", "caption", MB_YESNO), IDYES);
}

TEST_F(ApplicationTest, HandleMessageRefusesToWaitForEver)
{
    ShownMainForm();
    EXPECT_THROW(App().HandleMessage(), EInvalidOperation);
}

TEST_F(ApplicationTest, ActiveFollowsTheApplicationsWindows)
{
    TForm* form = ShownMainForm();
    EXPECT_TRUE(App().Active());
    form->Hide();
    EXPECT_FALSE(App().Active());
}

TEST_F(ApplicationTest, MinimizeAndRestoreWorkOnTheMainForm)
{
    TForm* form = ShownMainForm({0, 0, 300, 200}, bsSizeable);
    App().Minimize();
    EXPECT_TRUE(IsIconic(form->WindowHandle()));
    App().Restore();
    EXPECT_FALSE(IsIconic(form->WindowHandle()));
}

}  // namespace
}  // namespace uitest
