// TsuiMemo with coupled skinned scroll bars: placing them over the native
// bars, copying the native state into them, scrolling the memo from them
// with exactly one scroll message and no copy back, and releasing them.

#include "SkinControlTest.h"

#include "platform/core/StringList.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/win/Messages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIMemo.h"
#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/controls/SUIScrollTrackBarLayout.h"

#include <string>

namespace skintest {
namespace {

class MemoBarsTest : public SkinControlTest {
protected:
    void SetUp() override
    {
        memo = Make<TsuiMemo>("smReport", TRect::FromSize(16, 72, 249, 113));
        vbar = Make<TsuiScrollBar>("sbV", {0, 0, 100, 16});
        hbar = Make<TsuiScrollBar>("sbH", {0, 0, 100, 16});
    }
    void FillLines(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
        memo->SetText(text);
        Pump();
    }
    [[nodiscard]] SCROLLINFO NativeInfo(int bar)
    {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(memo->WindowHandle(), bar, info);
        return info;
    }
    TsuiMemo* memo = nullptr;
    TsuiScrollBar* vbar = nullptr;
    TsuiScrollBar* hbar = nullptr;
};

TEST_F(MemoBarsTest, ACoupledBarLiesOverTheNativeOneAndUncouplingReleasesIt)
{
    memo->SetVScrollBar(vbar);
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(vbar->Orientation(), suiVertical);
    EXPECT_EQ(vbar->BoundsRect(), TRect::FromSize(247, 73, 16, 111));
    memo->SetHScrollBar(hbar);
    EXPECT_EQ(memo->ScrollBars(), ssBoth);
    EXPECT_EQ(hbar->BoundsRect(), TRect::FromSize(17, 72 + 113 - 16 - 2, 249 - 16 - 2, 16));
    EXPECT_EQ(vbar->Height(), 113 - 16 - 2);
    memo->SetBounds(40, 60, 200, 100);
    EXPECT_EQ(vbar->BoundsRect(), TRect::FromSize(40 + 200 - 16 - 2, 61, 16, 100 - 16 - 2)) << "the bars follow the memo";

    memo->SetVScrollBar(nullptr);
    memo->SetHScrollBar(nullptr);
    EXPECT_EQ(memo->ScrollBars(), ssNone);
    EXPECT_EQ((std::array{vbar->Max(), vbar->LineButton()}), (std::array{100, 0}));
    EXPECT_TRUE(vbar->Enabled());
    EXPECT_FALSE(vbar->OnChange());
}

TEST_F(MemoBarsTest, TheBarsCopyTheNativeRangePositionAndThumb)
{
    memo->SetWordWrap(false);
    memo->SetVScrollBar(vbar);
    memo->SetHScrollBar(hbar);
    EXPECT_FALSE(vbar->Enabled()) << "the text fits: the native bar is unavailable";
    EXPECT_FALSE(vbar->SliderVisible());
    FillLines(100);
    memo->Lines()->Add(std::string(200, 'W'));
    const SCROLLINFO info = NativeInfo(SB_VERT);
    ASSERT_GT(info.nPage, 1u);
    EXPECT_TRUE(vbar->Enabled());
    EXPECT_TRUE(vbar->SliderVisible());
    EXPECT_EQ(vbar->Min(), info.nMin);
    EXPECT_EQ(vbar->Max(), info.nMax - int(info.nPage) + 1);
    SCROLLBARINFO thumb;
    GetScrollBarInfo(memo->WindowHandle(), OBJID_VSCROLL, thumb);
    EXPECT_EQ(vbar->LineButton(), std::max(thumb.xyThumbBottom - thumb.xyThumbTop, 18));
    EXPECT_EQ(hbar->SmallChange(), 3 * hbar->PageSize()) << "the horizontal bar steps three pages";
    EXPECT_EQ(vbar->SmallChange(), 1);

    memo->SetFocus();
    Record(memo);
    PressKey(VK_NEXT);  // the caret moves a page down and the view follows
    EXPECT_GT(NativeInfo(SB_VERT).nPos, 0);
    EXPECT_EQ(vbar->Position(), NativeInfo(SB_VERT).nPos);
    Desktop().InjectMouseWheel(ScreenPointOf(memo), -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(vbar->Position(), NativeInfo(SB_VERT).nPos);
    EXPECT_TRUE(uitest::Sequence(log, {WM_VSCROLL, WM_HSCROLL}).empty())
        << "copying into the bars sends nothing back to the memo";
    memo->Lines()->Add("one more");  // the program's change moves the range
    EXPECT_EQ(vbar->Max(), NativeInfo(SB_VERT).nMax - int(NativeInfo(SB_VERT).nPage) + 1);
}

TEST_F(MemoBarsTest, DraggingTheBarScrollsTheMemoWithOneMessageAndNoCopyBack)
{
    memo->SetVScrollBar(vbar);
    FillLines(100);
    int barChanges = 0;
    const TNotifyEvent coupled = vbar->OnChange();
    vbar->SetOnChange([&](TObject* sender) {
        ++barChanges;
        coupled(sender);
    });
    TsuiScrollTrackBar* track = vbar->TrackBar();
    const TsuiImagePanel* slider = track->Slider();
    // The first point whose value reaches 30 (the slider snaps to values).
    int y = 0;
    while (y < track->Height() && PositionAtPoint({0, vbar->Max()}, track->Height(), slider->Height(), y) < 30) ++y;
    const int target = PositionAtPoint({0, vbar->Max()}, track->Height(), slider->Height(), y);
    Desktop().InjectMouseMove(ScreenPointOf(slider, TPoint{4, 2}));
    Desktop().InjectMouseDown(ScreenPointOf(slider, TPoint{4, 2}));
    Pump();
    barChanges = 0;
    Record(memo);
    Desktop().InjectMouseMove(track->ClientToScreen({4, y}));
    Pump();
    Desktop().InjectMouseUp(track->ClientToScreen({4, y}));
    Pump();

    EXPECT_EQ(barChanges, 1);
    EXPECT_EQ(uitest::Sequence(log, {WM_VSCROLL}).size(), 1u) << "one scroll message";
    for (const uitest::Seen& seen : log) {
        if (seen.message != WM_VSCROLL) continue;
        EXPECT_EQ(LOWORD(seen.wParam), SB_THUMBPOSITION);
        EXPECT_EQ(HIWORD(seen.wParam), target);
        EXPECT_EQ(seen.lParam, 0);
    }
    EXPECT_EQ(NativeInfo(SB_VERT).nPos, target);
    EXPECT_EQ(vbar->Position(), target);
}

TEST_F(MemoBarsTest, RemovingACoupledBarForgetsItAndTurnsTheNativeBarOff)
{
    memo->SetVScrollBar(vbar);
    delete vbar;
    EXPECT_EQ(memo->VScrollBar(), nullptr);
    EXPECT_EQ(memo->ScrollBars(), ssNone);
    FillLines(50);  // nothing to copy into: no crash
}

TEST_F(MemoBarsTest, ADescriptionCouplesABarDeclaredAfterTheMemo)
{
    auto* form = new TForm(&App());
    ReadForm(*form, R"(object frmBars: TForm
  object smoDtl: TsuiMemo
    Left = 16
    Top = 72
    Width = 249
    Height = 113
    ReadOnly = True
    UIStyle = WinXP
    VScrollBar = sbDtl
  end
  object sbDtl: TsuiScrollBar
    Orientation = suiVertical
  end
end
)");
    auto* described = dynamic_cast<TsuiMemo*>(form->FindComponent("smoDtl"));
    auto* bar = dynamic_cast<TsuiScrollBar*>(form->FindComponent("sbDtl"));
    ASSERT_TRUE(described && bar);
    EXPECT_EQ(described->VScrollBar(), bar);
    EXPECT_EQ(described->BorderColor(), TColor(0x686868));
    EXPECT_EQ(bar->BoundsRect(), TRect::FromSize(247, 73, bar->Width(), 111));
}

TEST_F(MemoBarsTest, TheMemoStyleReachesItsBars)
{
    memo->SetVScrollBar(vbar);
    memo->SetUIStyle(WinXP);
    EXPECT_EQ(vbar->UIStyle(), WinXP);
    memo->SetUIStyle(FromThemeFile);
    EXPECT_EQ(vbar->UIStyle(), DeepBlue) << "no usable file theme: DeepBlue";
}

}  // namespace
}  // namespace skintest
