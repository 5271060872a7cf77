// The SDL backend on a real X server (Xvfb in CI, with or without a window
// manager). Skipped without a display. Each check asks the X server itself,
// through a connection of its own, what the backend did.

#include "SdlTestX11.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/WinConst.h"
#include "platform/win/backends/sdl/SdlBackend.h"
#include "platform/win/backends/sdl/SdlNativeWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace win {
namespace {

constexpr std::uint32_t kWaitMs = 3000;   // ms; the longest a check waits for the X server
constexpr std::uint32_t kQuietMs = 400;   // ms; how long to watch for events that must not come
constexpr TPixel kRed = 0xFFFF0000u;
constexpr TPixel kBlue = 0xFF0000FFu;
constexpr TPixel kGreen = 0xFF00FF00u;

HWND SdlHandle(std::uintptr_t n) { return reinterpret_cast<HWND>(n); }

bool HaveDisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

class SdlBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveDisplay()) GTEST_SKIP() << "no X display";
        m_backend = std::make_unique<SdlBackend>();
        m_probe = std::make_unique<test::X11Probe>();
        ASSERT_TRUE(m_probe->Ok());
    }

    HWND Show(std::uintptr_t id, TRect bounds, NativeKind kind, bool activate)
    {
        NativeWindowDesc desc;
        desc.kind = kind;
        desc.bounds = bounds;
        desc.title = "qz-sdl-test";
        const HWND h = SdlHandle(id);
        m_backend->CreateNativeWindow(h, desc);
        m_backend->ShowNativeWindow(h, true, activate);
        return h;
    }

    unsigned long XId(HWND h) const { return m_backend->X11WindowId(h); }

    // Pumps events until cond holds (true) or the wait is over (false). Every
    // event seen is kept in m_seen.
    bool WaitUntil(const std::function<bool()>& cond, std::uint32_t ms = kWaitMs)
    {
        const std::uint32_t start = m_backend->NowMs();
        while (!cond()) {
            if (m_backend->NowMs() - start > ms) return false;
            for (BackendEvent& e : m_backend->WaitEvents(20)) m_seen.push_back(std::move(e));
        }
        return true;
    }

    // The first event that matches; it and the events before it are used up.
    std::optional<BackendEvent> WaitFor(const std::function<bool(const BackendEvent&)>& match)
    {
        std::optional<BackendEvent> found;
        WaitUntil([&] {
            const auto it = std::find_if(m_seen.begin(), m_seen.end(), match);
            if (it == m_seen.end()) return false;
            found = *it;
            m_seen.erase(m_seen.begin(), it + 1);
            return true;
        });
        return found;
    }

    int CountSeen(BackendEvent::Type type, HWND window) const
    {
        int n = 0;
        for (const BackendEvent& e : m_seen) n += e.type == type && e.window == window;
        return n;
    }

    std::unique_ptr<SdlBackend> m_backend;
    std::unique_ptr<test::X11Probe> m_probe;
    std::vector<BackendEvent> m_seen;
};

TEST_F(SdlBackendTest, RunsOnTheX11Driver)
{
    EXPECT_EQ(m_backend->DriverName(), "x11");
    const TRect screen = m_backend->ScreenRect();
    EXPECT_FALSE(screen.IsEmpty());
    EXPECT_TRUE(screen.Contains(m_backend->WorkArea()));
    EXPECT_EQ(CreateBackend("sdl")->DriverName(), "x11");
}

TEST_F(SdlBackendTest, WindowsSitAtTheirScreenPositionsAndFollowMoves)
{
    const TRect skinned = Rect(100, 120, 300, 270);
    const TRect dialog = Rect(420, 200, 640, 330);
    const HWND a = Show(1, skinned, NativeKind::Borderless, true);
    const HWND b = Show(2, dialog, NativeKind::Decorated, true);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->RootBounds(XId(a)) == skinned; }));
    // A decorated window's bounds are its inside; the frame lies around it.
    EXPECT_TRUE(WaitUntil([&] { return m_probe->RootBounds(XId(b)) == dialog; }));

    const TRect moved = Rect(150, 90, 410, 300);
    m_backend->SetNativeBounds(a, moved);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->RootBounds(XId(a)) == moved; }));
    const TRect movedDialog = Rect(380, 250, 560, 400);
    m_backend->SetNativeBounds(b, movedDialog);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->RootBounds(XId(b)) == movedDialog; }));

    // Our own moves, and the steps of a quick drag, never come back as desktop moves.
    for (int step = 1; step <= 10; ++step) m_backend->SetNativeBounds(a, moved.Offset(step * 7, step * 3));
    m_seen.clear();
    WaitUntil([] { return false; }, kQuietMs);
    EXPECT_EQ(CountSeen(BackendEvent::Type::Moved, a), 0);
    EXPECT_EQ(CountSeen(BackendEvent::Type::Moved, b), 0);
    EXPECT_EQ(m_probe->RootBounds(XId(a)), moved.Offset(70, 30));
}

