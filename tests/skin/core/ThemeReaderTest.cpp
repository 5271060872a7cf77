// The theme seam answers every element exactly as the family it resolves to
// would: the built-in getters of the component's style, or of DeepBlue, or
// the file theme's getters. Every style meets every state of its file theme
// (none, not loaded, loaded, loaded with gaps, removed from the form), and
// every id meets every accessor, including ids of another kind.

#include "ThemeFileTestSupport.h"
#include "ThemeManagerTestProbes.h"

#include "skin/core/FileTheme.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeReader.h"
#include "tests/skin/core/SkinCoreTestSupport.h"
#include "tests/core/TempDir.h"
#include "tests/ui/UiTestFixture.h"

#include <tuple>

namespace {

using namespace themetest;

enum class FileState { None, NotLoaded, Loaded, LoadedWithGaps, Removed };

constexpr TsuiUIStyle kStyles[] = {FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass};
constexpr int kFrames = 3;   // frames a strip is cut into
constexpr int kFrame = 2;    // the one taken

// A bitmap no element has: what a getter that leaves its bitmap alone hands back.
std::unique_ptr<TBitmap> Untouched()
{
    auto b = std::make_unique<TBitmap>(2, 1);
    b->Canvas()->SetPixels(0, 0, clLime);
    return b;
}

// What a getter family gives for one element, gathered for comparison.
struct Answer {
    int Int = 0;
    TColor Color = 0;
    bool Bool = false;
    PixelBuffer Whole;
    PixelBuffer Frame;
    bool operator==(const Answer&) const = default;
};

template <class IntFn, class ColorFn, class BoolFn, class WholeFn, class FrameFn>
Answer AnswerOf(IntFn i, ColorFn c, BoolFn b, WholeFn whole, FrameFn frame)
{
    auto wholeBuf = Untouched();
    auto frameBuf = Untouched();
    whole(wholeBuf.get());
    frame(frameBuf.get());
    return {i(), c(), b(), wholeBuf->Pixels(), frameBuf->Pixels()};
}

Answer ReaderAnswer(const TThemeReader& theme, int id)
{
    return AnswerOf([&] { return theme.Int(id); }, [&] { return theme.Color(id); }, [&] { return theme.Bool(id); },
                    [&](TBitmap* b) { theme.Bitmap(id, b); }, [&](TBitmap* b) { theme.Bitmap(id, b, kFrames, kFrame); });
}

Answer BuiltInAnswer(TsuiUIStyle style, int id)
{
    return AnswerOf([&] { return GetInsideThemeInt(style, id); }, [&] { return GetInsideThemeColor(style, id); },
                    [&] { return GetInsideThemeBool(style, id); },
                    [&](TBitmap* b) { GetInsideThemeBitmap(style, id, b); },
                    [&](TBitmap* b) { GetInsideThemeBitmap(style, id, b, kFrames, kFrame); });
}

Answer FileAnswer(TsuiFileTheme& file, int id)
{
    return AnswerOf([&] { return file.GetInt(id); }, [&] { return file.GetColor(id); },
                    [&] { return file.GetBool(id); }, [&](TBitmap* b) { file.GetBitmap(id, b); },
                    [&](TBitmap* b) { file.GetBitmap(id, b, kFrames, kFrame); });
}

class ThemeReaderTest : public uitest::UiTest,
                        public ::testing::WithParamInterface<std::tuple<TsuiUIStyle, FileState>> {
protected:
    ThemeReaderTest() { skintest::UseAppResources(); }

    // A theme of every element, or of the even ones.
    std::string WriteTheme(bool withGaps)
    {
        const std::string path = dir.File("theme.sui");
        WriteFullTheme(path, dir.File(""), withGaps ? +[](int id) { return id % 2 == 0; } : nullptr);
        return path;
    }

    TempDir dir;
    TForm* form = new TForm(&App());
};

TEST_P(ThemeReaderTest, EveryElementComesFromTheFamilyTheContractPicks)
{
    const auto [style, state] = GetParam();
    auto* probe = new TsuiThemeProbe(form);
    TsuiFileTheme* file = nullptr;
    if (state != FileState::None) {
        file = new TsuiFileTheme(form);
        if (state != FileState::NotLoaded) file->SetThemeFile(WriteTheme(state == FileState::LoadedWithGaps));
        probe->SetFileTheme(file);
    }
    probe->SetUIStyle(style);
    if (state == FileState::Removed) {
        delete file;
        file = nullptr;
    }

    // An explicit style wins; FromThemeFile reads a loaded file, else DeepBlue.
    const bool loaded = state == FileState::Loaded || state == FileState::LoadedWithGaps;
    const bool expectFile = style == FromThemeFile && loaded;
    const TsuiUIStyle expectStyle =
        state == FileState::Removed ? DeepBlue : (style == FromThemeFile ? (loaded ? FromThemeFile : DeepBlue) : style);

    const TThemeReader theme(probe->FileTheme(), probe->UIStyle());
    EXPECT_EQ(theme.FromFile(), expectFile);
    EXPECT_EQ(theme.Style(), expectStyle);
    for (int id = 0; id <= kThemeElementCount + 1; ++id) {
        const Answer expected = expectFile ? FileAnswer(*file, id) : BuiltInAnswer(expectStyle, id);
        EXPECT_TRUE(ReaderAnswer(theme, id) == expected) << "element " << id;
    }
    // A null bitmap is never touched.
    theme.Bitmap(SuiThemeId::ButtonImage, nullptr);
    theme.Bitmap(SuiThemeId::ButtonImage, nullptr, kFrames, kFrame);
}

std::string StateName(FileState s)
{
    constexpr const char* kNames[] = {"NoFile", "NotLoaded", "Loaded", "LoadedWithGaps", "Removed"};
    return kNames[int(s)];
}

INSTANTIATE_TEST_SUITE_P(StylesAndFiles, ThemeReaderTest,
                         ::testing::Combine(::testing::ValuesIn(kStyles),
                                            ::testing::Values(FileState::None, FileState::NotLoaded, FileState::Loaded,
                                                              FileState::LoadedWithGaps, FileState::Removed)),
                         [](const auto& info) {
                             const TsuiUIStyle style = std::get<0>(info.param);
                             return GetEnumName(EnumInfoOf(style), style) + "_" + StateName(std::get<1>(info.param));
                         });

}  // namespace
