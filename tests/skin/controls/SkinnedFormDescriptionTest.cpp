// Skinned buttons, check boxes and actions read from a form description:
// every published name the main window and the dialogs use is there, in
// the order written, and left-out properties are refused by name.

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/ui/actions/ActionList.h"
#include "platform/ui/actions/CustomAction.h"
#include "platform/ui/forms/FormReader.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIRadioButton.h"

#include "SkinControlTest.h"

namespace {

using skintest::SkinControlTest;

class SkinnedFormDescriptionTest : public SkinControlTest {
protected:
    SkinnedFormDescriptionTest()
    {
        for (const TClassInfo* info : {&TsuiButton::StaticClassInfo(), &TsuiCheckBox::StaticClassInfo(),
                                       &TsuiRadioButton::StaticClassInfo(), &TActionList::StaticClassInfo(),
                                       &TAction::StaticClassInfo()}) {
            RegisterClass(*info);
        }
    }
    template <class T>
    T* Named(const std::string& name)
    {
        return dynamic_cast<T*>(Form()->FindComponent(name));
    }
};

TEST_F(SkinnedFormDescriptionTest, ReadsTheSkinnedControlsAndTheirAction)
{
    ReadForm(*Form(), R"(object Form1: TForm
  object alMain: TActionList
    object actAnalyse: TAction
      Caption = '分析'
    end
  end
  object sbtnCk: TsuiButton
    Left = 128
    Top = 240
    Width = 65
    Height = 25
    UIStyle = WinXP
    Action = actAnalyse
    Default = True
    ModalResult = 1
    TabOrder = 4
    Layout = blGlyphTop
    Spacing = 2
    MouseContinuouslyDownInterval = 50
    ResHandle = 77
  end
  object schkNor: TsuiCheckBox
    Left = 200
    Top = 254
    Caption = '文件头'
    State = cbChecked
    Transparent = True
  end
  object srbA: TsuiRadioButton
    GroupIndex = 2
    Checked = True
  end
end
)");
    auto* button = Named<TsuiButton>("sbtnCk");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), "分析");
    EXPECT_EQ(button->Action(), Named<TAction>("actAnalyse"));
    EXPECT_EQ(Named<TAction>("actAnalyse")->ActionList(), Named<TActionList>("alMain"));
    EXPECT_EQ(button->UIStyle(), WinXP);
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->ModalResult(), 1);
    EXPECT_EQ(button->Layout(), blGlyphTop);
    EXPECT_EQ(button->Spacing(), 2);
    EXPECT_EQ(button->MouseContinuouslyDownInterval(), 50);
    EXPECT_EQ(button->ResHandle(), 0);
    EXPECT_EQ(button->Width(), 65);

    auto* box = Named<TsuiCheckBox>("schkNor");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Transparent());
    EXPECT_EQ(Named<TsuiRadioButton>("srbA")->GroupIndex(), 2);
}

TEST_F(SkinnedFormDescriptionTest, PropertiesWithoutBehaviourAreRefusedByName)
{
    for (const char* property : {"BiDiMode = bdLeftToRight", "Ctl3D = True", "ImeName = 'x'", "DragKind = dkDrag"}) {
        const std::string text = std::string("object Form1: TForm\n  object sbtnA: TsuiButton\n    ") + property +
                                 "\n  end\nend\n";
        EXPECT_THROW(ReadForm(*Form(), text), Exception) << property;
        delete Form()->FindComponent("sbtnA");
    }
}

}  // namespace