TEST_F(SdlBackendTest, MovesMadeByOthersAreReported)
{
    const TRect bounds = Rect(100, 100, 260, 220);
    const HWND w = Show(1, bounds, NativeKind::Decorated, false);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->RootBounds(XId(w)) == bounds; }));
    m_probe->MoveWindow(XId(w), {500, 400});
    const auto moved = WaitFor([&](const BackendEvent& e) { return e.type == BackendEvent::Type::Moved; });
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->window, w);
    EXPECT_EQ(moved->bounds, bounds.Offset(400, 300));
}

TEST_F(SdlBackendTest, PresentedPixelsReachTheWindow)
{
    const HWND w = Show(1, Rect(50, 50, 114, 98), NativeKind::Borderless, false);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->Viewable(XId(w)); }));
    PixelBuffer pixels(64, 48, kRed);
    pixels.Fill(Rect(32, 0, 64, 48), kBlue);
    m_backend->Present(w, pixels, Region(pixels.Bounds()));
    EXPECT_TRUE(WaitUntil([&] { return m_probe->PixelAt(XId(w), {0, 0}) == kRed; }));
    EXPECT_EQ(m_probe->PixelAt(XId(w), {31, 47}), kRed);
    EXPECT_EQ(m_probe->PixelAt(XId(w), {32, 0}), kBlue);

    // Only the dirty part is shown.
    pixels.Fill(pixels.Bounds(), kGreen);
    m_backend->Present(w, pixels, Region(Rect(10, 10, 20, 20)));
    EXPECT_TRUE(WaitUntil([&] { return m_probe->PixelAt(XId(w), {15, 15}) == kGreen; }));
    EXPECT_EQ(m_probe->PixelAt(XId(w), {9, 9}), kRed);
    EXPECT_EQ(m_probe->PixelAt(XId(w), {20, 20}), kRed);

    // After growing, the new surface takes the whole larger buffer.
    m_backend->SetNativeBounds(w, Rect(50, 50, 150, 130));
    PixelBuffer larger(100, 80, kBlue);
    EXPECT_TRUE(WaitUntil([&] {
        m_backend->Present(w, larger, Region(larger.Bounds()));
        return m_probe->PixelAt(XId(w), {99, 79}) == kBlue;
    }));
}

TEST_F(SdlBackendTest, RegionBecomesTheWindowShape)
{
    const HWND w = Show(1, Rect(300, 300, 360, 360), NativeKind::Borderless, false);
    const Region shape = Region(Rect(0, 0, 40, 40)).United(Region(Rect(20, 40, 60, 60)));
    // The probe has a connection of its own: the server may read it before
    // the backend's requests, so each shape is waited for.
    const auto expectShape = [&](const std::vector<TRect>& rects) {
        WaitUntil([&] { return m_probe->ShapeRects(XId(w)) == rects; });
        EXPECT_EQ(m_probe->ShapeRects(XId(w)), rects);
    };
    m_backend->SetNativeShape(w, &shape);
    expectShape(shape.Rects());

    // Kept through a size change.
    m_backend->SetNativeBounds(w, Rect(300, 300, 400, 400));
    EXPECT_TRUE(WaitUntil([&] { return m_probe->RootBounds(XId(w)).Width() == 100; }));
    expectShape(shape.Rects());

    m_backend->SetNativeShape(w, nullptr);
    expectShape({Rect(0, 0, 100, 100)});
}

TEST_F(SdlBackendTest, PopupLeavesTheKeyboardFocusWithItsOwner)
{
    const HWND owner = Show(1, Rect(100, 100, 400, 300), NativeKind::Borderless, true);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->FocusedWindow() == XId(owner); }));

    NativeWindowDesc desc;
    desc.kind = NativeKind::Popup;
    desc.bounds = Rect(150, 180, 270, 300);
    desc.owner = owner;
    const HWND popup = SdlHandle(2);
    m_backend->CreateNativeWindow(popup, desc);
    m_backend->ShowNativeWindow(popup, true, false);
    m_backend->FocusNativeWindow(popup);
    // Pop-ups sit exactly where asked, even under a window manager.
    EXPECT_EQ(m_probe->RootBounds(XId(popup)), desc.bounds);

    m_seen.clear();
    WaitUntil([] { return false; }, kQuietMs);
    EXPECT_EQ(m_probe->FocusedWindow(), XId(owner));
    EXPECT_EQ(CountSeen(BackendEvent::Type::FocusIn, popup), 0);
    EXPECT_EQ(CountSeen(BackendEvent::Type::FocusOut, owner), 0);
}

