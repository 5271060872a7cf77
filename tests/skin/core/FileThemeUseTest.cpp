// The style contract: where a component's look comes from (UsingFileTheme)
// and how a container hands its style on to its direct children.

#include "ThemeFileTestSupport.h"
#include "ThemeManagerTestProbes.h"

#include "skin/core/FileTheme.h"
#include "tests/core/TempDir.h"
#include "tests/ui/UiTestFixture.h"

namespace {

using namespace themetest;
using Log = std::vector<std::string>;

enum class ThemeState { None, Unusable, Usable };

struct SourceCase {
    TsuiUIStyle Style;
    ThemeState Theme;
    TThemeSource Expected;
};

class UsingFileThemeTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(UsingFileThemeTest, ChoosesBetweenFileAndBuiltInValues)
{
    TempDir dir;
    TsuiFileTheme theme(nullptr);
    if (GetParam().Theme == ThemeState::Usable) {
        { TsuiThemeFileWriter writer(dir.File("t.sui")); }
        theme.SetThemeFile(dir.File("t.sui"));
    }
    const TThemeSource source = UsingFileTheme(GetParam().Theme == ThemeState::None ? nullptr : &theme, GetParam().Style);
    EXPECT_EQ(source.FromFile, GetParam().Expected.FromFile);
    EXPECT_EQ(source.Style, GetParam().Expected.Style);
}

INSTANTIATE_TEST_SUITE_P(Styles, UsingFileThemeTest,
                         ::testing::Values(SourceCase{FromThemeFile, ThemeState::Usable, {true, FromThemeFile}},
                                           SourceCase{FromThemeFile, ThemeState::Unusable, {false, DeepBlue}},
                                           SourceCase{FromThemeFile, ThemeState::None, {false, DeepBlue}},
                                           // An explicit built-in style wins over a usable file theme.
                                           SourceCase{WinXP, ThemeState::Usable, {false, WinXP}},
                                           SourceCase{MacOS, ThemeState::None, {false, MacOS}}));

class ContainerApplyTest : public uitest::UiTest {
protected:
    template <class T>
    T* Child(const std::string& name, TWinControl* parent)
    {
        auto* control = new T(form);
        control->SetName(name);
        control->SetParent(parent);
        return control;
    }

    TForm* form = new TForm(&App());
};

TEST_F(ContainerApplyTest, DirectChildrenWithBothPropertiesInIndexOrder)
{
    auto* theme = new TsuiFileTheme(form);
    theme->SetName("ft");
    auto* first = Child<TsuiThemeProbe>("first", form);
    Child<TsuiStyleOnlyProbe>("styleOnly", form);
    Child<TPlainThemeProbe>("plain", form);
    auto* grandchild = Child<TsuiThemeProbe>("grandchild", first);
    auto* unparented = Child<TsuiThemeProbe>("unparented", nullptr);
    ProbeLog().clear();

    ContainerApplyUIStyle(form, WinXP, theme);
    EXPECT_EQ(ProbeLog(), (Log{"first.FileTheme=ft", "first.UIStyle=DeepBlue", "first.UIStyle=WinXP",
                               "plain.FileTheme=ft", "plain.UIStyle=DeepBlue", "plain.UIStyle=WinXP"}));
    EXPECT_EQ(grandchild->UIStyle(), DeepBlue) << "not recursive";
    EXPECT_EQ(unparented->UIStyle(), DeepBlue) << "owned is not enough";

    ContainerApplyUIStyle(form, MacOS, nullptr);
    EXPECT_EQ(first->FileTheme(), nullptr);
    ProbeLog().clear();
    ContainerApplyUIStyle(nullptr, MacOS, nullptr);
    EXPECT_TRUE(ProbeLog().empty());
}

}  // namespace
