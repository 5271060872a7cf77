// The skin pictures the program embeds: the colours the skin keys on are
// where it looks for them, stretched pictures are plain along the stretch,
// and the sample themes' pictures have the DeepBlue sizes. (Names and sizes
// of the embedded pictures are checked against the art catalogue by the art
// tool's tests.)

#include "platform/core/Resources.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Icon.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "tests/skin/core/SkinCoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using skintest::ColorAt;

constexpr int kLeastInk = 8;  // pixels: the smallest title-button glyph is a 7 x 2 bar

struct StylePrefix {
    TsuiUIStyle Style;
    const char* Prefix;
};

constexpr StylePrefix kStyles[] = {
    {MacOS, "MACOS"}, {WinXP, "WINXP"}, {DeepBlue, "DEEPBLUE"}, {Protein, "PROTEIN"}, {BlueGlass, "BLUEGLASS"}};

[[nodiscard]] std::unique_ptr<TBitmap> Skin(const std::string& name)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromResourceName(nullptr, name);
    return bitmap;
}

// The frames of a strip as rectangles of the strip.
[[nodiscard]] std::vector<TRect> Frames(const TBitmap& strip, int count)
{
    std::vector<TRect> frames;
    const int width = strip.Width() / count;
    for (int i = 0; i < count; ++i) frames.push_back({i * width, 0, (i + 1) * width, strip.Height()});
    return frames;
}

[[nodiscard]] std::vector<TColor> CornersOf(const TBitmap& bitmap, const TRect& r)
{
    return {ColorAt(bitmap, r.Left, r.Top), ColorAt(bitmap, r.Right - 1, r.Top), ColorAt(bitmap, r.Left, r.Bottom - 1),
            ColorAt(bitmap, r.Right - 1, r.Bottom - 1)};
}

[[nodiscard]] TColor CentreOf(const TBitmap& bitmap, const TRect& r)
{
    return ColorAt(bitmap, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

[[nodiscard]] bool HasColor(const TBitmap& bitmap, TColor color)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (ColorAt(bitmap, x, y) == color) return true;
        }
    }
    return false;
}

[[nodiscard]] int CountOtherThan(const TBitmap& bitmap, const TRect& r, TColor color)
{
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) count += ColorAt(bitmap, x, y) != color;
    }
    return count;
}

// Whether every row of r holds one colour: what a picture stretched along
// its width must be, so that stretching shows no bands.
[[nodiscard]] bool RowsArePlain(const TBitmap& bitmap, const TRect& r)
{
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left + 1; x < r.Right; ++x) {
            if (ColorAt(bitmap, x, y) != ColorAt(bitmap, r.Left, y)) return false;
        }
    }
    return true;
}

class SkinResourcesTest : public testing::Test {
protected:
    void SetUp() override { skintest::UseAppResources(); }
};

TEST_F(SkinResourcesTest, MainIconIs32PixelsWithAFuchsiaSurround)
{
    TIcon icon;
    icon.LoadFromResourceName(nullptr, "MAINICON");
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    for (const TColor corner : CornersOf(icon.Image(), {0, 0, 32, 32})) EXPECT_EQ(corner, clFuchsia);
    EXPECT_NE(CentreOf(icon.Image(), {0, 0, 32, 32}), clFuchsia);
}

// Check boxes are drawn opaque and radio buttons keyed by their bottom-left
// pixel: every frame's corners are the form's background, inside it is not.
TEST_F(SkinResourcesTest, CheckAndRadioFramesSitOnTheFormBackground)
{
    for (const StylePrefix& s : kStyles) {
        const TColor background = GetInsideThemeColor(s.Style, SuiThemeId::FormBackgroundColor);
        for (const char* part : {"_CHECKBOX", "_RADIOBUTTON", "_CHECKLIST"}) {
            const std::string name = std::string(s.Prefix) + part;
            const auto strip = Skin(name);
            for (const TRect& frame : Frames(*strip, 4)) {
                for (const TColor corner : CornersOf(*strip, frame)) EXPECT_EQ(corner, background) << name;
                EXPECT_NE(CentreOf(*strip, frame), background) << name;
            }
        }
    }
}

// Keyed title buttons leave out the colour of their bottom-left pixel, which
// must therefore be the surround and never the button; opaque ones must not
// show fuchsia anywhere.
TEST_F(SkinResourcesTest, TitleButtonsAreKeyedExactlyWhereTheStyleDrawsThemTransparent)
{
    for (const StylePrefix& s : kStyles) {
        const std::string name = std::string(s.Prefix) + "_TITLEBTN";
        const auto strip = Skin(name);
        if (GetInsideThemeBool(s.Style, SuiThemeId::TitleBarButtonTransparentBool)) {
            for (const TRect& frame : Frames(*strip, 18)) {
                EXPECT_EQ(ColorAt(*strip, frame.Left, frame.Bottom - 1), clFuchsia) << name;
                EXPECT_GE(CountOtherThan(*strip, frame, clFuchsia), kLeastInk) << name << ": a nearly empty frame";
            }
        } else {
            EXPECT_FALSE(HasColor(*strip, clFuchsia)) << name;
        }
    }
}

// Button faces of transparent styles have fuchsia corners; the others draw
// their corners opaque, so fuchsia there would show.
TEST_F(SkinResourcesTest, ButtonFacesAreKeyedExactlyWhereTheStyleDrawsThemTransparent)
{
    for (const StylePrefix& s : kStyles) {
        const std::string name = std::string(s.Prefix) + "_BUTTON";
        const auto strip = Skin(name);
        for (const TRect& frame : Frames(*strip, 3)) {
            if (GetInsideThemeBool(s.Style, SuiThemeId::ButtonTransparentBool)) {
                for (const TColor corner : CornersOf(*strip, frame)) EXPECT_EQ(corner, clFuchsia) << name;
                EXPECT_NE(CentreOf(*strip, frame), clFuchsia) << name;
            } else {
                EXPECT_FALSE(HasColor(*strip, clFuchsia)) << name;
            }
        }
    }
}

