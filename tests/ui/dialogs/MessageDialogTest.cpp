// The application's message box: the buttons, answers and keys of each
// MB_* set, the icon shapes, the layout (icon, wrapped text, centred
// button row), the dialog centred in the work area, and modal runs driven
// by keys queued before it opens, by a timer clicking, or by its close box.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/dialogs/MessageBoxHook.h"
#include "platform/ui/dialogs/MessageDialog.h"
#include "platform/ui/base/Timer.h"

#include <functional>

namespace uitest {
namespace {

// --- the button sets ---------------------------------------------------------------------

struct ButtonSet {
    UINT Flags;
    std::vector<std::string> Captions;
    std::vector<int> Results;
    int Escape;  // the ID* Escape gives; 0 for none
};

void PrintTo(const ButtonSet& set, std::ostream* os)
{
    *os << "flags 0x" << std::hex << set.Flags;
}

class MessageDialogButtonsTest : public UiTest, public ::testing::WithParamInterface<ButtonSet> {};

TEST_P(MessageDialogButtonsTest, ShowsTheSetInOrderWithItsAnswers)
{
    TMessageDialog dialog(nullptr, "text", "caption", GetParam().Flags);
    std::vector<std::string> captions;
    std::vector<int> results;
    int escape = 0;
    for (int i = 0; i < dialog.ButtonCount(); ++i) {
        captions.push_back(dialog.Buttons(i)->Caption());
        results.push_back(dialog.Buttons(i)->ModalResult());
        if (dialog.Buttons(i)->Cancel()) escape = dialog.Buttons(i)->ModalResult();
    }
    EXPECT_EQ(captions, GetParam().Captions);
    EXPECT_EQ(results, GetParam().Results);
    EXPECT_EQ(escape, GetParam().Escape);
    // A box without an answer for Escape has no close box either.
    EXPECT_EQ(dialog.BorderIcons().Contains(biSystemMenu), GetParam().Escape != 0);
    EXPECT_TRUE(dialog.Buttons(0)->Default());
    EXPECT_EQ(dialog.ActiveControl(), dialog.Buttons(0));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, MessageDialogButtonsTest,
    ::testing::Values(ButtonSet{MB_OK, {"确定"}, {IDOK}, IDOK},
                      ButtonSet{MB_OKCANCEL, {"确定", "取消"}, {IDOK, IDCANCEL}, IDCANCEL},
                      ButtonSet{MB_ABORTRETRYIGNORE, {"中止", "重试", "忽略"}, {IDABORT, IDRETRY, IDIGNORE}, 0},
                      ButtonSet{MB_YESNOCANCEL, {"是", "否", "取消"}, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
                      ButtonSet{MB_YESNO, {"是", "否"}, {IDYES, IDNO}, 0},
                      ButtonSet{MB_RETRYCANCEL, {"重试", "取消"}, {IDRETRY, IDCANCEL}, IDCANCEL},
                      ButtonSet{0x0000000F, {"确定"}, {IDOK}, IDOK}));

// --- icons ---------------------------------------------------------------------------------

struct IconPixel {
    TMessageIcon Icon;
    TPoint At;
    TColor Expected;
};

class MessageIconPixelTest : public UiTest, public ::testing::WithParamInterface<IconPixel> {};

// Each icon on a grey 32 x 32 bitmap.
TEST_P(MessageIconPixelTest, PaintsTheShape)
{
    TBitmap bitmap(TMessageDialog::kIconSize, TMessageDialog::kIconSize);
    bitmap.Canvas()->Brush()->SetColor(clGray);
    bitmap.Canvas()->FillRect({0, 0, 32, 32});
    PaintMessageIcon(*bitmap.Canvas(), {0, 0, 32, 32}, GetParam().Icon);
    EXPECT_EQ(ColorFromPixel(bitmap.Pixels().At(GetParam().At.X, GetParam().At.Y)), GetParam().Expected)
        << int(GetParam().Icon) << " at " << GetParam().At.X << "," << GetParam().At.Y;
}

INSTANTIATE_TEST_SUITE_P(
    Icons, MessageIconPixelTest,
    ::testing::Values(IconPixel{TMessageIcon::Stop, {16, 16}, clWhite}, IconPixel{TMessageIcon::Stop, {0, 0}, clGray},
                      IconPixel{TMessageIcon::Warning, {16, 15}, clBlack},
                      IconPixel{TMessageIcon::Warning, {12, 26}, clYellow},
                      IconPixel{TMessageIcon::Information, {16, 11}, clBlue},
                      IconPixel{TMessageIcon::Question, {4, 16}, clWhite},
                      IconPixel{TMessageIcon::None, {16, 16}, clGray}));

// --- layout ----------------------------------------------------------------------------------

TEST(MessageDialogLayoutTest, IconLeftOfTheTextAndTheButtonRowCentredBelow)
{
    const TMessageDialogLayout layout = LayoutMessageDialog({200, 13}, true, 2);
    EXPECT_EQ(layout.Icon, Bounds(12, 12, 32, 32));
    // One short line stands level with the icon's middle.
    EXPECT_EQ(layout.Text, Bounds(56, 12 + (32 - 13) / 2, 200, 13));
    EXPECT_EQ(layout.Client.cx, 56 + 200 + 12);
    ASSERT_EQ(layout.Buttons.size(), 2u);
    EXPECT_EQ(layout.Buttons[0].Top, 12 + 32 + TMessageDialog::kRowGap);
    EXPECT_EQ(layout.Buttons[1].Left - layout.Buttons[0].Right, TMessageDialog::kButtonGap);
    EXPECT_EQ(layout.Buttons[0].Left, layout.Client.cx - layout.Buttons[1].Right);
    EXPECT_EQ(layout.Client.cy, layout.Buttons[0].Bottom + 12);
    // Tall text pushes the row down; a row wider than the text widens the box.
    EXPECT_EQ(LayoutMessageDialog({100, 78}, true, 1).Buttons[0].Top, 12 + 78 + TMessageDialog::kRowGap);
    const TMessageDialogLayout narrow = LayoutMessageDialog({10, 13}, false, 3);
    EXPECT_EQ(narrow.Text.Left, 12);
    EXPECT_EQ(narrow.Buttons[0].Left, 12);
}

// --- modal runs --------------------------------------------------------------------------------

class MessageDialogTest : public UiTest {
protected:
    MessageDialogTest()
    {
        timer = new TTimer(&App());
        timer->SetInterval(100);
        timer->SetEnabled(false);
    }
    // Runs step with the open dialog on the timer's first tick.
    void WhenOpen(std::function<void(TMessageDialog&)> step)
    {
        timer->SetOnTimer([this, step](TObject*) {
            timer->SetEnabled(false);
            TMessageDialog* dialog = nullptr;
            for (int i = 0; i < Screen->FormCount(); ++i) {
                if (auto* d = dynamic_cast<TMessageDialog*>(Screen->Forms(i))) dialog = d;
            }
            ASSERT_NE(dialog, nullptr);
            step(*dialog);
        });
        timer->SetEnabled(true);
    }
    void QueueKey(WORD key)
    {
        Desktop().InjectKeyDown(key);
        Desktop().InjectKeyUp(key);
    }
    TTimer* timer = nullptr;
};

TEST_F(MessageDialogTest, DefButtonFlagsChooseTheDefaultButton)
{
    TMessageDialog second(nullptr, "", "", MB_YESNOCANCEL | MB_DEFBUTTON2);
    EXPECT_FALSE(second.Buttons(0)->Default());
    EXPECT_TRUE(second.Buttons(1)->Default());
    EXPECT_EQ(second.ActiveControl(), second.Buttons(1));
    // A default beyond the buttons falls back to the first.
    TMessageDialog beyond(nullptr, "", "", MB_OKCANCEL | MB_DEFBUTTON3);
    EXPECT_TRUE(beyond.Buttons(0)->Default());
}

TEST_F(MessageDialogTest, EnterPressesTheDefaultButtonAndEscapeTheCancelOne)
{
    QueueKey(VK_RETURN);
    EXPECT_EQ(ShowMessageBoxDialog("继续吗？", "提示", MB_OKCANCEL), IDOK);
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(ShowMessageBoxDialog("继续吗？", "提示", MB_OKCANCEL), IDCANCEL);
    QueueKey(VK_RETURN);
    EXPECT_EQ(ShowMessageBoxDialog("重试吗？", "提示", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2), IDRETRY);
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(ShowMessageBoxDialog("好", "提示", MB_OK), IDOK);
}

TEST_F(MessageDialogTest, TabMovesTheFocusAndEnterFollowsIt)
{
    QueueKey(VK_TAB);
    QueueKey(VK_RETURN);
    EXPECT_EQ(ShowMessageBoxDialog("保存吗？", "提示", MB_YESNOCANCEL), IDNO);
}

TEST_F(MessageDialogTest, EscapeDoesNothingWithoutACancelButton)
{
    QueueKey(VK_ESCAPE);
    WhenOpen([this](TMessageDialog& dialog) {
        EXPECT_TRUE(dialog.Visible()) << "Escape left it open";
        Click(dialog.Buttons(1));
    });
    EXPECT_EQ(ShowMessageBoxDialog("删除吗？", "确认", MB_YESNO | MB_ICONQUESTION), IDNO);
}

TEST_F(MessageDialogTest, TheErrorBoxShowsIconTextAndButtonCentredInTheWorkArea)
{
    WhenOpen([this](TMessageDialog& dialog) {
        EXPECT_EQ(GetWindowText(dialog.WindowHandle()), "错误");
        EXPECT_EQ(dialog.TextLabel()->Caption(), "请先选择文件！");
        EXPECT_EQ(dialog.IconKind(), TMessageIcon::Stop);
        ASSERT_EQ(dialog.ButtonCount(), 1);
        EXPECT_TRUE(dialog.Buttons(0)->Focused());
        const TRect work = Screen->WorkAreaRect();
        const TRect bounds = dialog.BoundsRect();
        EXPECT_LE(std::abs((bounds.Left + bounds.Right) - (work.Left + work.Right)), 1);
        EXPECT_LE(std::abs((bounds.Top + bounds.Bottom) - (work.Top + work.Bottom)), 1);
        Pump();
        const PixelBuffer pixels = Desktop().CaptureWindow(dialog.WindowHandle());
        const TPoint client = dialog.ClientOrigin() - bounds.TopLeft();
        const TRect icon = dialog.IconRect().Offset(client);
        EXPECT_EQ(ColorFromPixel(pixels.GetPixel(icon.Left + 16, icon.Top + 16)), clWhite);
        EXPECT_EQ(ColorFromPixel(pixels.GetPixel(icon.Left + 16, icon.Top + 5)), clRed);
        // The Chinese text is drawn: ink in the label's rectangle.
        const TRect text = dialog.TextLabel()->BoundsRect().Offset(client);
        int ink = 0;
        for (int y = text.Top; y < text.Bottom; ++y)
            for (int x = text.Left; x < text.Right; ++x)
                ink += ColorFromPixel(pixels.GetPixel(x, y)) != ColorToRGB(clBtnFace);
        EXPECT_GT(ink, 20);
        Click(dialog.Buttons(0));
    });
    EXPECT_EQ(ShowMessageBoxDialog("请先选择文件！", "错误", MB_OK | MB_ICONSTOP), IDOK);
}

TEST_F(MessageDialogTest, ClosingAnOkBoxAnswersOkAndAnOkCancelBoxCancel)
{
    // The close request is handled while the loop looks for its next
    // message; the pointer moving afterwards gives it one.
    auto close = [this](TMessageDialog& dialog) {
        Desktop().InjectCloseRequest(dialog.WindowHandle());
        Desktop().InjectMouseMove(ScreenPointOf(&dialog));
    };
    WhenOpen(close);
    EXPECT_EQ(ShowMessageBoxDialog("完成", "提示", MB_OK | MB_ICONINFORMATION), IDOK);
    WhenOpen(close);
    EXPECT_EQ(ShowMessageBoxDialog("继续吗？", "提示", MB_OKCANCEL | MB_ICONWARNING), IDCANCEL);
}

TEST_F(MessageDialogTest, LongTextWrapsAndEndlessTextIsCutToTheWorkArea)
{
    TMessageDialog wrapped(nullptr, std::string(40, 'x') + " " + std::string(200, 'y'), "", MB_OK);
    EXPECT_LE(wrapped.TextLabel()->Width(), TMessageDialog::kMaxTextWidth);
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(wrapped.TextLabel()->Font());
    EXPECT_GE(wrapped.TextLabel()->Height(), 3 * measure.Canvas()->TextHeight("y"));
    std::string endless;
    for (int i = 0; i < 500; ++i) endless += "第" + std::to_string(i) + "行\n";
    TMessageDialog cut(nullptr, endless, "", MB_OK);
    EXPECT_LE(cut.Height(), Screen->WorkAreaHeight());
    EXPECT_LE(cut.Buttons(0)->BoundsRect().Bottom, cut.ClientHeight());
}

}  // namespace
}  // namespace uitest
