#include "tests/core/RttiTestClasses.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/FormDescriptionApplier.h"
#include "platform/core/FormDescriptionParser.h"
#include "platform/core/PropertyAccess.h"
#include "platform/core/SysUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Loads a description the way the component framework will: children are
// created by class name, names are bound, properties set in file order, and
// references to components further down are set at the end.
class TTestLoader {
public:
    TTestLoader()
    {
        m_resolver.FindComponent = [this](std::string_view name) { return Find(name); };
        m_resolver.FindMethod = [this](std::string_view name) { return BindMethod(*m_form, name); };
        m_resolver.DeferReference = [this](TObject& instance, const TPropInfo& info, std::string_view name) {
            m_fixups.push_back({&instance, &info, std::string(name)});
        };
    }

    TTestForm& Load(std::string_view text)
    {
        const TFormObject root = ParseFormDescription(text);
        m_form = std::make_unique<TTestForm>(nullptr);
        m_form->Name = root.Name;
        LoadInto(*m_form, root);
        for (const TFixup& fixup : m_fixups) {
            TObject* target = Find(fixup.Name);
            if (!target) throw EReadError("Component " + fixup.Name + " does not exist");
            SetPropValue(*fixup.Instance, *fixup.Info, target);
        }
        return *m_form;
    }

    TFormResolver& Resolver() { return m_resolver; }
    [[nodiscard]] TTestComponent* Find(std::string_view name) const
    {
        for (const auto& child : m_children) {
            if (SameText(child->Name, name)) return child.get();
        }
        return nullptr;
    }

private:
    void LoadInto(TObject& object, const TFormObject& node)
    {
        ApplyFormProperties(object, node.Properties, m_resolver);
        for (const TFormObject& childNode : node.Children) {
            std::unique_ptr<TObject> created(FindClass(childNode.ClassName).Create(&object));
            auto* child = dynamic_cast<TTestComponent*>(created.get());
            ASSERT_NE(child, nullptr);
            created.release();
            m_children.emplace_back(child);
            child->Name = childNode.Name;
            LoadInto(*child, childNode);
        }
    }

    struct TFixup {
        TObject* Instance;
        const TPropInfo* Info;
        std::string Name;
    };

    TFormResolver m_resolver;
    std::vector<TFixup> m_fixups;
    std::unique_ptr<TTestForm> m_form;
    std::vector<std::unique_ptr<TTestComponent>> m_children;
};

std::string LoadError(std::string_view text)
{
    TTestLoader loader;
    try {
        loader.Load(text);
    } catch (const EReadError& e) {
        return e.Message;
    }
    return "";
}

// A form with one button whose properties are the given lines.
std::string ButtonForm(const std::string& lines)
{
    return "object frm: TTestForm\n  object btn: TTestButton\n" + lines + "\n  end\nend\n";
}

constexpr const char* kForm = R"(object frmMain: TTestForm
  Left = 204
  Caption = 'QZ Trellin [Vostra专版]'
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Color = clBtnFace
  Position = poDesktopCenter
  Left = 205
  object sbtnOp: TTestButton
    Caption = '浏览'#13#10'…' + ' more'
    Left = -3
    Top = $10
    Color = $000000FF
    Visible = False
    UIStyle = MacOS
    Big = 9000000000
    Ratio = 1.25
    Font.Style = [fsBold, fsUnderline]
    Font.Size = 12
    Buddy = sbtnCk
    Items.Strings = (
      'BLUE'
      'MACOS')
    Buttons = <
      item
        ButtonType = suiControlBox
        Caption = 'close'
        PicNormal.Data = {0A0B
                          0C}
      end
      item
      end>
    OnClick = sbtnCkClick
    OnMouse = MouseMoved
  end
  object sbtnCk: TTestControl
  end
end
)";

}  // namespace

