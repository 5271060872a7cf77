// The headless backend's virtual clock, event queue, injection and the
// desktop state it keeps for the window system.

#include "platform/core/Exception.h"
#include "platform/win/WinConst.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace win {
namespace {

HWND Handle(std::uintptr_t n) { return reinterpret_cast<HWND>(n); }

NativeWindowDesc Desc(TRect bounds, NativeKind kind = NativeKind::Borderless)
{
    NativeWindowDesc d;
    d.kind = kind;
    d.bounds = bounds;
    return d;
}

std::vector<BackendEvent::Type> TypesOf(const std::vector<BackendEvent>& events)
{
    std::vector<BackendEvent::Type> types;
    for (const BackendEvent& e : events) types.push_back(e.type);
    return types;
}

TEST(HeadlessBackendTest, DefaultDesktopHasATaskBarOutsideTheWorkArea)
{
    HeadlessBackend backend;
    EXPECT_EQ(backend.ScreenRect(), Rect(0, 0, 1280, 800));
    EXPECT_EQ(backend.WorkArea(), Rect(0, 0, 1280, 760));
    EXPECT_EQ(backend.DriverName(), "headless");

    HeadlessBackend small({{640, 480}, 0});
    EXPECT_EQ(small.WorkArea(), Rect(0, 0, 640, 480));
    EXPECT_THROW(HeadlessBackend({{0, 480}, 0}), EInvalidOperation);
    EXPECT_THROW(HeadlessBackend({{640, 480}, 480}), EInvalidOperation);
}

// --- clock and waiting ---------------------------------------------------------

TEST(HeadlessBackendTest, WaitingOnAnEmptyQueueAdvancesTheClockByTheTimeout)
{
    HeadlessBackend backend({.startMs = 5000});
    EXPECT_EQ(backend.NowMs(), 5000u);
    EXPECT_TRUE(backend.WaitEvents(250).empty());
    EXPECT_EQ(backend.NowMs(), 5250u);
    EXPECT_TRUE(backend.WaitEvents(0).empty());
    EXPECT_EQ(backend.NowMs(), 5250u);
    backend.AdvanceClock(10);
    EXPECT_EQ(backend.NowMs(), 5260u);
}

TEST(HeadlessBackendTest, WaitingWithoutTimeoutOnAnEmptyQueueReturnsAtOnce)
{
    HeadlessBackend backend;
    const std::uint32_t before = backend.NowMs();
    EXPECT_TRUE(backend.WaitEvents(std::nullopt).empty());
    EXPECT_EQ(backend.NowMs(), before);
}

TEST(HeadlessBackendTest, QueuedEventsReturnWithoutAdvancingTheClock)
{
    HeadlessBackend backend;
    backend.InjectText("a");
    const std::uint32_t before = backend.NowMs();
    EXPECT_EQ(backend.WaitEvents(1000).size(), 1u);
    EXPECT_EQ(backend.NowMs(), before);
    EXPECT_EQ(backend.PendingEvents(), 0u);
}

TEST(HeadlessBackendTest, WakeEndsTheNextWaitWithoutAdvancingTheClock)
{
    HeadlessBackend backend;
    const std::uint32_t before = backend.NowMs();
    backend.Wake();
    EXPECT_TRUE(backend.WaitEvents(500).empty());
    EXPECT_EQ(backend.NowMs(), before);
    // Consumed: the next wait times out as usual.
    EXPECT_TRUE(backend.WaitEvents(500).empty());
    EXPECT_EQ(backend.NowMs(), before + 500);
}

TEST(HeadlessBackendTest, ClockWrapsAroundLikeATickCount)
{
    HeadlessBackend backend({.startMs = 0xFFFFFFF0u});
    backend.AdvanceClock(0x20);
    EXPECT_EQ(backend.NowMs(), 0x10u);
}

// --- injection -----------------------------------------------------------------

TEST(HeadlessBackendTest, EventsComeBackInInjectionOrderWithTheirTimes)
{
    HeadlessBackend backend({.startMs = 100});
    backend.InjectMouseMove({10, 10});
    backend.AdvanceClock(5);
    backend.InjectKeyDown('A', {.shift = true});
    backend.InjectText("A");
    backend.InjectKeyUp('A');
    backend.AdvanceClock(5);
    backend.InjectMouseWheel({10, 10}, -WHEEL_DELTA);
    backend.InjectQuit();

    const auto events = backend.WaitEvents(std::nullopt);
    using T = BackendEvent::Type;
    ASSERT_EQ(TypesOf(events), (std::vector{T::MouseMove, T::KeyDown, T::Text, T::KeyUp, T::MouseWheel, T::Quit}));
    EXPECT_EQ(events[0].timeMs, 100u);
    EXPECT_EQ(events[1].timeMs, 105u);
    EXPECT_TRUE(events[1].modifiers.shift);
    EXPECT_EQ(events[1].virtualKey, 'A');
    EXPECT_EQ(events[2].text, "A");
    EXPECT_EQ(events[4].wheelDelta, -WHEEL_DELTA);
    EXPECT_EQ(events[5].timeMs, 110u);
}

TEST(HeadlessBackendTest, ClickIsMoveDownUpAndLeavesTheCursorThere)
{
    HeadlessBackend backend;
    backend.InjectClick({30, 40}, MouseButton::Right);
    const auto events = backend.WaitEvents(std::nullopt);
    using T = BackendEvent::Type;
    ASSERT_EQ(TypesOf(events), (std::vector{T::MouseMove, T::MouseDown, T::MouseUp}));
    EXPECT_EQ(events[1].button, MouseButton::Right);
    EXPECT_EQ(events[2].pos, Point(30, 40));
    EXPECT_EQ(backend.CursorPos(), Point(30, 40));
}

TEST(HeadlessBackendTest, MouseEventsNameTheTopmostShownWindowInsideItsShape)
{
    HeadlessBackend backend;
    const HWND below = Handle(1);
    const HWND above = Handle(2);
    backend.CreateNativeWindow(below, Desc(Rect(0, 0, 100, 100)));
    backend.CreateNativeWindow(above, Desc(Rect(50, 50, 150, 150)));
    backend.ShowNativeWindow(below, true, false);
    backend.ShowNativeWindow(above, true, false);
    const Region corner = Region(Rect(0, 0, 100, 100)).Subtracted(Region(Rect(0, 0, 10, 10)));
    backend.SetNativeShape(above, &corner);

    backend.InjectMouseMove({60, 60});   // overlap, inside the upper shape
    backend.InjectMouseMove({55, 55});   // overlap, cut out of the upper shape
    backend.InjectMouseMove({200, 200}); // the desktop
    backend.SetNativeMinimized(above, true);
    backend.InjectMouseMove({60, 60});
    const auto events = backend.WaitEvents(std::nullopt);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].window, above);
    EXPECT_EQ(events[1].window, below);
    EXPECT_EQ(events[2].window, nullptr);
    EXPECT_EQ(events[3].window, below);
}

