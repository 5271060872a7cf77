#include "platform/ui/controls/Panel.h"
#include "platform/win/WinApi.h"
#include "skin/core/SUIPublic.h"
#include "tests/ui/UiTestFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// --- InRect -------------------------------------------------------------------

struct InRectCase {
    TPoint Point;
    bool Inside;
};

class InRectTest : public testing::TestWithParam<InRectCase> {};

TEST_P(InRectTest, CountsAllFourEdgesAsInside)
{
    const TRect rect{0, 0, 10, 10};
    EXPECT_EQ(InRect(GetParam().Point, rect), GetParam().Inside);
    EXPECT_EQ(InRect(GetParam().Point.X, GetParam().Point.Y, rect), GetParam().Inside);
}

INSTANTIATE_TEST_SUITE_P(Edges, InRectTest,
                         testing::Values(InRectCase{{10, 10}, true}, InRectCase{{0, 0}, true},
                                         InRectCase{{10, 0}, true}, InRectCase{{0, 10}, true},
                                         InRectCase{{5, 5}, true}, InRectCase{{11, 5}, false},
                                         InRectCase{{5, 11}, false}, InRectCase{{-1, 5}, false},
                                         InRectCase{{5, -1}, false}));

// --- PCharToStr ---------------------------------------------------------------

TEST(PCharToStrTest, CopiesUpToTheTerminatingZero)
{
    EXPECT_EQ(PCharToStr(nullptr), "");
    EXPECT_EQ(PCharToStr(""), "");
    EXPECT_EQ(PCharToStr("abc"), "abc");
    const char twoStrings[] = "ab\0cd";
    EXPECT_EQ(PCharToStr(twoStrings), "ab");
    EXPECT_EQ(PCharToStr("最小化"), "最小化");
}

// --- IsWin95 --------------------------------------------------------------------

struct VersionCase {
    const char* System;
    DWORD Platform;
    DWORD Major;
    DWORD Minor;
    DWORD Build;
    bool Win95;
};

class IsWin95Test : public testing::TestWithParam<VersionCase> {};

TEST_P(IsWin95Test, OnlyLaterReleasesOfTheWindows95FamilyCount)
{
    OSVERSIONINFO version;
    version.dwPlatformId = GetParam().Platform;
    version.dwMajorVersion = GetParam().Major;
    version.dwMinorVersion = GetParam().Minor;
    version.dwBuildNumber = GetParam().Build;
    EXPECT_EQ(IsWin95Version(version), GetParam().Win95) << GetParam().System;
}

INSTANTIATE_TEST_SUITE_P(
    Systems, IsWin95Test,
    testing::Values(VersionCase{"95 first release", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 950, false},
                    VersionCase{"95 OSR2", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1111, true},
                    // The family reports major and minor in the build field's high word.
                    VersionCase{"95 OSR2, full build field", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0x04000457, true},
                    VersionCase{"95 at build 1000", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1000, false},
                    VersionCase{"98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, 1998, false},
                    VersionCase{"NT 4", VER_PLATFORM_WIN32_NT, 4, 0, 1381, false}));

TEST(IsWin95FlagTest, IsFalseOnThisPlatform)
{
    EXPECT_FALSE(IsWin95());
}

// --- with a window system ---------------------------------------------------------

class SUIPublicUtilsWindowTest : public uitest::UiTest {};

TEST_F(SUIPublicUtilsWindowTest, WorkAreaIsTheScreenLessTheTaskBar)
{
    EXPECT_EQ(GetWorkAreaRect(), (TRect{0, 0, 1280, 760}));
}

// Records every bounds change.
class TBoundsProbe : public TPanel {
public:
    using TPanel::TPanel;
    void SetBounds(int left, int top, int width, int height) override
    {
        calls.push_back({left, top, left + width, top + height});
        TPanel::SetBounds(left, top, width, height);
    }
    std::vector<TRect> calls;
};

TEST_F(SUIPublicUtilsWindowTest, PlaceControlByPointSetsLeftThenTop)
{
    TBoundsProbe probe(nullptr);
    probe.SetBounds(1, 2, 30, 40);
    probe.calls.clear();
    PlaceControl(&probe, TPoint{5, 6});
    EXPECT_EQ(probe.calls, (std::vector<TRect>{{5, 2, 35, 42}, {5, 6, 35, 46}}));
}

TEST_F(SUIPublicUtilsWindowTest, PlaceControlByRectSetsLeftTopWidthHeightInOrder)
{
    TBoundsProbe probe(nullptr);
    probe.SetBounds(1, 2, 30, 40);
    probe.calls.clear();
    PlaceControl(&probe, TRect{5, 6, 15, 26});
    EXPECT_EQ(probe.calls, (std::vector<TRect>{{5, 2, 35, 42}, {5, 6, 35, 46}, {5, 6, 15, 46}, {5, 6, 15, 26}}));
}

TEST_F(SUIPublicUtilsWindowTest, IsHasPropertyLooksAtPublishedProperties)
{
    TPanel panel(nullptr);
    EXPECT_TRUE(IsHasProperty(&panel, "Caption"));
    EXPECT_TRUE(IsHasProperty(&panel, "caption")) << "names compare without regard to case";
    EXPECT_FALSE(IsHasProperty(&panel, "UIStyle"));
    EXPECT_FALSE(IsHasProperty(nullptr, "Caption"));
}

}  // namespace
