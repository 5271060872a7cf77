// A skinned form read from a form description, as the main window's is.

#include "platform/ui/forms/FormReader.h"
#include "tests/skin/frame/FrameTestSupport.h"

namespace frametest {
namespace {

constexpr const char* kDescription = R"(object frmMain: TForm
  Left = 204
  Top = 111
  BorderStyle = bsSingle
  Caption = 'QZ Trellin [Vostra专版]'
  ClientHeight = 310
  ClientWidth = 280
  object suiFrmMain: TsuiForm
    Left = 1
    Top = 0
    Width = 278
    Height = 309
    FileTheme = nil
    UIStyle = DeepBlue
    BorderColor = clBlack
    BorderWidth = 1
    Color = 15263976
    Caption = 'QZ Trellin [Vostra专版]'
    TitleBarButtons = <
      item
        ButtonType = suiControlBox
        Transparent = False
        Top = 2
      end
      item
        ButtonType = suiClose
        Transparent = False
        Top = 2
      end
      item
        ButtonType = suiMin
        Transparent = False
        Top = 2
      end>
    TitleBarDrawAppIcon = False
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    MenuBarHeight = 22
    RoundCorner = 0
  end
end
)";

class SkinnedFormReaderTest : public FrameTest {};

TEST_F(SkinnedFormReaderTest, TheMainWindowsDescriptionGivesTheSkinnedFrame)
{
    form = new TForm(&App());
    ReadForm(*form, kDescription);
    skinned = dynamic_cast<TsuiForm*>(form->FindComponent("suiFrmMain"));
    ASSERT_NE(skinned, nullptr);
    form->Show();
    Pump();
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(FormWindowRect().Width(), 280);
    EXPECT_EQ(FormWindowRect().Height(), 310);
    EXPECT_EQ(skinned->BoundsRect(), TRect::FromSize(1, 0, 278, 309));
    ASSERT_EQ(Buttons()->Count(), 3);
    EXPECT_EQ(Buttons()->Items(2)->ButtonType(), suiMin);
    EXPECT_EQ(Bar()->Layout().Buttons[1].Left, 259);
    EXPECT_EQ(Bar()->Layout().Buttons[2].Left, 239);
    EXPECT_EQ(Bar()->Layout().CaptionLeft, 24);
    EXPECT_EQ(Bar()->Caption(), "QZ Trellin [Vostra专版]");
    EXPECT_EQ(Bar()->Font()->Height(), -11);
    EXPECT_EQ(form->Constraints()->MinWidth(), 130);
}

}  // namespace
}  // namespace frametest
