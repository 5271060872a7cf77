// TWinControl's window: made on demand with styles from the properties,
// one window class per class name, z-order after the Controls order, the
// window procedure replaced from outside (subclassing) and from inside
// (WindowProc), exceptions in handlers, and windows made again.

#include "tests/ui/UiTestFixture.h"

namespace uitest {
namespace {

class WinControlHandleTest : public UiTest {
protected:
    void SetUp() override { form = ShownForm({0, 0, 300, 200}); }
    TTestButton* AddButton()
    {
        auto* b = new TTestButton(form);
        b->SetParent(form);
        return b;
    }
    TForm* form = nullptr;
};

TEST_F(WinControlHandleTest, WindowsAreMadeOnDemandWithStylesFromTheProperties)
{
    auto* hidden = NewForm<TForm>(&App());
    auto* child = new TTestButton(hidden);
    child->SetParent(hidden);
    EXPECT_FALSE(child->HandleAllocated()) << "nothing shows it yet";
    child->SetEnabled(false);
    const HWND hwnd = child->Handle();
    EXPECT_TRUE(hidden->HandleAllocated()) << "the parent's window comes first";
    const auto style = DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_DISABLED | WS_VISIBLE),
              DWORD(WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_DISABLED | WS_VISIBLE));
    EXPECT_EQ(GetParent(hwnd), hidden->WindowHandle());
    EXPECT_EQ(FindControl(hwnd), child);
    EXPECT_EQ(GetClassName(hwnd), "TTestButton");
    WNDCLASS wc;
    ASSERT_TRUE(GetClassInfo("TTestButton", wc));
    EXPECT_NE(wc.style & CS_DBLCLKS, 0u);
    child->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    child->SetTabStop(false);
    EXPECT_EQ(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(WinControlHandleTest, ControlsOfAShownFormGetWindowsAndShowWithIt)
{
    TTestButton* button = AddButton();
    EXPECT_TRUE(button->HandleAllocated());
    EXPECT_TRUE(button->Showing());
    button->Hide();
    EXPECT_FALSE(IsWindowVisible(button->WindowHandle()));
    EXPECT_FALSE(button->Showing());
    button->Show();
    form->Hide();
    EXPECT_FALSE(button->Showing());
    EXPECT_TRUE(button->Visible());
}

TEST_F(WinControlHandleTest, ChildWindowsAreStackedInControlsOrder)
{
    TTestButton* first = AddButton();
    TTestButton* second = AddButton();
    form->RecreateWnd();
    Pump();
    std::vector<HWND> topFirst = GetChildWindows(form->WindowHandle());
    EXPECT_EQ(topFirst, (std::vector<HWND>{second->WindowHandle(), first->WindowHandle()}));
    first->BringToFront();
    topFirst = GetChildWindows(form->WindowHandle());
    EXPECT_EQ(topFirst.front(), first->WindowHandle());
}

TEST_F(WinControlHandleTest, ASubclassedWindowProcedureSeesMessagesFirstAndPassesThemOn)
{
    TTestButton* button = AddButton();
    const HWND hwnd = button->WindowHandle();
    std::vector<UINT> seen;
    WNDPROC previous = nullptr;
    const WNDPROC subclass = MakeObjectInstance([&](HWND h, UINT m, WPARAM w, LPARAM l) {
        seen.push_back(m);
        return CallWindowProc(previous, h, m, w, l);
    });
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(subclass)));
    Click(button);
    EXPECT_EQ(button->Clicks, 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_LBUTTONUP)), seen.end());
    // Unhandled messages still end in the window's original procedure.
    EXPECT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, PointToLParam(ScreenPointOf(button))), HTCLIENT);
    SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    FreeObjectInstance(subclass);
}

TEST_F(WinControlHandleTest, WindowProcCanBeReplacedAndRestored)
{
    TTestButton* button = AddButton();
    const TWndMethod original = button->WindowProc;
    int swallowed = 0;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP) {
            ++swallowed;
            return;
        }
        original(m);
    };
    Click(button);
    EXPECT_EQ(swallowed, 2);
    EXPECT_EQ(button->Clicks, 0);
    button->WindowProc = original;
    Click(button);
    EXPECT_EQ(button->Clicks, 1);
}

TEST_F(WinControlHandleTest, ExceptionsInHandlersGoToTheApplication)
{
    TTestButton* button = AddButton();
    button->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("press failed"); };
    EXPECT_NO_THROW(SendMessage(button->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, 0));
    EXPECT_EQ(messageBoxes, std::vector<std::string>{": press failed."});
}

TEST_F(WinControlHandleTest, RecreatingKeepsTheControlAndItsFocus)
{
    TTestButton* button = AddButton();
    button->SetCaption("确定");
    button->SetFocus();
    Pump();
    const HWND old = button->WindowHandle();
    button->RecreateWnd();
    EXPECT_FALSE(IsWindow(old));
    ASSERT_TRUE(button->HandleAllocated());
    EXPECT_NE(button->WindowHandle(), old);
    EXPECT_EQ(GetWindowText(button->WindowHandle()), "确定");
    EXPECT_TRUE(button->Focused());
}

TEST_F(WinControlHandleTest, AWindowDestroyedFromOutsideIsForgotten)
{
    TTestButton* button = AddButton();
    DestroyWindow(button->WindowHandle());
    EXPECT_FALSE(button->HandleAllocated());
    EXPECT_FALSE(button->Showing());
    EXPECT_TRUE(IsWindow(button->Handle())) << "made again on demand";
}

TEST_F(WinControlHandleTest, MovingToAnotherParentMovesTheWindow)
{
    TTestButton* holder = AddButton();
    TTestButton* button = AddButton();
    button->SetParent(holder);
    EXPECT_EQ(GetParent(button->WindowHandle()), holder->WindowHandle());
    EXPECT_EQ(holder->ControlCount(), 1);
    EXPECT_EQ(form->ControlCount(), 1);
}

}  // namespace
}  // namespace uitest
