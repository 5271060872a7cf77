// The skinned form taking its form over: layout, border, style changes,
// resize hit tests, the window region, refusals and re-created windows.

#include "platform/ui/controls/Panel.h"
#include "platform/win/Gdi.h"
#include "tests/skin/frame/FrameTestSupport.h"

namespace frametest {
namespace {

class SkinnedFormTest : public FrameTest {
protected:
    [[nodiscard]] LRESULT FormHitTest(TPoint client)
    {
        return SendMessage(form->WindowHandle(), WM_NCHITTEST, 0, PointToLParam(form->ClientToScreen(client)));
    }
    [[nodiscard]] LRESULT BarHitTest(TPoint bar)
    {
        return SendMessage(Bar()->WindowHandle(), WM_NCHITTEST, 0, PointToLParam(Bar()->ClientToScreen(bar)));
    }
    [[nodiscard]] bool RegionHolds(TPoint p)
    {
        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        const bool shaped = GetWindowRgn(form->WindowHandle(), region) != 0;
        const bool holds = !shaped || PtInRegion(region, p.X, p.Y);
        DeleteObject(region);
        return holds;
    }
};

TEST_F(SkinnedFormTest, TheMainWindowIsBorderlessWithOnePixelBlackStrips)
{
    SkinnedForm();
    EXPECT_EQ(FormWindowRect(), TRect::FromSize(kFormAt.X, kFormAt.Y, 280, 310));
    EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 280, 310}));
    EXPECT_EQ(skinned->BoundsRect(), TRect::FromSize(1, 0, 278, 309));
    EXPECT_EQ(Bar()->BoundsRect(), TRect::FromSize(0, 0, 278, 32));
    const PixelBuffer pixels = Capture();
    for (const TPoint p : {TPoint{0, 100}, TPoint{279, 100}, TPoint{140, 309}, TPoint{0, 309}}) {
        EXPECT_EQ(ColorFromPixel(pixels.At(p.X, p.Y)), clBlack) << p.X << "," << p.Y;
    }
    EXPECT_EQ(ColorFromPixel(pixels.At(140, 200)), TColor(0xE8E8E8));
}

TEST_F(SkinnedFormTest, WinXPHasAThreePixelBorderAndRepeatedStylesNeverGrowTheForm)
{
    SkinnedForm({WinXP});
    const TRect first = FormWindowRect();
    EXPECT_EQ(skinned->Left(), 3);
    EXPECT_EQ(skinned->Width(), form->ClientWidth() - 6);
    EXPECT_EQ(ColorFromPixel(Capture().At(1, 150)), TColor(0xC82C00));
    for (int i = 0; i < 3; ++i) {
        skinned->SetUIStyle(WinXP);
        skinned->SetUIStyle(DeepBlue);
        skinned->SetUIStyle(WinXP);
    }
    Pump();
    EXPECT_EQ(FormWindowRect(), first);
    EXPECT_EQ(skinned->Height(), 309);
    EXPECT_EQ(skinned->Width(), 278);
}

TEST_F(SkinnedFormTest, HiddenTitleBarLeavesATopStripAndKeepsTheHeightRule)
{
    SkinnedForm();
    skinned->SetTitleBarVisible(false);
    skinned->SetFormHeight(300);
    EXPECT_EQ(skinned->Top(), 1);
    EXPECT_EQ(skinned->Height(), 300);
    EXPECT_EQ(form->ClientHeight(), 302);
}

TEST_F(SkinnedFormTest, OnlyASizeableFormAnswersResizeHitTests)
{
    SkinnedForm({DeepBlue, bsSizeable});
    const int cw = form->ClientWidth();
    const int ch = form->ClientHeight();
    EXPECT_EQ(FormHitTest({cw - 1, ch - 1}), HTBOTTOMRIGHT);
    EXPECT_EQ(FormHitTest({cw - 1, 100}), HTRIGHT);
    EXPECT_EQ(FormHitTest({0, 100}), HTLEFT);
    EXPECT_EQ(BarHitTest({2, 2}), HTTOPLEFT);
    EXPECT_EQ(BarHitTest({100, 4}), HTTOP);
    EXPECT_EQ(BarHitTest({100, 5}), HTCLIENT);

    form->SetWindowState(wsMaximized);
    Pump();
    EXPECT_EQ(FormHitTest({0, 100}), HTCLIENT);
    EXPECT_EQ(BarHitTest({2, 2}), HTCLIENT);
}

