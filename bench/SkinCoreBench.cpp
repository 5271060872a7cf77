// The skin's per-paint costs and the one-time cost of a theme file:
//   ButtonFacePaint  what a skinned push button does on every paint: load its
//                    style's strip from the resources, cut the frame, stretch it
//                    by nine pieces onto an 80 x 27 off-screen bitmap.
//   TitleBarPicture  the same for a 97 x 32 title-bar piece, then the rounded
//                    corner cut that WinXP's title bar makes.
//   LoadThemeFile    reading a packed sample theme whole (every element copied
//                    into memory), as choosing a theme file does.

#include "platform/core/Resources.h"
#include "platform/core/ResourceTable.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"

#include <benchmark/benchmark.h>

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace {

constexpr int kButtonFrames = 3;  // normal, pointer over, pressed

void RegisterOnce()
{
    static const bool registered = (RegisterResources(AppResources()), true);
    (void)registered;
}

void ButtonFacePaint(benchmark::State& state)
{
    RegisterOnce();
    TBitmap target(80, 27);
    for (auto _ : state) {
        TBitmap face;
        GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, SuiThemeId::ButtonImage, &face, kButtonFrames, 1);
        SpitDraw(&face, target.Canvas(), TRect{0, 0, 80, 27}, false);
        benchmark::DoNotOptimize(target.Pixels().At(40, 13));
    }
}
BENCHMARK(ButtonFacePaint)->Unit(benchmark::kMicrosecond);

void TitleBarPicture(benchmark::State& state)
{
    RegisterOnce();
    for (auto _ : state) {
        TBitmap piece;
        GetInsideThemeBitmap(TsuiUIStyle::WinXP, SuiThemeId::TitleBarLeftImage, &piece);
        RoundPicture(&piece);
        benchmark::DoNotOptimize(piece.Pixels().At(0, 0));
    }
}
BENCHMARK(TitleBarPicture)->Unit(benchmark::kMicrosecond);

void LoadThemeFile(benchmark::State& state)
{
    for (auto _ : state) {
        TsuiFileTheme theme(nullptr);
        theme.SetThemeFile(QZ_SAMPLE_THEME_DIR "/Amber.sui");
        benchmark::DoNotOptimize(theme.GetColor(SuiThemeId::FormBackgroundColor));
    }
}
BENCHMARK(LoadThemeFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