TEST(FormDescriptionApplier, AppliesAFullDescription)
{
    TTestLoader loader;
    TTestForm& form = loader.Load(kForm);
    EXPECT_EQ(form.Left(), 205);
    EXPECT_EQ(form.Log, (std::vector<std::string>{"Left=204", "Left=205"}));
    EXPECT_EQ(form.Caption, "QZ Trellin [Vostra专版]");
    EXPECT_EQ(form.Font.Name(), "MS Sans Serif");
    EXPECT_TRUE(form.Font.Style.Empty());
    EXPECT_EQ(form.Color, clBtnFace);
    EXPECT_EQ(form.Position, poDesktopCenter);

    auto* button = dynamic_cast<TTestButton*>(loader.Find("sbtnOp"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Owner, &form);
    EXPECT_EQ(button->Caption, "浏览\r\n… more");
    EXPECT_EQ(button->Left(), -3);
    EXPECT_EQ(button->Top, 16);
    EXPECT_EQ(button->Color, clRed);
    EXPECT_FALSE(button->Visible);
    EXPECT_EQ(button->UIStyle, MacOS);
    EXPECT_EQ(button->Big, 9000000000);
    EXPECT_EQ(button->Ratio, 1.25);
    EXPECT_EQ(button->Font.Style, TTestFontStyles({fsBold, fsUnderline}));
    EXPECT_EQ(button->Font.Size, 12);
    EXPECT_EQ(button->Items.Lines, (std::vector<std::string>{"BLUE", "MACOS"}));
    ASSERT_EQ(button->Buttons.Items.size(), 2u);
    EXPECT_EQ(button->Buttons.Items[0]->ButtonType, suiControlBox);
    EXPECT_EQ(button->Buttons.Items[0]->Caption, "close");
    EXPECT_EQ(button->Buttons.Items[0]->PicNormal.Data, (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(button->Buttons.Items[1]->ButtonType, suiNone);
    EXPECT_EQ(button->Buddy, loader.Find("sbtnCk"));  // set once sbtnCk existed

    ASSERT_TRUE(button->OnClick);
    button->OnClick(button);
    EXPECT_EQ(form.Clicks, std::vector<TObject*>{button});
    button->OnMouse(button, 7);
    EXPECT_EQ(form.LastX, 7);
}

TEST(FormDescriptionApplier, CollectionsAreClearedBeforeTheyAreRead)
{
    TTestLoader loader;
    loader.Load("object f: TTestForm\nend");
    TTestButton button(nullptr);
    button.Buttons.Add();
    const TFormObject node = ParseFormDescription("object b: TTestButton\n Buttons = <item Caption = 'x' end>\nend");
    ApplyFormProperties(button, node.Properties, loader.Resolver());
    ASSERT_EQ(button.Buttons.Items.size(), 1u);
    EXPECT_EQ(button.Buttons.Items[0]->Caption, "x");
}

TEST(FormDescriptionApplier, UnknownComponentsAreErrorsWithoutDeferring)
{
    TTestButton button(nullptr);
    const TFormObject node = ParseFormDescription("object b: TTestButton\n\n Buddy = sbtnNowhere\nend");
    try {
        ApplyFormProperties(button, node.Properties, TFormResolver{});
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message, "Line 3: Component sbtnNowhere does not exist");
    }
}

TEST(FormDescriptionApplier, NilClearsReferencesAndEvents)
{
    TTestButton button(nullptr);
    TTestControl other(nullptr);
    button.Buddy = &other;
    button.OnClick = [](TObject*) {};
    const TFormObject node = ParseFormDescription("object b: TTestButton\n Buddy = nil\n OnClick = nil\nend");
    ApplyFormProperties(button, node.Properties, TFormResolver{});
    EXPECT_EQ(button.Buddy, nullptr);
    EXPECT_FALSE(button.OnClick);
}

struct BadProperty {
    const char* Lines;
    const char* Error;
};

class FormDescriptionApplierErrors : public testing::TestWithParam<BadProperty> {};

TEST_P(FormDescriptionApplierErrors, NameTheirLine)
{
    EXPECT_EQ(LoadError(ButtonForm(GetParam().Lines)), GetParam().Error);
}

// Line 3 is the first property line of ButtonForm.
INSTANTIATE_TEST_SUITE_P(
    All, FormDescriptionApplierErrors,
    testing::Values(
        BadProperty{"    Colour = clRed", "Line 3: Property Colour does not exist"},
        BadProperty{"    Left = 1\n    Font.Nome = 'x'", "Line 4: Property Font.Nome does not exist"},
        BadProperty{"    Caption.Size = 1", "Line 3: Property Caption.Size does not exist"},
        BadProperty{"    Glyph.Data = {00}", "Line 3: Property Glyph holds no object"},
        BadProperty{"    Items.Lines = ('a')", "Line 3: Property Items.Lines does not exist"},
        BadProperty{"    Left = 'ten'",
                    "Line 3: Invalid property value for Left: a string does not fit an integer property"},
        BadProperty{"    Left = 2147483648", "Line 3: Invalid property value for Left: 2147483648 is out of range"},
        BadProperty{"    Caption = 5", "Line 3: Invalid property value for Caption: an integer does not fit a string property"},
        BadProperty{"    Visible = Yes", "Line 3: Invalid property value for Visible: 'Yes' is not True or False"},
        BadProperty{"    UIStyle = Plaid",
                    "Line 3: Invalid property value for UIStyle: 'Plaid' is not a TTestUIStyle value"},
        BadProperty{"    UIStyle = 2",
                    "Line 3: Invalid property value for UIStyle: an integer does not fit an enumeration property"},
        BadProperty{"    Font.Style = [fsBold, fsHuge]",
                    "Line 3: Invalid property value for Style: Invalid set element: fsHuge"},
        BadProperty{"    Color = clPlaid", "Line 3: Invalid property value for Color: 'clPlaid' is not a colour"},
        BadProperty{"    Color = $100000000", "Line 3: Invalid property value for Color: 4294967296 is out of range"},
        BadProperty{"    Ratio = 'x'", "Line 3: Invalid property value for Ratio: a string does not fit a float property"},
        BadProperty{"    Buddy = 'frm'", "Line 3: Invalid property value for Buddy: a string does not fit an object property"},
        BadProperty{"    OnClick = NoSuchHandler", "Line 3: Method NoSuchHandler does not exist"},
        BadProperty{"    OnClick = MouseMoved",
                    "Line 3: Invalid property value for OnClick: the handler's signature does not match the event"},
        BadProperty{"    Font = <>", "Line 3: Property Font is not a collection"},
        BadProperty{"    Font = 'Tahoma'", "Line 3: Invalid property value for Font: a string does not fit an object property"},
        BadProperty{"    Items.Strings = 'a'", "Line 3: Strings takes a list"},
        BadProperty{"    Buttons = <\n      item\n        Caption = 'ok'\n      end\n      item\n        Colour = 1\n      end>",
                    "Line 8: Property Colour does not exist"},
        BadProperty{"    Buttons = <item PicNormal.Data = 'x' end>", "Line 3: Data takes binary data"}));

TEST(FormDescriptionApplier, ReferencesAreCheckedAgainstTheRightComponent)
{
    // btn2 is a timer: declared before the button so that it can be found.
    const std::string text =
        "object frm: TTestForm\n  object btn2: TTestTimer\n  end\n  object btn: TTestButton\n    Buddy = btn2\n  end\nend\n";
    EXPECT_EQ(LoadError(text), "Line 5: Invalid property value: a TTestTimer is not a TTestControl");
}