TEST_F(SdlBackendTest, MinimisingTakesTheWindowOffTheScreenWithoutEcho)
{
    const HWND w = Show(1, Rect(200, 200, 300, 300), NativeKind::Borderless, false);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->Viewable(XId(w)); }));
    m_seen.clear();
    m_backend->SetNativeMinimized(w, true);
    EXPECT_TRUE(WaitUntil([&] { return !m_probe->Viewable(XId(w)); }));
    m_backend->SetNativeMinimized(w, false);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->Viewable(XId(w)); }));
    WaitUntil([] { return false; }, kQuietMs);
    EXPECT_EQ(CountSeen(BackendEvent::Type::MinimizeRequest, w), 0);
}

// X tells every unmapping as minimising: a window the program hid is no icon.
TEST_F(SdlBackendTest, HidingIsNeverReportedAsMinimising)
{
    const HWND owner = Show(1, Rect(100, 100, 400, 300), NativeKind::Borderless, true);
    NativeWindowDesc desc;
    desc.kind = NativeKind::Popup;
    desc.bounds = Rect(150, 180, 270, 300);
    desc.owner = owner;
    const HWND popup = SdlHandle(2);
    m_backend->CreateNativeWindow(popup, desc);
    const HWND dialog = Show(3, Rect(200, 200, 300, 300), NativeKind::Decorated, false);
    m_backend->ShowNativeWindow(popup, true, false);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->Viewable(XId(popup)) && m_probe->Viewable(XId(dialog)); }));
    WaitUntil([] { return false; }, SdlNativeWindow::kSettleMs);
    m_seen.clear();
    for (HWND h : {popup, dialog}) m_backend->ShowNativeWindow(h, false, false);
    EXPECT_TRUE(WaitUntil([&] { return !m_probe->Viewable(XId(popup)) && !m_probe->Viewable(XId(dialog)); }));
    WaitUntil([] { return false; }, kQuietMs);
    EXPECT_EQ(CountSeen(BackendEvent::Type::MinimizeRequest, popup), 0);
    EXPECT_EQ(CountSeen(BackendEvent::Type::MinimizeRequest, dialog), 0);
}

TEST_F(SdlBackendTest, OwnedWindowsAreTheirOwnersDialogsWithTheIcon)
{
    const HWND owner = Show(1, Rect(100, 100, 400, 300), NativeKind::Decorated, true);
    PixelBuffer icon(16, 16, kRed);
    NativeWindowDesc desc;
    desc.kind = NativeKind::Decorated;
    desc.bounds = Rect(150, 150, 300, 250);
    desc.icon = &icon;
    const HWND dialog = SdlHandle(2);
    m_backend->CreateNativeWindow(dialog, desc);
    // The probe's connection may be read before the backend's requests: wait for each mark.
    const auto typeIs = [&](const char* type) {
        return WaitUntil([&] {
            return m_probe->AtomNames(XId(dialog), "_NET_WM_WINDOW_TYPE") == std::vector<std::string>{type};
        });
    };
    m_backend->SetNativeOwner(dialog, owner);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->TransientFor(XId(dialog)) == XId(owner); }));
    EXPECT_TRUE(typeIs("_NET_WM_WINDOW_TYPE_DIALOG"));
    EXPECT_EQ(m_probe->PropertyLength(XId(dialog), "_NET_WM_ICON"), 2u + 16u * 16u) << "width, height, pixels";
    m_backend->SetNativeOwner(dialog, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->TransientFor(XId(dialog)) == 0u; }));
    EXPECT_TRUE(typeIs("_NET_WM_WINDOW_TYPE_NORMAL"));
}