TEST_F(SkinnedFormTest, ASingleBorderFormCannotBeResized)
{
    SkinnedForm({DeepBlue, bsSingle});
    EXPECT_EQ(FormHitTest({form->ClientWidth() - 1, form->ClientHeight() - 1}), HTCLIENT);
    EXPECT_EQ(BarHitTest({2, 2}), HTCLIENT);
}

struct CornerCase {
    TsuiUIStyle Style;
    bool Rounded;
};

class SkinnedFormCornerTest : public SkinnedFormTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(SkinnedFormCornerTest, OnlyTheTopCornersOfRoundStylesAreClipped)
{
    SkinnedForm({GetParam().Style});
    const int right = form->ClientWidth() - 1;
    const int bottom = form->ClientHeight() - 1;
    EXPECT_EQ(RegionHolds({0, 0}), !GetParam().Rounded);
    EXPECT_EQ(RegionHolds({right, 0}), !GetParam().Rounded);
    EXPECT_TRUE(RegionHolds({0, bottom}));
    EXPECT_TRUE(RegionHolds({right, bottom}));
    EXPECT_TRUE(RegionHolds({right / 2, 0}));
}

INSTANTIATE_TEST_SUITE_P(Styles, SkinnedFormCornerTest,
                         ::testing::Values(CornerCase{WinXP, true}, CornerCase{BlueGlass, true},
                                           CornerCase{DeepBlue, false}, CornerCase{MacOS, false}));

TEST_F(SkinnedFormTest, BlueGlassOutlinesItsRoundCornersAndWinXPDoesNot)
{
    SkinnedForm({BlueGlass});
    // The outline's top edge runs along row 0 of the bar.
    EXPECT_EQ(ColorFromPixel(Capture().At(140, 0)), clBlack);
    skinned->SetUIStyle(WinXP);
    Pump();
    EXPECT_NE(ColorFromPixel(Capture().At(140, 0)), TColor(0xC82C00));
}

TEST_F(SkinnedFormTest, ALaterBorderStyleBecomesTheFramesKindAndTheFormStaysBorderless)
{
    SkinnedForm({WinXP, bsSingle});
    EXPECT_EQ(FormHitTest({0, 100}), HTCLIENT);
    const TRect before = FormWindowRect();
    form->SetBorderStyle(bsSizeable);
    Pump();
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(skinned->GetFormBorderStyle(), bsSizeable);
    EXPECT_EQ(FormWindowRect(), before);
    EXPECT_EQ(FormHitTest({0, 100}), HTLEFT);
    EXPECT_FALSE(RegionHolds({0, 0}));
    EXPECT_EQ(skinned->BoundsRect(), TRect::FromSize(3, 0, 278, 309));
}

