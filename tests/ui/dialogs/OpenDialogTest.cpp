// TOpenDialog and its chooser: filter strings and masks, folder listings,
// and the modal chooser on a temporary folder driven by keyboard and mouse
// (filtering, moving between folders, confirming, cancelling, folders that
// cannot be read).

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Exception.h"
#include "platform/core/Strings.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/dialogs/FileFilter.h"
#include "platform/ui/dialogs/FolderListing.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/lists/ListBox.h"
#include "platform/ui/dialogs/OpenDialog.h"
#include "platform/ui/dialogs/OpenDialogForm.h"
#include "platform/ui/base/Timer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace uitest {
namespace {

// --- filters and masks --------------------------------------------------------------------

TEST(FileFilterTest, PairsOfNameAndMasks)
{
    const auto filters = ParseFileFilter("Executable Files (*.EXE)|*.exe|Programs|*.exe; *.com;;|All|*.*");
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].Name, "Executable Files (*.EXE)");
    EXPECT_EQ(filters[0].Masks, std::vector<std::string>{"*.exe"});
    EXPECT_EQ(filters[1].Masks, (std::vector<std::string>{"*.exe", "*.com"}));
    EXPECT_EQ(filters[2].Masks, std::vector<std::string>{"*.*"});
}

TEST(FileFilterTest, MissingPartsMatchEverything)
{
    auto filters = ParseFileFilter("");
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].Masks, std::vector<std::string>{"*"});
    filters = ParseFileFilter("Text|*.txt|Lonely name");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[1].Name, "Lonely name");
    EXPECT_EQ(filters[1].Masks, std::vector<std::string>{"*"});
}

struct MaskCase {
    const char* name;
    const char* mask;
    bool matches;
};

class MaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskTest, Matches)
{
    EXPECT_EQ(MatchesMask(GetParam().name, GetParam().mask), GetParam().matches)
        << GetParam().name << " ~ " << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskTest,
                         ::testing::Values(MaskCase{"setup.exe", "*.exe", true}, MaskCase{"SETUP.EXE", "*.exe", true},
                                           MaskCase{"setup.exe.txt", "*.exe", false},
                                           MaskCase{"a.exe", "?.exe", true}, MaskCase{"ab.exe", "?.exe", false},
                                           MaskCase{"程序.exe", "??.exe", true}, MaskCase{"x", "*", true},
                                           MaskCase{"README", "*.*", true}, MaskCase{"abcabd", "*abd", true},
                                           MaskCase{"abc", "a*b*c*", true}, MaskCase{"abc", "a*d", false},
                                           MaskCase{"", "*", true}, MaskCase{"", "?", false}));

// --- the temporary folder -------------------------------------------------------------------

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "qz-open-XXXXXX").string();
        m_root = mkdtemp(pattern.data());
        for (const char* file : {"alpha.exe", "Beta.EXE", "notes.txt", ".hidden.exe", "sub/inner.exe", "Zeta/z.txt"}) {
            fs::create_directories((m_root / file).parent_path());
            std::ofstream(m_root / file) << "MZ";
        }
    }
    ~TempFolder() { fs::remove_all(m_root); }
    [[nodiscard]] std::string Path(const std::string& relative = {}) const
    {
        return relative.empty() ? m_root.string() : (m_root / relative).string();
    }

private:
    fs::path m_root;
};

std::vector<std::string> Names(const TFolderListing& listing)
{
    std::vector<std::string> names;
    for (const TFolderEntry& e : listing.Entries) names.push_back(e.IsFolder ? e.Name + "/" : e.Name);
    return names;
}

TEST(FolderListingTest, FoldersFirstThenMatchingFilesWithoutHiddenOnes)
{
    const TempFolder folder;
    EXPECT_EQ(Names(ReadFolder(folder.Path(), {"*.exe"})),
              (std::vector<std::string>{"sub/", "Zeta/", "alpha.exe", "Beta.EXE"}));
    EXPECT_EQ(Names(ReadFolder(folder.Path(), {"*.txt", "*.exe"})),
              (std::vector<std::string>{"sub/", "Zeta/", "alpha.exe", "Beta.EXE", "notes.txt"}));
}

TEST(FolderListingTest, AFolderThatCannotBeListedRaises)
{
    const TempFolder folder;
    EXPECT_THROW((void)ReadFolder(folder.Path("missing"), {"*"}), EFOpenError);
    EXPECT_THROW((void)ReadFolder(folder.Path("alpha.exe"), {"*"}), EFOpenError);
}

// --- the chooser ------------------------------------------------------------------------------