TEST(HeadlessBackendTest, KeyboardEventsNameTheFocusedWindow)
{
    HeadlessBackend backend;
    const HWND form = Handle(1);
    const HWND popup = Handle(2);
    backend.CreateNativeWindow(form, Desc(Rect(0, 0, 10, 10)));
    backend.CreateNativeWindow(popup, Desc(Rect(0, 0, 10, 10), NativeKind::Popup));
    backend.ShowNativeWindow(form, true, true);
    backend.ShowNativeWindow(popup, true, true);  // pop-ups never take the focus
    EXPECT_EQ(backend.FocusedWindow(), form);
    backend.InjectKeyDown(VK_ESCAPE);
    backend.InjectText("x");
    const auto events = backend.WaitEvents(std::nullopt);
    EXPECT_EQ(events[0].window, form);
    EXPECT_EQ(events[1].window, form);

    backend.ShowNativeWindow(form, false, false);
    EXPECT_EQ(backend.FocusedWindow(), nullptr);
}

TEST(HeadlessBackendTest, DesktopActionsChangeTheWindowBeforeTheyAreReported)
{
    HeadlessBackend backend;
    const HWND form = Handle(7);
    backend.CreateNativeWindow(form, Desc(Rect(0, 0, 10, 10), NativeKind::Decorated));
    backend.InjectDesktopMove(form, Rect(5, 6, 25, 36));
    backend.InjectMinimize(form);
    EXPECT_EQ(backend.NativeWindow(form)->desc.bounds, Rect(5, 6, 25, 36));
    EXPECT_EQ(backend.NativeWindow(form)->pixels.Width(), 20);
    EXPECT_TRUE(backend.NativeWindow(form)->minimized);
    backend.InjectRestore(form);
    EXPECT_FALSE(backend.NativeWindow(form)->minimized);
    backend.InjectFocusIn(form);
    EXPECT_EQ(backend.FocusedWindow(), form);
    backend.InjectFocusOut(form);
    EXPECT_EQ(backend.FocusedWindow(), nullptr);

    const auto events = backend.WaitEvents(std::nullopt);
    using T = BackendEvent::Type;
    ASSERT_EQ(TypesOf(events), (std::vector{T::Moved, T::MinimizeRequest, T::MinimizeRequest, T::FocusIn, T::FocusOut}));
    EXPECT_EQ(events[0].bounds, Rect(5, 6, 25, 36));
    EXPECT_TRUE(events[1].minimized);
    EXPECT_FALSE(events[2].minimized);
}

