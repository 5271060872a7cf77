// TCheckBox: toggling by mouse, Space and accelerator, OnClick for user
// and code changes (not while a description is read), the grayed cycle,
// the classic box pixels in each state, alignment, the focus rectangle
// and the disabled look.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/forms/FormReader.h"

namespace uitest {
namespace {

class CheckBoxTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 300, 200});
        box = new TCheckBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, TCheckBox::kDefaultWidth, TCheckBox::kDefaultHeight);
        box->SetCaption("文件头");
        box->OnClick = [this](TObject*) { ++clicks; };
        Pump();
    }
    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    // The colour at a point of the box square.
    [[nodiscard]] TColor InBox(int x, int y)
    {
        const TPoint at = box->Layout().Box.TopLeft() + box->BoundsRect().TopLeft();
        return ColorFromPixel(Capture().GetPixel(at.X + x, at.Y + y));
    }
    // Pixels of the box's inside (inside the two edge rings) in colour.
    [[nodiscard]] int InsideCount(TColor color)
    {
        const PixelBuffer pixels = Capture();
        const TPoint at = box->Layout().Box.TopLeft() + box->BoundsRect().TopLeft();
        int count = 0;
        for (int y = 2; y < TCheckBox::kBoxSize - 2; ++y)
            for (int x = 2; x < TCheckBox::kBoxSize - 2; ++x)
                count += ColorFromPixel(pixels.GetPixel(at.X + x, at.Y + y)) == ColorToRGB(color);
        return count;
    }
    void Focus(TWinControl* control)
    {
        control->SetFocus();
        Pump();
    }
    TTestButton* AddOther()
    {
        auto* other = new TTestButton(form);
        other->SetParent(form);
        other->SetBounds(10, 100, 75, 25);
        return other;
    }
    TForm* form = nullptr;
    TCheckBox* box = nullptr;
    int clicks = 0;
};

TEST_F(CheckBoxTest, AClickTogglesAndFiresOnClick)
{
    Click(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Focused());
    Click(box);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxTest, AllowGrayedPutsTheGrayedStateIntoTheCycle)
{
    box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        Click(box);
        seen.push_back(box->State());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    // Without AllowGrayed, grayed (set by code) goes on to checked.
    box->SetAllowGrayed(false);
    box->SetState(cbGrayed);
    Click(box);
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(CheckBoxTest, ChangesByCodeFireOnClickOnlyWhenTheStateChanges)
{
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetState(cbGrayed);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, SpacePressesTheBoxAndTogglesOnRelease)
{
    Focus(box);
    Desktop().InjectKeyDown(VK_SPACE);
    Pump();
    EXPECT_TRUE(box->Pressed());
    EXPECT_EQ(InsideCount(clBtnFace), (TCheckBox::kBoxSize - 4) * (TCheckBox::kBoxSize - 4)) << "pushed in: grey";
    EXPECT_FALSE(box->Checked());
    Desktop().InjectKeyUp(VK_SPACE);
    Pump();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(CheckBoxTest, TheAcceleratorFocusesAndToggles)
{
    box->SetCaption("&Check");
    Focus(AddOther());
    Desktop().InjectText("C");
    Pump();
    EXPECT_TRUE(box->Focused());
    EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBoxTest, TheBoxIsSunkenWhiteAndShowsItsState)
{
    EXPECT_EQ(box->Layout().Box, Bounds(0, 2, 13, 13));
    EXPECT_EQ(InBox(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(InBox(1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(InBox(12, 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(InBox(11, 11), ColorToRGB(cl3DLight));
    EXPECT_EQ(InsideCount(clWindow), 81);
    box->SetChecked(true);
    EXPECT_GT(InsideCount(clWindowText), 0);
    // Grayed: a grey check on grey.
    box->SetState(cbGrayed);
    EXPECT_EQ(InsideCount(clWindowText), 0);
    EXPECT_GT(InsideCount(clBtnShadow), 0);
    EXPECT_EQ(InsideCount(clWindow), 0);
}

TEST_F(CheckBoxTest, LeftJustifiedPutsTheCaptionLeftOfTheBox)
{
    box->SetAlignment(taLeftJustify);
    EXPECT_EQ(box->Layout().Box, Bounds(TCheckBox::kDefaultWidth - 13, 2, 13, 13));
    EXPECT_EQ(box->Layout().Text.Right, box->Layout().Box.Left - TCheckBox::kTextGap);
    EXPECT_EQ(InBox(0, 0), ColorToRGB(clBtnShadow));
    box->SetAlignment(taCenter);
    EXPECT_EQ(box->Alignment(), taRightJustify);
}

TEST_F(CheckBoxTest, TheFocusedBoxFramesItsCaption)
{
    TTestButton* other = AddOther();
    // The column just left of the caption's strip, where only the focus rectangle draws.
    auto marked = [&] {
        const PixelBuffer pixels = Capture();
        const int x = box->Left() + box->Layout().Text.Left - 1;
        int count = 0;
        for (int y = box->Top(); y < box->Top() + box->Height(); ++y)
            count += ColorFromPixel(pixels.GetPixel(x, y)) != ColorToRGB(clBtnFace);
        return count;
    };
    Focus(other);
    EXPECT_EQ(marked(), 0);
    Focus(box);
    EXPECT_GT(marked(), 0);
}

TEST_F(CheckBoxTest, ADisabledBoxIgnoresClicksAndIsGrey)
{
    box->SetEnabled(false);
    Click(box);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(InsideCount(clBtnFace), 81);
}

// A form whose description binds a check box and its click handler.
class TfrmCheckTest : public TForm {
    QZ_DECLARE_CLASS(TfrmCheckTest, TForm)

public:
    explicit TfrmCheckTest(TComponent* owner) : TForm(owner) {}
    TCheckBox* schkNor = nullptr;
    int clicks = 0;
    void schkNorClick(TObject* /*sender*/) { ++clicks; }
};

QZ_IMPLEMENT_CLASS(TfrmCheckTest);
void TfrmCheckTest::Publish(TClassBuilder<TfrmCheckTest>& c)
{
    c.Creatable<TComponent>();
    c.Field("schkNor", &TfrmCheckTest::schkNor);
    c.Method("schkNorClick", &TfrmCheckTest::schkNorClick);
}

TEST_F(CheckBoxTest, ReadingADescriptionSetsTheStateWithoutAClick)
{
    RegisterClass(TCheckBox::StaticClassInfo());
    auto* read = new TfrmCheckTest(&App());
    ReadForm(*read, R"(object frmCheckTest: TfrmCheckTest
  object schkNor: TCheckBox
    Left = 200
    Top = 254
    Width = 57
    Height = 19
    OnClick = schkNorClick
    Caption = '文件头'
    Checked = True
    TabStop = True
  end
end
)");
    ASSERT_NE(read->schkNor, nullptr);
    EXPECT_TRUE(read->schkNor->Checked());
    EXPECT_EQ(read->clicks, 0);
    read->schkNor->SetChecked(false);
    EXPECT_EQ(read->clicks, 1);
}

}  // namespace
}  // namespace uitest
