// The headless backend's presented pixels and its screen composition.

#include "platform/core/Exception.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace win {
namespace {

constexpr TPixel kRed = 0xFFFF0000u;
constexpr TPixel kBlue = 0xFF0000FFu;
constexpr TPixel kGreen = 0xFF00FF00u;

HWND CaptureHandle(std::uintptr_t n) { return reinterpret_cast<HWND>(n); }

class HeadlessCaptureTest : public ::testing::Test {
protected:
    // A shown window of one colour, fully presented.
    HWND AddWindow(std::uintptr_t id, TRect bounds, TPixel colour)
    {
        const HWND h = CaptureHandle(id);
        NativeWindowDesc desc;
        desc.bounds = bounds;
        m_backend.CreateNativeWindow(h, desc);
        m_backend.ShowNativeWindow(h, true, false);
        const PixelBuffer pixels(bounds.Width(), bounds.Height(), colour);
        m_backend.Present(h, pixels, Region(pixels.Bounds()));
        return h;
    }

    HeadlessBackend m_backend{HeadlessOptions{{200, 100}, 10}};
};

TEST_F(HeadlessCaptureTest, EmptyDesktopShowsTheDesktopColourAndTheTaskBar)
{
    const PixelBuffer screen = m_backend.CaptureScreen();
    ASSERT_EQ(screen.Bounds(), Rect(0, 0, 200, 100));
    EXPECT_EQ(screen.At(0, 0), HeadlessScreen::kDesktopPixel);
    EXPECT_EQ(screen.At(199, 89), HeadlessScreen::kDesktopPixel);
    EXPECT_EQ(screen.At(0, 90), HeadlessScreen::kTaskBarEdgePixel);
    EXPECT_EQ(screen.At(100, 91), HeadlessScreen::kTaskBarPixel);
    EXPECT_EQ(screen.At(199, 99), HeadlessScreen::kTaskBarPixel);
    EXPECT_EQ(m_backend.CaptureScreen(), screen);  // deterministic
}

TEST_F(HeadlessCaptureTest, WindowsAreComposedBottomToTopInZOrder)
{
    const HWND red = AddWindow(1, Rect(10, 10, 60, 60), kRed);
    const HWND blue = AddWindow(2, Rect(40, 40, 90, 90), kBlue);
    PixelBuffer screen = m_backend.CaptureScreen();
    EXPECT_EQ(screen.At(10, 10), kRed);
    EXPECT_EQ(screen.At(59, 59), kBlue);  // the later window is on top
    EXPECT_EQ(screen.At(60, 60), kBlue);
    EXPECT_EQ(screen.At(9, 10), HeadlessScreen::kDesktopPixel);

    m_backend.SetNativeZOrder({blue, red});
    screen = m_backend.CaptureScreen();
    EXPECT_EQ(screen.At(59, 59), kRed);
    EXPECT_EQ(screen.At(60, 60), kBlue);
    EXPECT_EQ(screen.At(89, 89), kBlue);  // over the task bar too
}

TEST_F(HeadlessCaptureTest, ShapedWindowLetsWhatIsBelowShowThrough)
{
    AddWindow(1, Rect(0, 0, 100, 80), kRed);
    const HWND round = AddWindow(2, Rect(20, 20, 60, 60), kBlue);
    // Window coordinates: the shape's left half only, with a hole.
    const Region shape = Region(Rect(0, 0, 20, 40)).Subtracted(Region(Rect(5, 5, 10, 10)));
    m_backend.SetNativeShape(round, &shape);
    PixelBuffer screen = m_backend.CaptureScreen();
    EXPECT_EQ(screen.At(20, 20), kBlue);
    EXPECT_EQ(screen.At(39, 59), kBlue);
    EXPECT_EQ(screen.At(40, 20), kRed);  // right of the shape
    EXPECT_EQ(screen.At(26, 26), kRed);  // the hole

    // A shape reaching outside the window is clipped to the window.
    const Region wide(Rect(-50, -50, 500, 500));
    m_backend.SetNativeShape(round, &wide);
    screen = m_backend.CaptureScreen();
    EXPECT_EQ(screen.At(19, 19), kRed);
    EXPECT_EQ(screen.At(60, 60), kRed);
    EXPECT_EQ(screen.At(59, 59), kBlue);

    m_backend.SetNativeShape(round, nullptr);
    EXPECT_EQ(m_backend.CaptureScreen().At(45, 45), kBlue);
}

TEST_F(HeadlessCaptureTest, MinimisedAndHiddenWindowsAreNotShown)
{
    const HWND red = AddWindow(1, Rect(0, 0, 50, 50), kRed);
    const HWND blue = AddWindow(2, Rect(0, 0, 50, 50), kBlue);
    m_backend.SetNativeMinimized(blue, true);
    EXPECT_EQ(m_backend.CaptureScreen().At(25, 25), kRed);
    m_backend.ShowNativeWindow(red, false, false);
    EXPECT_EQ(m_backend.CaptureScreen().At(25, 25), HeadlessScreen::kDesktopPixel);
    m_backend.SetNativeMinimized(blue, false);
    EXPECT_EQ(m_backend.CaptureScreen().At(25, 25), kBlue);
}

TEST_F(HeadlessCaptureTest, WindowsPartlyOffScreenAreClipped)
{
    AddWindow(1, Rect(-30, -30, 20, 20), kRed);
    AddWindow(2, Rect(180, 80, 260, 160), kBlue);
    const PixelBuffer screen = m_backend.CaptureScreen();
    EXPECT_EQ(screen.At(0, 0), kRed);
    EXPECT_EQ(screen.At(19, 19), kRed);
    EXPECT_EQ(screen.At(199, 99), kBlue);
}

TEST_F(HeadlessCaptureTest, PresentCopiesOnlyTheDirtyPart)
{
    const HWND w = AddWindow(1, Rect(0, 0, 40, 30), kRed);
    const PixelBuffer green(40, 30, kGreen);
    const Region dirty = Region(Rect(10, 10, 20, 20)).United(Region(Rect(35, 25, 80, 80)));
    m_backend.Present(w, green, dirty);

    const PixelBuffer shown = m_backend.CaptureWindow(w);
    EXPECT_EQ(shown.At(9, 9), kRed);
    EXPECT_EQ(shown.At(10, 10), kGreen);
    EXPECT_EQ(shown.At(19, 19), kGreen);
    EXPECT_EQ(shown.At(20, 20), kRed);
    EXPECT_EQ(shown.At(39, 29), kGreen);
    const HeadlessWindow* state = m_backend.NativeWindow(w);
    EXPECT_EQ(state->presentCount, 2);
    EXPECT_EQ(state->lastPresented, dirty.Intersected(Region(Rect(0, 0, 40, 30))));
}

TEST_F(HeadlessCaptureTest, PresentOfALargerOrSmallerBufferCopiesTheCommonPart)
{
    const HWND w = AddWindow(1, Rect(0, 0, 40, 30), kRed);
    m_backend.Present(w, PixelBuffer(10, 10, kGreen), Region(Rect(0, 0, 40, 30)));
    EXPECT_EQ(m_backend.CaptureWindow(w).At(9, 9), kGreen);
    EXPECT_EQ(m_backend.CaptureWindow(w).At(10, 10), kRed);
    m_backend.Present(w, PixelBuffer(100, 100, kBlue), Region(Rect(0, 0, 100, 100)));
    EXPECT_EQ(m_backend.CaptureWindow(w).Bounds(), Rect(0, 0, 40, 30));
}

TEST_F(HeadlessCaptureTest, SizingKeepsTheTopLeftPixels)
{
    const HWND w = AddWindow(1, Rect(0, 0, 20, 20), kRed);
    m_backend.SetNativeBounds(w, Rect(5, 5, 45, 15));
    const PixelBuffer shown = m_backend.CaptureWindow(w);
    EXPECT_EQ(shown.Bounds(), Rect(0, 0, 40, 10));
    EXPECT_EQ(shown.At(19, 9), kRed);
    EXPECT_EQ(m_backend.CaptureScreen().At(5, 5), kRed);
}

TEST_F(HeadlessCaptureTest, ScreenCaptureIsOpaqueEvenForTransparentPixels)
{
    const HWND w = AddWindow(1, Rect(0, 0, 10, 10), 0x00123456u);
    EXPECT_EQ(m_backend.CaptureWindow(w).At(0, 0), 0x00123456u);
    EXPECT_EQ(m_backend.CaptureScreen().At(0, 0), 0xFF123456u);
}

TEST_F(HeadlessCaptureTest, UnknownWindowCannotBeCaptured)
{
    EXPECT_THROW((void)m_backend.CaptureWindow(CaptureHandle(42)), EInvalidOperation);
}

TEST_F(HeadlessCaptureTest, SavesTheScreenAsPng)
{
    AddWindow(1, Rect(0, 0, 10, 10), kRed);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("qz-headless-" + std::to_string(::getpid()) + ".png");
    m_backend.SaveScreenPng(path.string());
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    EXPECT_GT(std::filesystem::file_size(path), 8u);
    std::filesystem::remove(path);
    EXPECT_THROW(m_backend.SaveScreenPng("/nonexistent-dir/x.png"), EFOpenError);
}

}  // namespace
}  // namespace win