TEST_F(SdlBackendTest, PointerEventsCarryRootCoordinatesAlsoOutsideWhileHeld)
{
    if (!m_probe->HasXTest()) GTEST_SKIP() << "no XTest";
    const HWND w = Show(1, Rect(200, 150, 400, 350), NativeKind::Borderless, true);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->Viewable(XId(w)); }));
    using T = BackendEvent::Type;

    m_probe->MovePointer({250, 200});
    auto e = WaitFor([](const BackendEvent& e) { return e.type == T::MouseMove && e.pos == Point(250, 200); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->window, w);

    m_probe->PressButton(1);
    e = WaitFor([](const BackendEvent& e) { return e.type == T::MouseDown; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->button, MouseButton::Left);
    EXPECT_EQ(e->pos, Point(250, 200));

    // Held: the window keeps getting the pointer outside itself.
    m_probe->MovePointer({700, 600});
    e = WaitFor([](const BackendEvent& e) { return e.type == T::MouseMove && e.pos == Point(700, 600); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->window, w);
    EXPECT_EQ(m_backend->CursorPos(), Point(700, 600));

    m_probe->ReleaseButton(1);
    e = WaitFor([](const BackendEvent& e) { return e.type == T::MouseUp; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->pos, Point(700, 600));

    m_probe->MovePointer({300, 300});
    m_probe->PressButton(4);
    m_probe->ReleaseButton(4);
    e = WaitFor([](const BackendEvent& e) { return e.type == T::MouseWheel; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->wheelDelta, WHEEL_DELTA);
    EXPECT_EQ(e->pos, Point(300, 300));
}

TEST_F(SdlBackendTest, KeysArriveAsVirtualKeysAndText)
{
    if (!m_probe->HasXTest()) GTEST_SKIP() << "no XTest";
    const HWND w = Show(1, Rect(200, 150, 400, 350), NativeKind::Borderless, true);
    ASSERT_TRUE(WaitUntil([&] { return m_probe->FocusedWindow() == XId(w); }));
    using T = BackendEvent::Type;

    m_probe->TapKey("a");
    auto down = WaitFor([](const BackendEvent& e) { return e.type == T::KeyDown; });
    ASSERT_TRUE(down);
    EXPECT_EQ(down->virtualKey, 'A');
    EXPECT_EQ(down->window, w);
    auto text = WaitFor([](const BackendEvent& e) { return e.type == T::Text; });
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text, "a");

    ASSERT_TRUE(WaitFor([](const BackendEvent& e) { return e.type == T::KeyUp; }));

    for (const auto& [name, vk] : {std::pair{"F5", VK_F5}, std::pair{"Left", VK_LEFT}, std::pair{"Next", VK_NEXT},
                                   std::pair{"KP_Add", VK_ADD}, std::pair{"BackSpace", VK_BACK}}) {
        m_probe->TapKey(name);
        down = WaitFor([](const BackendEvent& e) { return e.type == T::KeyDown; });
        ASSERT_TRUE(down) << name;
        EXPECT_EQ(down->virtualKey, vk) << name;
        const auto up = WaitFor([](const BackendEvent& e) { return e.type == T::KeyUp; });
        ASSERT_TRUE(up) << name;
        EXPECT_EQ(up->virtualKey, vk) << name;
    }
}

TEST_F(SdlBackendTest, ClipboardKeepsUtf8Text)
{
    const HWND w = Show(1, Rect(10, 10, 50, 50), NativeKind::Borderless, false);
    (void)w;
    m_backend->SetClipboardText("可执行文件 analysis");
    EXPECT_EQ(m_backend->ClipboardText(), "可执行文件 analysis");
}

TEST_F(SdlBackendTest, CursorShapesAndCaptureDoNotFail)
{
    const HWND w = Show(1, Rect(10, 10, 50, 50), NativeKind::Borderless, true);
    for (CursorShape shape : std::initializer_list<CursorShape>{IDC_ARROW, IDC_IBEAM, IDC_SIZENWSE, IDC_HAND, 12345}) m_backend->SetCursorShape(shape);
    m_backend->SetMouseCapture(true);
    m_backend->SetMouseCapture(false);
    m_backend->StartTextInput(Rect(20, 20, 21, 36));
    m_backend->StopTextInput();
    m_backend->SetCursorPos({30, 30});
    EXPECT_EQ(m_backend->CursorPos(), Point(30, 30));
    m_backend->DestroyNativeWindow(w);
    EXPECT_EQ(m_backend->X11WindowId(w), 0u);
}

// Windows go at any moment on the server's side while requests about them
// are on their way: SDL wakes its wait with an event sent to its newest
// window (a dialog we may destroy just after), and reads a move through the
// window manager's frame (which goes when the window is let go of). Such an
// error must not end the program from inside its loop.
enum class GoneWindow { OursDestroyed, AnotherProgramsDestroyed };

class SdlGoneWindowTest : public SdlBackendTest, public ::testing::WithParamInterface<GoneWindow> {};

TEST_P(SdlGoneWindowTest, RequestsAboutItAreDropped)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto requestsAboutGoneWindow = [this] {
        unsigned long gone = 0;
        if (GetParam() == GoneWindow::OursDestroyed) {
            const HWND dialog = Show(1, Rect(10, 10, 50, 50), NativeKind::Decorated, true);
            gone = XId(dialog);
            m_backend->DestroyNativeWindow(dialog);
        } else {
            gone = m_probe->CreateWindow();
            m_probe->DestroyWindow(gone);
        }
        (void)m_backend->WaitEvents(50);
        m_probe->SendClientMessage(gone);
        m_probe->TranslateToRoot(gone);
        (void)m_backend->WaitEvents(50);
        std::exit(0);
    };
    EXPECT_EXIT(requestsAboutGoneWindow(), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, SdlGoneWindowTest,
                         ::testing::Values(GoneWindow::OursDestroyed, GoneWindow::AnotherProgramsDestroyed),
                         [](const auto& info) {
                             return info.param == GoneWindow::OursDestroyed ? "OursDestroyed" : "AnotherProgramsDestroyed";
                         });

}  // namespace
}  // namespace win
