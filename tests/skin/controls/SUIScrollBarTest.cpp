// TsuiScrollBar: a new bar's defaults and sizes per style, the layout of
// both orientations, the slider's length from PageSize or LineButton, arrow
// repeat on hold, the fallback when the file theme goes, and goldens.

#include "SkinControlTest.h"

#include "platform/ui/graphics/Picture.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/core/FileTheme.h"
#include "tests/support/GoldenImage.h"

namespace skintest {
namespace {

class ScrollBarTest : public SkinControlTest {
protected:
    TsuiScrollBar* NewBar(TRect bounds = {10, 10, 10 + 152, 30})
    {
        bar = Make<TsuiScrollBar>("sbBar", bounds);
        return bar;
    }
    [[nodiscard]] int SliderLength() const
    {
        const TsuiImagePanel* slider = bar->TrackBar()->Slider();
        return bar->Orientation() == suiHorizontal ? slider->Width() : slider->Height();
    }
    // A left press on control held for ms.
    void Hold(const TControl* control, std::uint32_t ms)
    {
        Desktop().InjectMouseMove(ScreenPointOf(control));
        Desktop().InjectMouseDown(ScreenPointOf(control));
        Pump();
        for (std::uint32_t t = 0; t < ms; t += 10) Wait(10);  // timers fire once per pump
        Desktop().InjectMouseUp(ScreenPointOf(control));
        Pump();
    }
    TsuiScrollBar* bar = nullptr;
};

struct StyleSize {
    TsuiUIStyle style;
    int crossSize;  // one arrow frame's width: the vertical bar's width, the horizontal bar's height
    TColor background;
};

class ScrollBarStyleTest : public ScrollBarTest, public ::testing::WithParamInterface<StyleSize> {};

TEST_P(ScrollBarStyleTest, ANewBarIsHorizontalAndAsHighAsAnArrow)
{
    auto* fresh = new TsuiScrollBar(Form());
    fresh->SetParent(Form());
    fresh->SetUIStyle(GetParam().style);
    EXPECT_EQ(fresh->Orientation(), suiHorizontal);
    EXPECT_EQ(fresh->Width(), 185);
    EXPECT_EQ(fresh->Height(), GetParam().crossSize);
    EXPECT_EQ(fresh->Color(), GetParam().background);
    EXPECT_EQ(fresh->TrackBar()->Color(), GetParam().background);
    EXPECT_EQ((std::array{fresh->Min(), fresh->Max(), fresh->Position(), fresh->PageSize(), fresh->LargeChange(),
                          fresh->SmallChange(), fresh->LineButton()}),
              (std::array{0, 100, 0, 2, 2, 1, 0}));
    const TRect track = fresh->TrackBar()->BoundsRect();
    EXPECT_EQ(track, TRect(fresh->DecButton()->Width(), 0, 185 - fresh->IncButton()->Width(), GetParam().crossSize));

    fresh->SetOrientation(suiVertical);
    fresh->SetHeight(120);
    EXPECT_EQ(fresh->Width(), GetParam().crossSize);
    const int arrow = fresh->DecButton()->Height();
    EXPECT_EQ(fresh->TrackBar()->BoundsRect(), TRect(0, arrow, GetParam().crossSize, 120 - arrow - 1))
        << "the vertical track is one pixel shorter than the room between the arrows";
    EXPECT_EQ(fresh->IncButton()->Top(), 120 - fresh->IncButton()->Height());
}

INSTANTIATE_TEST_SUITE_P(Styles, ScrollBarStyleTest,
                         ::testing::Values(StyleSize{MacOS, 16, TColor(0xC9C9C9)}, StyleSize{WinXP, 16, TColor(0xF9F9F9)},
                                           StyleSize{DeepBlue, 16, TColor(0xF5F5F5)},
                                           StyleSize{Protein, 16, TColor(0xF5F5F5)},
                                           StyleSize{BlueGlass, 17, TColor(0xF4F4F4)}));

TEST_F(ScrollBarTest, TheSliderIsPageSizePercentOfTheTrackOrTheGivenLength)
{
    NewBar();  // DeepBlue: 16-pixel arrows leave a 120-pixel track
    ASSERT_EQ(bar->TrackBar()->Width(), 120);
    EXPECT_EQ(SliderLength(), 12) << "PageSize 2 counts as 10 %";
    bar->SetPageSize(50);
    EXPECT_EQ(SliderLength(), 60);
    bar->SetPageSize(150);
    EXPECT_EQ(bar->PageSize(), 50) << "above Max: refused";
    bar->SetMax(200);
    bar->SetPageSize(150);
    EXPECT_EQ(SliderLength(), 12);
    bar->SetLineButton(5);
    EXPECT_EQ(bar->LineButton(), 18);
    EXPECT_EQ(SliderLength(), 18);
    bar->SetLineButton(121);
    EXPECT_EQ(bar->LineButton(), 18) << "longer than the room between the arrows: refused";
    bar->SetLineButton(0);
    EXPECT_EQ(SliderLength(), 12);
    bar->SetLargeChange(50);
    EXPECT_EQ(SliderLength(), 12) << "LargeChange waits for the next rebuild";
    bar->SetOrientation(suiVertical);
    bar->SetBounds(10, 10, 16, 153);
    EXPECT_EQ(SliderLength(), 60);
}

TEST_F(ScrollBarTest, ANewSliderLengthIsPlacedAtOnce)
{
    NewBar();
    bar->SetPosition(100);
    bar->SetPageSize(50);
    const TsuiImagePanel* slider = bar->TrackBar()->Slider();
    EXPECT_EQ(slider->Left() + slider->Width(), bar->TrackBar()->Width()) << "the slider ends at the track's end";
}

TEST_F(ScrollBarTest, HoldingAnArrowStepsOncePerRepeatTick)
{
    NewBar();
    bar->SetSmallChange(4);
    int changes = 0;
    bar->SetOnChange([&](TObject* sender) {
        EXPECT_EQ(sender, bar->TrackBar());
        ++changes;
    });
    Hold(bar->IncButton(), 350);
    EXPECT_EQ(bar->Position(), 12);
    EXPECT_EQ(changes, 3);
    Hold(bar->DecButton(), 50);
    EXPECT_EQ(bar->Position(), 12) << "a short click moves nothing";
    Hold(bar->DecButton(), 1000);
    EXPECT_EQ(bar->Position(), 0) << "never below Min";
}

TEST_F(ScrollBarTest, RemovingTheFileThemeFallsBackToDeepBlue)
{
    NewBar();
    auto* theme = new TsuiFileTheme(Form());
    bar->SetFileTheme(theme);
    bar->SetUIStyle(MacOS);
    EXPECT_EQ(bar->Color(), TColor(0xC9C9C9));
    delete theme;
    EXPECT_EQ(bar->FileTheme(), nullptr);
    EXPECT_EQ(bar->UIStyle(), DeepBlue);
    EXPECT_EQ(bar->Color(), TColor(0xF5F5F5));
}

class ScrollBarGoldenTest : public ScrollBarTest, public ::testing::WithParamInterface<TsuiUIStyle> {};

TEST_P(ScrollBarGoldenTest, BothOrientationsLookAsTheStyleSays)
{
    auto* horizontal = Make<TsuiScrollBar>("sbH", {0, 0, 160, 20});
    auto* vertical = Make<TsuiScrollBar>("sbV", {170, 0, 190, 100});
    vertical->SetOrientation(suiVertical);
    vertical->SetBounds(170, 0, 20, 100);
    for (TsuiScrollBar* b : {horizontal, vertical}) {
        b->SetUIStyle(GetParam());
        b->SetPageSize(30);
        b->SetPosition(40);
    }
    PixelBuffer both(200, 100);
    const PixelBuffer screen = Desktop().CaptureScreen();
    const TPoint origin = Form()->ClientToScreen({0, 0});
    Pump();
    const PixelBuffer shot = Desktop().CaptureScreen();
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) both.SetPixel(x, y, shot.GetPixel(origin.X + x, origin.Y + y));
    EXPECT_TRUE(MatchesGolden(both, std::string("SUIScrollBar_") + GetEnumName(EnumInfoOf(GetParam()), GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Styles, ScrollBarGoldenTest, ::testing::Values(MacOS, WinXP, DeepBlue, Protein, BlueGlass));

}  // namespace
}  // namespace skintest
