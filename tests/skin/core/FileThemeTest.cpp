// The file-theme component: unusable until a file loads, no reload for the
// same name, files found next to the executable, frames cut from strips,
// and the form's skinned components told to read the theme again.

#include "ThemeFileTestSupport.h"
#include "ThemeManagerTestProbes.h"

#include "platform/core/PropertyAccess.h"
#include "skin/core/FileTheme.h"
#include "tests/core/TempDir.h"
#include "tests/ui/UiTestFixture.h"

#include <filesystem>
#include <unistd.h>

namespace {

using namespace themetest;
namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class FileThemeTest : public uitest::UiTest {
protected:
    FileThemeTest() { ProbeLog().clear(); }

    template <class T>
    T* Named(const std::string& name, TComponent* owner)
    {
        auto* component = new T(owner);
        component->SetName(name);
        return component;
    }
    // A theme file with FormMinWidthInt = width.
    std::string Theme(const std::string& path, int width) const
    {
        TsuiThemeFileWriter(path).AddInteger("FormMinWidthInt", width);
        return path;
    }

    TempDir dir;
    TForm* form = new TForm(&App());
    TsuiFileTheme* theme = Named<TsuiFileTheme>("ft", form);
};

TEST_F(FileThemeTest, UnusableUntilAFileLoads)
{
    EXPECT_FALSE(theme->CanUse());
    EXPECT_EQ(theme->ThemeFile(), "");
    EXPECT_EQ(theme->GetInt(SuiThemeId::FormMinWidthInt), 0);
    EXPECT_EQ(theme->GetColor(SuiThemeId::FormBorderColor), 0);
    EXPECT_FALSE(theme->GetBool(SuiThemeId::ButtonTransparentBool));
    TBitmap whole(7, 8);
    theme->GetBitmap(SuiThemeId::ButtonImage, &whole);
    EXPECT_EQ(whole.Width(), 7);
    TBitmap frame(7, 8);
    theme->GetBitmap(SuiThemeId::ButtonImage, &frame, 3, 1);
    EXPECT_TRUE(frame.Empty()) << "the split of no picture";

    theme->SetThemeFile(dir.File("none.sui"));
    EXPECT_EQ(theme->ThemeFile(), "");
    EXPECT_FALSE(theme->CanUse());
}

TEST_F(FileThemeTest, ReadsElementsAndFramesOfStrips)
{
    WriteFullTheme(dir.File("full.sui"), dir.File(""));
    SetStrProp(*theme, "ThemeFile", dir.File("full.sui"));
    EXPECT_TRUE(theme->CanUse());
    EXPECT_EQ(theme->ThemeFile(), dir.File("full.sui"));
    EXPECT_EQ(theme->GetInt(SuiThemeId::TitleBarButtonTopInt), NumberOf(SuiThemeId::TitleBarButtonTopInt));
    EXPECT_EQ(theme->GetColor(SuiThemeId::FormBorderColor), NumberOf(SuiThemeId::FormBorderColor));
    EXPECT_EQ(theme->GetBool(SuiThemeId::ButtonTransparentBool), BoolOf(SuiThemeId::ButtonTransparentBool));
    // CheckBoxImage is 9 x 5 with a red top-left pixel: three 3 x 5 frames.
    TBitmap first, second;
    theme->GetBitmap(SuiThemeId::CheckBoxImage, &first, 3, 1);
    theme->GetBitmap(SuiThemeId::CheckBoxImage, &second, 3, 2);
    EXPECT_EQ(first.Width(), 3);
    EXPECT_EQ(first.Height(), kHeight);
    EXPECT_EQ(first.Canvas()->Pixels(0, 0), clRed);
    EXPECT_NE(second.Canvas()->Pixels(0, 0), clRed);
}

TEST_F(FileThemeTest, SameNameLoadsNothingAndAMissingOneChangesNothing)
{
    const std::string file = Theme(dir.File("a.sui"), 130);
    theme->SetThemeFile(file);
    Theme(file, 999);
    theme->SetThemeFile(file);
    EXPECT_EQ(theme->GetInt(SuiThemeId::FormMinWidthInt), 130);
    theme->SetThemeFile(dir.File("none.sui"));
    EXPECT_EQ(theme->ThemeFile(), file);
    EXPECT_TRUE(theme->CanUse());
    EXPECT_EQ(theme->GetInt(SuiThemeId::FormMinWidthInt), 130);
}

TEST_F(FileThemeTest, NameIsLookedForNextToTheExecutable)
{
    const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / ("qz-" + std::to_string(getpid()) + ".sui");
    const std::string name = beside.filename().string();
    Theme(beside.string(), 77);
    const fs::path saved = fs::current_path();
    fs::current_path(dir.File(""));
    theme->SetThemeFile(name);
    fs::current_path(saved);
    EXPECT_EQ(theme->ThemeFile(), beside.string()) << "a bare name reads back as the full path";
    EXPECT_EQ(theme->GetInt(SuiThemeId::FormMinWidthInt), 77);

    auto* other = Named<TsuiFileTheme>("other", form);
    other->SetThemeFile(dir.File("gone/") + name);
    EXPECT_EQ(other->ThemeFile(), beside.string()) << "only the file-name part counts there";
    other->SetThemeFile(Theme(dir.File(name), 55));
    EXPECT_EQ(other->GetInt(SuiThemeId::FormMinWidthInt), 55) << "a file that exists wins";
    fs::remove(beside);
}

TEST_F(FileThemeTest, LoadingTellsTheSkinnedComponentsThatUseIt)
{
    auto* user = Named<TsuiThemeProbe>("user", form);
    auto* plain = Named<TPlainThemeProbe>("plain", form);
    Named<TsuiThemeProbe>("otherUser", form)->SetFileTheme(Named<TsuiFileTheme>("other", form));
    Named<TsuiStyleOnlyProbe>("styleOnly", form);
    user->SetFileTheme(theme);
    user->SetUIStyle(FromThemeFile);
    plain->SetFileTheme(theme);
    EXPECT_FALSE(user->Source.FromFile);
    ProbeLog().clear();

    theme->SetThemeFile(dir.File("none.sui"));
    EXPECT_TRUE(ProbeLog().empty()) << "nothing loaded, no one told";
    theme->SetThemeFile(Theme(dir.File("a.sui"), 130));
    EXPECT_EQ(ProbeLog(), (Log{"user.FileTheme=ft", "user.UIStyle=FromThemeFile"}));
    EXPECT_TRUE(user->Source.FromFile);
}

TEST_F(FileThemeTest, ThemeOutsideAFormTellsNoOne)
{
    TComponent module(nullptr);
    auto* loose = Named<TsuiFileTheme>("loose", &module);
    Named<TsuiThemeProbe>("user", &module)->SetFileTheme(loose);
    ProbeLog().clear();
    loose->SetThemeFile(Theme(dir.File("a.sui"), 130));
    EXPECT_TRUE(loose->CanUse());
    EXPECT_TRUE(ProbeLog().empty());
}

}  // namespace