TEST_F(SkinResourcesTest, ScrollBarPiecesSitOnTheScrollBarBackground)
{
    for (const StylePrefix& s : kStyles) {
        const TColor track = GetInsideThemeColor(s.Style, SuiThemeId::ScrollBarBackgroundColor);
        const std::string name = std::string(s.Prefix) + "_SCROLLBAR_TRACK";
        const auto slider = Skin(name);
        EXPECT_EQ(ColorAt(*slider, 0, 0), track) << name;
        EXPECT_EQ(ColorAt(*slider, slider->Width() - 1, slider->Height() - 1), track) << name;
        EXPECT_NE(CentreOf(*slider, slider->Pixels().Bounds()), track) << name;
    }
}

// The horizontal track-bar slider is drawn keyed by its bottom-left pixel.
TEST_F(SkinResourcesTest, TrackBarSliderKeyIsOutsideTheSlider)
{
    for (const StylePrefix& s : kStyles) {
        const std::string name = std::string(s.Prefix) + "_TRACKBAR_SLIDER";
        const auto slider = Skin(name);
        const TColor key = ColorAt(*slider, 0, slider->Height() - 1);
        EXPECT_NE(CentreOf(*slider, slider->Pixels().Bounds()), key) << name;
        EXPECT_NE(ColorAt(*slider, slider->Width() / 2, slider->Height() - 2), key) << name << ": the tip";
    }
}

TEST_F(SkinResourcesTest, StretchedPicturesArePlainAlongTheStretch)
{
    for (const StylePrefix& s : kStyles) {
        const std::string prefix = s.Prefix;
        for (const char* part : {"_TITLE_CLIENT", "_PROGRESSBAR", "_SIDECHENNEL_BAR"}) {
            const auto picture = Skin(prefix + part);
            EXPECT_TRUE(RowsArePlain(*picture, picture->Pixels().Bounds())) << prefix + part;
        }
        // The middle third of three-piece pictures.
        for (const char* part : {"_SCROLLBAR_TRACK", "_TRACKBAR_BAR", "_TAB"}) {
            const auto picture = Skin(prefix + part);
            EXPECT_TRUE(RowsArePlain(*picture, Frames(*picture, 3)[1])) << prefix + part;
        }
    }
}

TEST_F(SkinResourcesTest, TitleBarPiecesJoinWithoutASeam)
{
    for (const StylePrefix& s : kStyles) {
        const std::string prefix = s.Prefix;
        const auto left = Skin(prefix + "_TITLE_LEFT");
        const auto client = Skin(prefix + "_TITLE_CLIENT");
        const auto right = Skin(prefix + "_TITLE_RIGHT");
        for (int y = 0; y < client->Height(); ++y) {
            EXPECT_EQ(ColorAt(*left, left->Width() - 1, y), ColorAt(*client, 0, y)) << prefix << " left, row " << y;
            EXPECT_EQ(ColorAt(*right, 0, y), ColorAt(*client, client->Width() - 1, y)) << prefix << " right, row " << y;
        }
    }
}

// The menus add the check mark with white as its transparent colour.
TEST_F(SkinResourcesTest, MenuCheckIsBlackOnWhite)
{
    const auto check = Skin("MENU_CHECKED");
    for (const TColor corner : CornersOf(*check, {0, 0, 16, 16})) EXPECT_EQ(corner, clWhite);
    EXPECT_TRUE(HasColor(*check, clBlack));
}

TEST_F(SkinResourcesTest, MessageIconsAreFourDistinctPicturesOnOneBackground)
{
    const auto icons = Skin("MSGDLG");
    const std::vector<TRect> frames = Frames(*icons, 4);
    const TColor background = ColorAt(*icons, 0, 0);
    std::vector<TColor> colours;
    for (const TRect& frame : frames) {
        for (const TColor corner : CornersOf(*icons, frame)) EXPECT_EQ(corner, background);
        // Above the symbol, where each icon shows its own colour.
        colours.push_back(ColorAt(*icons, (frame.Left + frame.Right) / 2, frame.Top + 8));
    }
    std::sort(colours.begin(), colours.end());
    EXPECT_EQ(std::unique(colours.begin(), colours.end()), colours.end()) << "two icons look alike";
}

class SampleThemeTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { skintest::UseAppResources(); }
    [[nodiscard]] static std::string Folder() { return std::string(QZ_SOURCE_DIR) + "/resources/themes/" + GetParam(); }
};

TEST_P(SampleThemeTest, PicturesHaveTheDeepBlueSizes)
{
    for (int id = 1; id <= kThemeElementCount; ++id) {
        if (ThemeElementKindOf(id) != TThemeElementKind::Bitmap) continue;
        TBitmap builtIn;
        GetInsideThemeBitmap(DeepBlue, id, &builtIn);
        TBitmap picture;
        picture.LoadFromFile(Folder() + "/" + std::string(ThemeElementKey(id)) + ".bmp");
        EXPECT_EQ(picture.Width(), builtIn.Width()) << ThemeElementKey(id);
        EXPECT_EQ(picture.Height(), builtIn.Height()) << ThemeElementKey(id);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleThemeTest, testing::Values("Amber", "Graphite"));

}  // namespace