TEST_F(SkinnedFormTest, AWindowMadeAgainKeepsTheFrame)
{
    SkinnedForm({WinXP, bsSizeable});
    const HWND before = form->WindowHandle();
    form->SetBorderIcons({biSystemMenu});
    Pump();
    ASSERT_NE(form->WindowHandle(), before);
    EXPECT_FALSE(RegionHolds({0, 0}));
    EXPECT_EQ(FormHitTest({0, 100}), HTLEFT);
    EXPECT_EQ(GetWindowLongPtr(form->WindowHandle(), GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(SkinnedFormTest, MaximisingFillsTheWorkAreaAndRestoringComesBack)
{
    SkinnedForm({DeepBlue, bsSingle, true});
    const TRect normal = FormWindowRect();
    form->SetWindowState(wsMaximized);
    Pump();
    EXPECT_EQ(FormWindowRect(), GetWorkAreaRect());
    EXPECT_EQ(skinned->Width(), GetWorkAreaRect().Width() - 2);
    // The maximise button shows restore, also after a maximise by other means.
    TBitmap restore;
    GetInsideThemeBitmap(DeepBlue, SuiThemeId::TitleBarButtonImage, &restore, kTitleButtonFrameCount, 10);
    EXPECT_EQ(Buttons()->Items(MaxButtonIndex())->PicNormal()->Bitmap()->Pixels().At(9, 9), restore.Pixels().At(9, 9));
    form->SetWindowState(wsNormal);
    Pump();
    EXPECT_EQ(FormWindowRect(), normal);
}

TEST_F(SkinnedFormTest, ActivationDrivesTheTitleBar)
{
    SkinnedForm();
    SendMessage(form->WindowHandle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Bar()->FormActive());
    SendMessage(form->WindowHandle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(Bar()->FormActive());
}

TEST_F(SkinnedFormTest, RefusalsKeepTheValueAndSayWhy)
{
    SkinnedForm();
    skinned->SetPanel(skinned);
    EXPECT_EQ(skinned->FormPanel(), nullptr);
    Buttons()->Items(1)->SetButtonType(suiControlBox);
    EXPECT_EQ(Buttons()->Items(1)->ButtonType(), suiClose);
    Bar()->Sections()->Items(0)->SetAlign(suiClient);
    EXPECT_EQ(Bar()->Sections()->Items(0)->Align(), suiLeft);
    ASSERT_EQ(messageBoxes.size(), 3u);
    EXPECT_NE(messageBoxes[0].find("Sorry, you can't select the Form assign to FormPanel property"), std::string::npos);
    EXPECT_NE(messageBoxes[1].find("only one button's ButtonType property can be \"suiControlBox\""), std::string::npos);
    EXPECT_NE(messageBoxes[2].find("only one section's Align property can be \"suiClient\""), std::string::npos);
}

TEST_F(SkinnedFormTest, ASecondSkinnedFormIsRefusedAndTheFirstKeepsWorking)
{
    SkinnedForm();
    EXPECT_THROW(new TsuiForm(form), Exception);
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(skinned->BoundsRect(), TRect::FromSize(1, 0, 278, 309));
    skinned->SetUIStyle(WinXP);
    EXPECT_EQ(skinned->Left(), 3);
}

TEST_F(SkinnedFormTest, FormPanelFillsTheSkinnedForm)
{
    SkinnedForm();
    auto* panel = new TPanel(form);
    panel->SetParent(skinned);
    panel->SetCaption("x");
    skinned->SetPanel(panel);
    Pump();
    EXPECT_EQ(panel->Align(), alClient);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->Caption(), "");
    EXPECT_EQ(panel->Top(), Bar()->Height());
}

TEST_F(SkinnedFormTest, MacOSWritesTheCaptionBlackAndAFileThemeKeepsTheColour)
{
    SkinnedForm({MacOS});
    EXPECT_EQ(Bar()->Font()->Color(), clBlack);
    Bar()->SetFileTheme(nullptr);
    EXPECT_EQ(Bar()->Font()->Color(), clBlack);
    skinned->SetUIStyle(Protein);
    EXPECT_EQ(Bar()->Font()->Color(), clWhite);
}

TEST_F(SkinnedFormTest, SectionsAreRebuiltAndCustomButtonsKeepTheirPictures)
{
    SkinnedForm();
    Bar()->Sections()->Add();
    TsuiTitleBarButton* custom = Buttons()->Add();
    custom->PicNormal()->Bitmap()->SetSize(7, 9);
    skinned->SetUIStyle(WinXP);
    EXPECT_EQ(Bar()->Sections()->Count(), 3);
    EXPECT_EQ(Bar()->Height(), 29);
    EXPECT_EQ(custom->PicNormal()->Width(), 7);
    EXPECT_EQ(Buttons()->Items(1)->PicNormal()->Width(), 21);
    EXPECT_EQ(Buttons()->Items(1)->Top(), 5);
}

}  // namespace
}  // namespace frametest
