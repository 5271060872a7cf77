// Owned windows on the desktop: a dialog follows its owner (owner link told
// to the desktop, minimised and restored together, activation handed over
// while the owner is disabled); reports about hidden windows change
// nothing; the wheel goes to the window under the pointer.

#include "WindowTestHarness.h"

using namespace win;
using namespace wintest;

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_VISIBLE;

class OwnedWindowsTest : public WindowTest {
protected:
    void SetUp() override
    {
        main = TopLevel({100, 100, 500, 400}, WS_POPUP | WS_CAPTION | WS_VISIBLE);
        dialog = TopLevel({200, 150, 400, 300}, kDialogStyle);
        SetWindowLongPtr(dialog, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(main));
    }
    [[nodiscard]] const HeadlessWindow& Native(HWND h) { return *Desktop().NativeWindow(h); }
    [[nodiscard]] bool Above(HWND upper, HWND lower)
    {
        const std::vector<HWND>& order = Desktop().NativeZOrder();  // bottom to top
        return std::find(order.begin(), order.end(), upper) > std::find(order.begin(), order.end(), lower);
    }

    HWND main = nullptr;
    HWND dialog = nullptr;
};

TEST_F(OwnedWindowsTest, TheOwnerIsToldToTheDesktopAndCyclesAreRefused)
{
    EXPECT_EQ(Native(dialog).desc.owner, main);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
    // The main window cannot belong to its own dialog, nor a window to itself.
    EXPECT_EQ(SetWindowLongPtr(main, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(dialog)), 0);
    EXPECT_EQ(SetWindowLongPtr(dialog, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(dialog)),
              reinterpret_cast<LONG_PTR>(main));
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(Native(dialog).desc.owner, main);
    // A child named as owner stands for its top-level window.
    const HWND child = Child(main, {0, 0, 10, 10});
    const HWND other = TopLevel({0, 0, 50, 50});
    SetWindowLongPtr(other, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(child));
    EXPECT_EQ(Native(other).desc.owner, main);
}

// Minimised by the program or by the desktop, through the owner or through
// the dialog: the two go and come back together, the dialog above.
enum class MinimizeBy { ProgramOwner, DesktopOwner, DesktopDialog };

class OwnedWindowsFollowTest : public OwnedWindowsTest, public ::testing::WithParamInterface<MinimizeBy> {};

TEST_P(OwnedWindowsFollowTest, TheDialogGoesAndComesBackWithItsOwner)
{
    EnableWindow(main, false);  // as a modal loop does
    SetActiveWindow(dialog);
    switch (GetParam()) {
    case MinimizeBy::ProgramOwner: ShowWindow(main, SW_MINIMIZE); break;
    case MinimizeBy::DesktopOwner: Desktop().InjectMinimize(main); break;
    case MinimizeBy::DesktopDialog: Desktop().InjectMinimize(dialog); break;
    }
    Pump();
    EXPECT_TRUE(IsIconic(main));
    EXPECT_TRUE(Native(main).minimized);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_FALSE(Native(dialog).visible);
    EXPECT_FALSE(Native(dialog).minimized) << "the dialog is hidden, never an icon of its own";

    if (GetParam() == MinimizeBy::ProgramOwner)
        ShowWindow(main, SW_RESTORE);
    else
        Desktop().InjectRestore(main);
    Pump();
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(Native(dialog).visible);
    EXPECT_TRUE(Above(dialog, main));
    EXPECT_EQ(GetActiveWindow(), dialog) << "the disabled owner hands the activation over";
}

TEST_F(OwnedWindowsTest, ADialogClosedWhileItsOwnerIsMinimisedStaysAway)
{
    const HWND other = TopLevel({300, 300, 350, 350}, kDialogStyle, 0, main);
    ShowWindow(main, SW_MINIMIZE);
    ShowWindow(dialog, SW_HIDE);
    ShowWindow(main, SW_RESTORE);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowVisible(other));
}

INSTANTIATE_TEST_SUITE_P(Ways, OwnedWindowsFollowTest,
                         ::testing::Values(MinimizeBy::ProgramOwner, MinimizeBy::DesktopOwner,
                                           MinimizeBy::DesktopDialog));

TEST_F(OwnedWindowsTest, AClickOrCloseRequestOnTheDisabledOwnerBringsTheDialogForward)
{
    EnableWindow(main, false);
    SetActiveWindow(dialog);
    // The desktop raised the owner and gave it the focus, as a window manager does on a click.
    Desktop().InjectFocusOut(dialog);
    Desktop().InjectFocusIn(main);
    Desktop().InjectClick({110, 350});
    Pump();
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(Desktop().FocusedWindow(), dialog) << "the desktop's keyboard focus goes back to the dialog";
    EXPECT_TRUE(Above(dialog, main));
    EXPECT_TRUE(Received(main, WM_LBUTTONDOWN).empty());
    // Its close box too: the dialog comes forward, the owner stays.
    SetActiveWindow(TopLevel({600, 100, 700, 200}, WS_POPUP | WS_CAPTION | WS_VISIBLE));
    Desktop().InjectCloseRequest(main);
    Pump();
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_TRUE(Received(main, WM_SYSCOMMAND).empty());
    EXPECT_TRUE(IsWindow(main));
}

// SDL-like desktops report every unmapping as minimising: a report about a
// window we hid must not bring it back.
TEST_F(OwnedWindowsTest, ReportsAboutHiddenWindowsChangeNothing)
{
    const HWND list = TopLevel({300, 300, 360, 340}, WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW, main);
    SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetWindowPos(list, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    ShowWindow(dialog, SW_HIDE);
    for (HWND hidden : {list, dialog}) {
        Desktop().InjectMinimize(hidden);
        Desktop().InjectRestore(hidden);
    }
    Pump();
    for (HWND hidden : {list, dialog}) {
        EXPECT_FALSE(IsWindowVisible(hidden));
        EXPECT_FALSE(IsIconic(hidden));
        EXPECT_FALSE(Native(hidden).visible);
    }
    EXPECT_FALSE(IsIconic(main));
}

TEST_F(OwnedWindowsTest, TheWheelGoesToTheWindowUnderThePointer)
{
    EnableWindow(dialog, false);
    ShowWindow(dialog, SW_HIDE);
    const HWND left = Child(main, {10, 10, 100, 100});
    const HWND right = Child(main, {200, 10, 300, 100});
    SetFocus(left);
    Desktop().InjectMouseWheel({350, 150}, -WHEEL_DELTA);  // over the right one, unfocused
    Pump();
    ASSERT_EQ(Received(right, WM_MOUSEWHEEL).size(), 1u);
    EXPECT_EQ(short(HIWORD(Received(right, WM_MOUSEWHEEL)[0].wParam)), -WHEEL_DELTA);
    EXPECT_TRUE(Received(left, WM_MOUSEWHEEL).empty());

    Desktop().InjectMouseWheel({1000, 700}, WHEEL_DELTA);  // outside our windows: the focus
    Pump();
    EXPECT_EQ(Received(left, WM_MOUSEWHEEL).size(), 1u);

    EnableWindow(main, false);  // disabled by a modal window: nothing
    Desktop().InjectMouseWheel({350, 150}, WHEEL_DELTA);
    Pump();
    EXPECT_EQ(Received(right, WM_MOUSEWHEEL).size(), 1u);
}

}  // namespace