class OpenDialogTest : public UiTest {
protected:
    void SetUp() override
    {
        ShownMainForm({0, 0, 300, 200});
        dialog = new TOpenDialog(&App());
        dialog->SetFilter("Executable Files (*.EXE)|*.exe|Text (*.txt)|*.txt");
        dialog->SetInitialDir(folder.Path());
    }
    // Executes the dialog and runs script once it is on the screen.
    bool Run(const std::function<void()>& script)
    {
        auto* timer = new TTimer(&App());
        timer->SetEnabled(false);
        timer->SetInterval(10);
        timer->SetOnTimer([&](TObject*) {
            timer->SetEnabled(false);
            chooser = dynamic_cast<TOpenDialogForm*>(FindControl(dialog->Handle()));
            ASSERT_NE(chooser, nullptr);
            script();
        });
        dialog->OnShow = [timer](TObject*) { timer->SetEnabled(true); };
        const bool confirmed = dialog->Execute();
        delete timer;
        return confirmed;
    }
    template <class T>
    [[nodiscard]] T* Part(const char* name) const
    {
        auto* part = dynamic_cast<T*>(chooser->FindComponent(name));
        EXPECT_NE(part, nullptr) << name;
        return part;
    }
    [[nodiscard]] TListBox* Files() const { return Part<TListBox>("lstFiles"); }
    [[nodiscard]] std::vector<std::string> Shown() const
    {
        std::vector<std::string> items;
        for (int i = 0; i < Files()->Count(); ++i) items.push_back(Files()->Items()->Strings(i));
        return items;
    }
    [[nodiscard]] std::string PathField() const { return Part<TCustomEdit>("edtPath")->Text(); }
    [[nodiscard]] std::string Message() const { return Part<TLabel>("lblMessage")->Caption(); }
    [[nodiscard]] TPoint Row(const std::string& item) const
    {
        const int index = Files()->Items()->IndexOf(item);
        EXPECT_GE(index, 0) << item;
        const TRect r = Files()->ItemRect(index);
        return {r.Left + 10, (r.Top + r.Bottom) / 2};
    }
    void Type(const std::string& text)
    {
        Desktop().InjectText(text);
        Pump();
    }

    TempFolder folder;
    TOpenDialog* dialog = nullptr;
    TOpenDialogForm* chooser = nullptr;
};

