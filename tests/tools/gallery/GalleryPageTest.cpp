// The gallery page used as a user uses it: a look chosen in its list
// reaches every skinned component, nested ones included, and the repeat
// button's counter counts; and its command line.

#include "platform/core/Resources.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/lists/ComboBox.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "tests/ui/UiTestFixture.h"
#include "tools/gallery/GalleryCommandLine.h"
#include "tools/gallery/GalleryForm.h"
#include "tools/gallery/GalleryRender.h"

#include <string>
#include <vector>

namespace {

class GalleryPageTest : public uitest::UiTest {
protected:
    GalleryPageTest()
    {
        PrepareGallery();
        std::vector<TGalleryStyle> styles = BuiltInGalleryStyles();
        styles.push_back(ThemeFileStyle(std::string(QZ_SAMPLE_THEME_DIR) + "/Amber.sui"));
        form = NewForm<TGalleryForm>(&App());
        form->Build({styles, styles[2], ""});
        Shown(form, {10, 10, 10 + form->Width(), 10 + form->Height()}, bsNone);
    }
    template <class T>
    T* Named(const std::string& name)
    {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    TGalleryForm* form = nullptr;
};

TEST_F(GalleryPageTest, ALookChosenInTheListReachesEveryComponent)
{
    auto* list = Named<TComboBox>("cbStyle");
    EXPECT_EQ(Named<TsuiButton>("sbtnNormal")->UIStyle(), DeepBlue);
    list->SetFocus();
    PressKey(VK_HOME);  // MacOS, the first look
    EXPECT_EQ(form->CurrentStyle().Name, "MacOS");
    EXPECT_EQ(Named<TsuiButton>("sbtnNormal")->UIStyle(), MacOS);
    EXPECT_EQ(Named<TsuiCheckBox>("schkOn")->UIStyle(), MacOS);
    PressKey(VK_END);  // the theme file
    auto* button = Named<TsuiButton>("sbtnNormal");
    EXPECT_EQ(button->UIStyle(), FromThemeFile);
    ASSERT_NE(button->FileTheme(), nullptr);
    EXPECT_TRUE(button->FileTheme()->CanUse());
}

TEST_F(GalleryPageTest, TheRepeatCounterCountsTicksWhileHeld)
{
    auto* button = Named<TsuiButton>("sbtnRepeat");
    Desktop().InjectMouseMove(ScreenPointOf(button));
    Desktop().InjectMouseDown(ScreenPointOf(button));
    Pump();
    for (int i = 0; i < 3; ++i) {
        Desktop().AdvanceClock(100);
        Pump();
    }
    Desktop().InjectMouseUp(ScreenPointOf(button));
    Pump();
    EXPECT_EQ(Named<TLabel>("lblRepeat")->Caption(), "连续：3");
}

struct CommandCase {
    std::vector<const char*> Args;
    GalleryMode Mode;
};

class GalleryCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(GalleryCommandTest, ReadsTheArguments)
{
    const GalleryCommand command = ParseGalleryCommand(GetParam().Args);
    EXPECT_EQ(command.Mode, GetParam().Mode) << command.Error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GalleryCommandTest,
    ::testing::Values(CommandCase{{}, GalleryMode::Window},
                      CommandCase{{"--style", "macos", "--page", "buttons", "--log"}, GalleryMode::Window},
                      CommandCase{{"--style", "Amber.sui", "--screenshot", "o.png"}, GalleryMode::Screenshot},
                      CommandCase{{"--contact", "o.png", "extra.sui"}, GalleryMode::Contact},
                      CommandCase{{"--layout"}, GalleryMode::Layout},
                      CommandCase{{"--help"}, GalleryMode::Help},
                      CommandCase{{"--style", "Pink"}, GalleryMode::Refused},
                      CommandCase{{"--screenshot"}, GalleryMode::Refused},
                      CommandCase{{"--screenshot", "a.png", "--layout"}, GalleryMode::Refused},
                      CommandCase{{"notes.txt"}, GalleryMode::Refused}));

TEST(GalleryRenderTest, AnUnknownPageOrAnUnreadableThemeIsRefused)
{
    EXPECT_THROW((void)RenderGallerySection(BuiltInGalleryStyles()[0], "nothing"), EInvalidOperation);
    EXPECT_THROW((void)RenderGallerySection(ThemeFileStyle("/nonexistent/x.sui"), "buttons"), EInvalidOperation);
}

}  // namespace
