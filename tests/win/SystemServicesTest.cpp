// System services: metrics, the work area, interface fonts, the version,
// the shell's open, the clipboard, cursors and the clock.

#include "WindowTestHarness.h"

namespace wintest {
namespace {

class SystemServicesTest : public WindowTest {};

TEST_F(SystemServicesTest, TheWorkAreaLeavesOutTheTaskBar)
{
    RECT work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, Rect(0, 0, 1280, 760));
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));
}

struct MetricCase {
    int index;
    int value;
};

class SystemMetricsTest : public WindowTest, public ::testing::WithParamInterface<MetricCase> {};

TEST_P(SystemMetricsTest, ClassicValues)
{
    EXPECT_EQ(GetSystemMetrics(GetParam().index), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Metrics, SystemMetricsTest,
    ::testing::Values(MetricCase{SM_CXSCREEN, 1280}, MetricCase{SM_CYSCREEN, 800}, MetricCase{SM_CXVSCROLL, 16},
                      MetricCase{SM_CYHSCROLL, 16}, MetricCase{SM_CXBORDER, 1}, MetricCase{SM_CXEDGE, 2},
                      MetricCase{SM_CYCAPTION, 18}, MetricCase{SM_CXDOUBLECLK, 4}, MetricCase{SM_CXICON, 32},
                      MetricCase{SM_CXSMICON, 16}, MetricCase{SM_CXMAXIMIZED, 1280}, MetricCase{SM_CYMAXIMIZED, 760},
                      MetricCase{-1, 0}));

TEST_F(SystemServicesTest, NonClientMetricsNameTheInterfaceFonts)
{
    NONCLIENTMETRICS m;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &m, 0));
    EXPECT_EQ(m.lfMessageFont.lfFaceName, "Tahoma");
    EXPECT_EQ(m.lfMessageFont.lfHeight, -11);
    EXPECT_EQ(m.lfMenuFont.lfFaceName, "Tahoma");
    EXPECT_EQ(m.lfCaptionFont.lfWeight, 700);
    EXPECT_EQ(m.iScrollWidth, 16);
}

TEST_F(SystemServicesTest, TheVersionIsAModernPlatform)
{
    OSVERSIONINFO v;
    ASSERT_TRUE(GetVersionEx(v));
    EXPECT_EQ(v.dwPlatformId, DWORD(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(v.dwMajorVersion, 10u);
    const bool isWin95 = v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && v.dwMajorVersion == 4 && v.dwMinorVersion == 0;
    EXPECT_FALSE(isWin95);
}

TEST_F(SystemServicesTest, ShellOpenReachesTheDesktopsUrlOpener)
{
    EXPECT_EQ(ShellExecute(nullptr, "open", "https://example.org/", "", "", SW_SHOWMAXIMIZED), 42);
    EXPECT_EQ(Desktop().OpenedUrls(), std::vector<std::string>{"https://example.org/"});
    EXPECT_LE(ShellExecute(nullptr, "print", "a.txt", "", "", SW_SHOW), 32) << "only open is offered";
    EXPECT_LE(ShellExecute(nullptr, "open", "", "", "", SW_SHOW), 32);
    EXPECT_EQ(Desktop().OpenedUrls().size(), 1u);
}

TEST_F(SystemServicesTest, TheClipboardGoesThroughTheBackend)
{
    EXPECT_EQ(GetClipboardText(), "");
    SetClipboardText("复制");
    EXPECT_EQ(GetClipboardText(), "复制");
    EXPECT_EQ(Desktop().ClipboardText(), std::optional<std::string>("复制"));
}

TEST_F(SystemServicesTest, CursorsAreTheStandardIdsAndReachTheBackend)
{
    EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), reinterpret_cast<HCURSOR>(std::intptr_t(IDC_HAND)));
    EXPECT_EQ(LoadCursor(nullptr, 12345), nullptr);
    const HCURSOR before = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_WAIT);
    EXPECT_EQ(SetCursor(before), LoadCursor(nullptr, IDC_WAIT));
    SetCursorPos(300, 200);
    POINT p;
    GetCursorPos(p);
    EXPECT_EQ(p, Point(300, 200));
}

TEST_F(SystemServicesTest, TheClockIsTheBackendsClock)
{
    const DWORD before = GetTickCount();
    Desktop().AdvanceClock(1234);
    EXPECT_EQ(GetTickCount() - before, 1234u);
}

TEST_F(SystemServicesTest, TheCurrentSystemIsTheNewestOneAlive)
{
    EXPECT_TRUE(WindowSystem::Exists());
    EXPECT_EQ(&WindowSystem::Current(), &System());
    {
        WindowSystem inner(std::make_unique<win::HeadlessBackend>());
        EXPECT_EQ(&WindowSystem::Current(), &inner);
        EXPECT_EQ(GetTopLevelWindows().size(), 0u);
    }
    EXPECT_EQ(&WindowSystem::Current(), &System());
}

}  // namespace
}  // namespace wintest