TEST(HeadlessBackendTest, FilesDroppedCarryEveryFile)
{
    HeadlessBackend backend;
    backend.InjectFilesDropped(Handle(1), {3, 4}, {"/tmp/a.exe", "/tmp/b c.exe"});
    const auto events = backend.WaitEvents(std::nullopt);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].files, (std::vector<std::string>{"/tmp/a.exe", "/tmp/b c.exe"}));
    EXPECT_EQ(events[0].pos, Point(3, 4));
}

// --- desktop state -------------------------------------------------------------

TEST(HeadlessBackendTest, KeepsEachWindowsStateAndRefusesDuplicates)
{
    HeadlessBackend backend;
    const HWND w = Handle(3);
    NativeWindowDesc desc = Desc(Rect(10, 20, 110, 70), NativeKind::Decorated);
    desc.title = "窗口";
    backend.CreateNativeWindow(w, desc);
    EXPECT_THROW(backend.CreateNativeWindow(w, desc), EInvalidOperation);

    const HeadlessWindow* state = backend.NativeWindow(w);
    ASSERT_NE(state, nullptr);
    EXPECT_FALSE(state->visible);
    EXPECT_EQ(state->desc.title, "窗口");
    backend.SetNativeTitle(w, "新标题");
    backend.SetNativeBounds(w, Rect(0, 0, 40, 30));
    backend.ShowNativeWindow(w, true, false);
    EXPECT_EQ(state->desc.title, "新标题");
    EXPECT_EQ(state->desc.bounds, Rect(0, 0, 40, 30));
    EXPECT_EQ(state->pixels.Width(), 40);
    EXPECT_EQ(state->pixels.Height(), 30);
    EXPECT_TRUE(state->visible);
    EXPECT_EQ(backend.FocusedWindow(), nullptr);

    backend.DestroyNativeWindow(w);
    EXPECT_EQ(backend.NativeWindow(w), nullptr);
    // Calls for windows that are gone are ignored.
    backend.SetNativeBounds(w, Rect(0, 0, 1, 1));
    backend.FocusNativeWindow(w);
    EXPECT_EQ(backend.FocusedWindow(), nullptr);
}

TEST(HeadlessBackendTest, ZOrderPutsTheNamedWindowsOnTopInTheirOrder)
{
    HeadlessBackend backend;
    for (std::uintptr_t i = 1; i <= 4; ++i) backend.CreateNativeWindow(Handle(i), Desc(Rect(0, 0, 1, 1)));
    EXPECT_EQ(backend.NativeZOrder(), (std::vector{Handle(1), Handle(2), Handle(3), Handle(4)}));
    backend.SetNativeZOrder({Handle(4), Handle(99), Handle(2), Handle(4)});
    EXPECT_EQ(backend.NativeZOrder(), (std::vector{Handle(1), Handle(3), Handle(4), Handle(2)}));
    backend.DestroyNativeWindow(Handle(3));
    EXPECT_EQ(backend.NativeZOrder(), (std::vector{Handle(1), Handle(4), Handle(2)}));
}

TEST(HeadlessBackendTest, RecordsDesktopServices)
{
    HeadlessBackend backend;
    EXPECT_FALSE(backend.ClipboardText().has_value());
    backend.SetClipboardText("剪贴板");
    EXPECT_EQ(backend.ClipboardText(), "剪贴板");

    backend.OpenUrl("https://example.invalid/a");
    backend.OpenUrl("mailto:x@example.invalid");
    EXPECT_EQ(backend.OpenedUrls(), (std::vector<std::string>{"https://example.invalid/a", "mailto:x@example.invalid"}));

    EXPECT_EQ(backend.CurrentCursorShape(), IDC_ARROW);
    backend.SetCursorShape(IDC_SIZEWE);
    EXPECT_EQ(backend.CurrentCursorShape(), IDC_SIZEWE);
    backend.SetMouseCapture(true);
    EXPECT_TRUE(backend.MouseCaptured());
    backend.SetCursorPos({7, 8});
    EXPECT_EQ(backend.CursorPos(), Point(7, 8));
    EXPECT_EQ(backend.PendingEvents(), 0u);  // the desktop's echo is not simulated

    backend.StopTextInput();
    EXPECT_FALSE(backend.TextInputActive());
    backend.StartTextInput(Rect(5, 5, 6, 20));
    EXPECT_TRUE(backend.TextInputActive());
    EXPECT_EQ(backend.TextInputRect(), Rect(5, 5, 6, 20));
}

}  // namespace
}  // namespace win