TEST_F(OpenDialogTest, ListsFoldersAndTheFilesOfTheChosenFilter)
{
    std::vector<std::string> first;
    std::vector<std::string> second;
    std::string caption;
    const bool confirmed = Run([&] {
        caption = chooser->Caption();
        first = Shown();
        Part<TComboBox>("cbFilter")->SetFocus();
        PressKey(VK_DOWN);
        second = Shown();
        PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(caption, "打开");
    EXPECT_EQ(first, (std::vector<std::string>{"sub/", "Zeta/", "alpha.exe", "Beta.EXE"}));
    EXPECT_EQ(second, (std::vector<std::string>{"sub/", "Zeta/", "notes.txt"}));
    EXPECT_EQ(dialog->FileName(), "") << "cancelling changes nothing";
}

TEST_F(OpenDialogTest, TypingANameAndEnterConfirmsTheFile)
{
    dialog->SetTitle("选择程序");
    std::string caption;
    const bool confirmed = Run([&] {
        caption = chooser->Caption();
        Type("alpha.exe");
        PressKey(VK_RETURN);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(caption, "选择程序");
    EXPECT_EQ(dialog->FileName(), folder.Path("alpha.exe"));
    EXPECT_EQ(dialog->FilterIndex(), 1);
}

TEST_F(OpenDialogTest, AFullPathWorksFromAnyFolder)
{
    EXPECT_TRUE(Run([&] {
        Type(folder.Path("sub/inner.exe"));
        PressKey(VK_RETURN);
    }));
    EXPECT_EQ(dialog->FileName(), folder.Path("sub/inner.exe"));
}

TEST_F(OpenDialogTest, ANameThatIsNoFileIsReportedAndTheDialogStays)
{
    std::string message;
    EXPECT_FALSE(Run([&] {
        Type("nothing.exe");
        PressKey(VK_RETURN);
        message = Message();
        PressKey(VK_ESCAPE);
    }));
    EXPECT_NE(message.find("找不到文件"), std::string::npos) << message;
}

TEST_F(OpenDialogTest, TypingAFolderOpensItAndBackspaceInTheListGoesUp)
{
    std::string inside;
    std::vector<std::string> insideItems;
    std::string back;
    EXPECT_FALSE(Run([&] {
        Type("sub");
        PressKey(VK_RETURN);
        inside = PathField();
        insideItems = Shown();
        Files()->SetFocus();
        PressKey(VK_BACK);
        back = PathField();
        PressKey(VK_ESCAPE);
    }));
    EXPECT_EQ(inside, folder.Path("sub"));
    EXPECT_EQ(insideItems, std::vector<std::string>{"inner.exe"});
    EXPECT_EQ(back, folder.Path());
}

TEST_F(OpenDialogTest, EnterOnASelectedFolderInTheListOpensIt)
{
    std::string inside;
    EXPECT_TRUE(Run([&] {
        Files()->SetFocus();
        PressKey(VK_HOME);
        PressKey(VK_RETURN);
        inside = PathField();
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
    }));
    EXPECT_EQ(inside, folder.Path("sub"));
    EXPECT_EQ(dialog->FileName(), folder.Path("sub/inner.exe")) << "a selected file goes into the name field";
}

TEST_F(OpenDialogTest, DoubleClicksOpenFoldersAndConfirmFiles)
{
    std::string inside;
    EXPECT_TRUE(Run([&] {
        DoubleClick(Files(), Row("sub/"));
        inside = PathField();
        DoubleClick(Files(), Row("inner.exe"));
    }));
    EXPECT_EQ(inside, folder.Path("sub"));
    EXPECT_EQ(dialog->FileName(), folder.Path("sub/inner.exe"));
}

TEST_F(OpenDialogTest, OpeningAFolderEmptiesTheFileNameField)
{
    std::string afterDoubleClick;
    std::string afterUp;
    std::string message;
    EXPECT_FALSE(Run([&] {
        Click(Files(), Row("alpha.exe"));  // the name goes into the field
        DoubleClick(Files(), Row("sub/"));
        afterDoubleClick = Part<TCustomEdit>("edtFileName")->Text();
        Click(Files(), Row("inner.exe"));
        Click(chooser, "btnUp");
        afterUp = Part<TCustomEdit>("edtFileName")->Text();
        Click(chooser, "btnOpen");  // nothing typed, nothing selected: nothing happens
        message = Message();
        Click(chooser, "btnCancel");
    }));
    EXPECT_EQ(afterDoubleClick, "");
    EXPECT_EQ(afterUp, "");
    EXPECT_EQ(message, "") << "no file that was never asked for is looked up";
}

TEST_F(OpenDialogTest, AFolderWithoutReadPermissionIsReportedNotShownEmpty)
{
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not hold back the superuser";
    fs::permissions(folder.Path("Zeta"), fs::perms::none);
    std::string message;
    std::vector<std::string> items;
    EXPECT_FALSE(Run([&] {
        DoubleClick(Files(), Row("Zeta/"));
        message = Message();
        items = Shown();
        PressKey(VK_ESCAPE);
    }));
    fs::permissions(folder.Path("Zeta"), fs::perms::owner_all);
    EXPECT_NE(message.find("没有读取它的权限"), std::string::npos) << message;
    EXPECT_EQ(items, (std::vector<std::string>{"sub/", "Zeta/", "alpha.exe", "Beta.EXE"}));
}

TEST_F(OpenDialogTest, TheUpButtonGoesToTheParentFolder)
{
    dialog->SetInitialDir(folder.Path("sub"));
    std::string above;
    EXPECT_FALSE(Run([&] {
        Click(chooser, "btnUp");
        above = PathField();
        Click(chooser, "btnCancel");
    }));
    EXPECT_EQ(above, folder.Path());
}

TEST_F(OpenDialogTest, AFolderThatCannotBeReadLeavesTheDialogWhereItWas)
{
    std::string message;
    std::string where;
    std::vector<std::string> items;
    EXPECT_FALSE(Run([&] {
        const TPoint zeta = Row("Zeta/");
        fs::remove_all(folder.Path("Zeta"));
        DoubleClick(Files(), zeta);
        message = Message();
        where = PathField();
        items = Shown();
        PressKey(VK_ESCAPE);
    }));
    EXPECT_NE(message.find("无法打开文件夹"), std::string::npos) << message;
    EXPECT_EQ(where, folder.Path());
    EXPECT_EQ(items, (std::vector<std::string>{"sub/", "Zeta/", "alpha.exe", "Beta.EXE"}));
}

TEST_F(OpenDialogTest, StartsInTheFolderOfTheFileNameWithItsNameFilledIn)
{
    dialog->SetFileName(folder.Path("sub/inner.exe"));
    dialog->SetInitialDir("/");
    dialog->SetFilterIndex(7);
    std::string where;
    EXPECT_TRUE(Run([&] {
        where = PathField();
        PressKey(VK_RETURN);
    }));
    EXPECT_EQ(where, folder.Path("sub"));
    EXPECT_EQ(dialog->FileName(), folder.Path("sub/inner.exe"));
    EXPECT_EQ(dialog->FilterIndex(), 1) << "an index out of range starts at the first filter";
}

TEST_F(OpenDialogTest, AMissingInitialFolderFallsBackToTheCurrentOne)
{
    dialog->SetInitialDir(folder.Path("missing"));
    std::string where;
    EXPECT_FALSE(Run([&] {
        where = PathField();
        PressKey(VK_ESCAPE);
    }));
    EXPECT_EQ(where, fs::current_path().string());
}

}  // namespace
}  // namespace uitest
