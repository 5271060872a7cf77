#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/controls/Panel.h"
#include "skin/core/SUIThemes.h"
#include "tests/ui/UiTestFixture.h"

#include <gtest/gtest.h>

namespace formstyletest {

// Stands in for the skinned form, which lives in a layer above: found by
// its class name and read through its published UIStyle.
class TsuiForm : public TCustomControl {
    QZ_DECLARE_CLASS(TsuiForm, TCustomControl)
public:
    explicit TsuiForm(TComponent* owner) : TCustomControl(owner) {}
    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    void SetUIStyle(TsuiUIStyle style) { m_uiStyle = style; }

private:
    TsuiUIStyle m_uiStyle = DeepBlue;
};

QZ_IMPLEMENT_CLASS(TsuiForm);
void TsuiForm::Publish(TClassBuilder<TsuiForm>& c)
{
    c.Creatable<TComponent>();
    c.Property("UIStyle", &TsuiForm::UIStyle, &TsuiForm::SetUIStyle);
}

// A descendant is a TsuiForm as well.
class TsuiMainSkin : public TsuiForm {
    QZ_DECLARE_CLASS(TsuiMainSkin, TsuiForm)
public:
    using TsuiForm::TsuiForm;
};

QZ_IMPLEMENT_CLASS(TsuiMainSkin);
void TsuiMainSkin::Publish(TClassBuilder<TsuiMainSkin>& c)
{
    c.Creatable<TComponent>();
}

class SUIFormStyleTest : public uitest::UiTest {
protected:
    SUIFormStyleTest() : m_form(NewForm<TForm>(&App())) {}

    template <class T>
    T* Child(TWinControl* parent)
    {
        auto* control = new T(m_form);
        control->SetParent(parent);
        return control;
    }
    TsuiForm* Skin(TWinControl* parent, TsuiUIStyle style)
    {
        auto* skin = Child<TsuiForm>(parent);
        skin->SetUIStyle(style);
        return skin;
    }

    TForm* m_form;
};

TEST_F(SUIFormStyleTest, NoFormMeansDeepBlue)
{
    EXPECT_EQ(GetSUIFormStyle(nullptr), DeepBlue);
}

TEST_F(SUIFormStyleTest, AFormWithoutSkinnedFormMeansDeepBlue)
{
    Child<TPanel>(m_form);
    EXPECT_EQ(GetSUIFormStyle(m_form), DeepBlue);
}

TEST_F(SUIFormStyleTest, TheSkinnedFormsStyleIsTaken)
{
    Child<TPanel>(m_form);
    Skin(m_form, WinXP);
    EXPECT_EQ(GetSUIFormStyle(m_form), WinXP);
}

TEST_F(SUIFormStyleTest, TheFirstSkinnedFormInControlOrderWins)
{
    Skin(m_form, MacOS);
    Skin(m_form, Protein);
    EXPECT_EQ(GetSUIFormStyle(m_form), MacOS);
}

TEST_F(SUIFormStyleTest, DescendantsOfTheSkinnedFormCount)
{
    Child<TsuiMainSkin>(m_form)->SetUIStyle(BlueGlass);
    EXPECT_EQ(GetSUIFormStyle(m_form), BlueGlass);
}

TEST_F(SUIFormStyleTest, OnlyDirectChildrenAreSearched)
{
    auto* panel = Child<TPanel>(m_form);
    Skin(panel, WinXP);
    EXPECT_EQ(GetSUIFormStyle(m_form), DeepBlue);
    EXPECT_EQ(GetSUIFormStyle(panel), WinXP) << "a windowed control is searched like a form";
}

TEST_F(SUIFormStyleTest, ANonVisualOwnerMeansDeepBlue)
{
    TImageList list(nullptr);
    EXPECT_EQ(GetSUIFormStyle(&list), DeepBlue);
}

}  // namespace formstyletest
