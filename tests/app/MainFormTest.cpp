// The main window on a headless desktop: start-up state, the four buttons'
// handlers, the dialog-key order that lets Enter run the analysis, the
// publisher picture, dropped files and the look switch.

#include "app/AnalysisReport.h"
#include "app/MainForm.h"
#include "app/StartUp.h"
#include "platform/core/Strings.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/controls/CustomCheckBox.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/edit/CustomMemo.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/dialogs/OpenDialog.h"
#include "platform/ui/base/Timer.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"
#include "skin/core/ThemeManager.h"
#include "tests/app/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>
#include <string>
#include <vector>

namespace {

class MainFormTest : public testing::Test {
protected:
    MainFormTest() : m_backend(new win::HeadlessBackend()), m_system(std::unique_ptr<win::Backend>(m_backend))
    {
        PrepareApplication();
        Application->SetMessageBoxHandler([this](const std::string& text, const std::string& caption, UINT) {
            messageBoxes.push_back(caption + ": " + text);
            return IDOK;
        });
        CreateMainWindow();
        form = frmMain;
        form->Show();
        Pump();
    }
    ~MainFormTest() override
    {
        Application->DestroyComponents();
        frmMain = nullptr;
        Application->SetMessageBoxHandler({});
    }

    void Pump() { Application->ProcessMessages(); }

    [[nodiscard]] std::vector<std::string> MemoLines() const
    {
        std::vector<std::string> lines;
        TStrings* memo = form->smoDtl->Lines();
        for (int i = 0; i < memo->Count(); ++i) lines.push_back(memo->Strings(i));
        return lines;
    }

    void Press(WORD key)
    {
        m_backend->InjectKeyDown(key);
        m_backend->InjectKeyUp(key);
        Pump();
    }

    win::HeadlessBackend* m_backend;
    WindowSystem m_system;
    TfrmMain* form = nullptr;
    std::vector<std::string> messageBoxes;
    const std::string bound = SourcePath("resources/samples/bound.exe");
};

TEST_F(MainFormTest, StartsEmptyWithTheHeaderSwitchOnAndTheImportSwitchOffAndDisabled)
{
    EXPECT_EQ(form->Caption(), "QZ Trellin [Vostra专版]");
    EXPECT_EQ(form->ClientWidth(), 280);
    EXPECT_EQ(form->ClientHeight(), 310);
    EXPECT_EQ(Application->Title(), "QZ VIEWER");
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_TRUE(form->sedPth->Text().empty());
    EXPECT_TRUE(MemoLines().empty());
    EXPECT_TRUE(form->ChosenPath.empty());
    EXPECT_TRUE(form->schkNor->Checked());
    EXPECT_FALSE(form->schkEx->Checked());
    EXPECT_FALSE(form->schkEx->Enabled());
    EXPECT_EQ(form->sCb->ItemIndex(), -1);
}

TEST_F(MainFormTest, AnalysingWithoutAFileShowsTheErrorBoxAndNoReport)
{
    form->sbtnCk->Click();
    EXPECT_EQ(messageBoxes, (std::vector<std::string>{"错误: 请先选择文件！"}));
    EXPECT_TRUE(MemoLines().empty());
}

TEST_F(MainFormTest, TheReportOfTheChosenFileGoesIntoTheMemoLineByLine)
{
    form->ChooseFile(bound);
    form->sbtnCk->Click();
    EXPECT_EQ(MemoLines(), AnalyseFile(bound, HeaderCheck::On).Lines);
    EXPECT_EQ(MemoLines().size(), 9u);
    form->schkNor->SetChecked(false);
    form->sbtnCk->Click();
    EXPECT_EQ(MemoLines().size(), 5u) << "a new analysis replaces the report";
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(MainFormTest, ClearEmptiesPathAndMemoAndTheNextAnalysisAsksForAFile)
{
    form->ChooseFile(bound);
    form->sbtnCk->Click();
    form->sbtnCs->Click();
    EXPECT_TRUE(form->sedPth->Text().empty());
    EXPECT_TRUE(form->ChosenPath.empty());
    EXPECT_TRUE(MemoLines().empty());
    EXPECT_TRUE(form->Visible()) << "the clear button closes nothing";
    form->sbtnCk->Click();
    EXPECT_EQ(messageBoxes.size(), 1u);
}

TEST_F(MainFormTest, CancellingTheDialogKeepsTheFileChosenBefore)
{
    form->ChooseFile(bound);
    // Escape once the dialog's modal loop runs and its window has the focus.
    TTimer escape(form);
    escape.SetEnabled(false);
    escape.SetInterval(10);
    escape.SetOnTimer([&](TObject*) {
        escape.SetEnabled(false);
        Press(VK_ESCAPE);
    });
    form->opDlg->OnShow = [&](TObject*) { escape.SetEnabled(true); };
    form->sbtnOp->Click();
    EXPECT_EQ(form->sedPth->Text(), bound);
    EXPECT_EQ(form->ChosenPath, bound);
}

TEST_F(MainFormTest, EnterRunsTheAnalysisThroughTheFirstDefaultButton)
{
    form->ChooseFile(bound);
    form->sedPth->SetFocus();
    Pump();
    Press(VK_RETURN);
    EXPECT_EQ(MemoLines().size(), 9u) << "the analyse button comes before the clear button";
    EXPECT_EQ(form->sedPth->Text(), bound);
}

TEST_F(MainFormTest, TheImportSwitchCannotBeToggled)
{
    m_backend->InjectClick(form->schkEx->ClientToScreen({8, 8}));
    Pump();
    EXPECT_FALSE(form->schkEx->Checked());
}

TEST_F(MainFormTest, ThePublisherPictureOpensTheWebPageAndLeavesTheWindowAlone)
{
    const TRect before = form->BoundsRect();
    form->imgCf->Click();
    Pump();
    EXPECT_EQ(m_backend->OpenedUrls(), (std::vector<std::string>{kPublisherPage}));
    EXPECT_EQ(form->BoundsRect(), before);
}

TEST_F(MainFormTest, ADroppedFileIsChosenAsTheBrowseButtonWould)
{
    m_backend->InjectFilesDropped(form->Handle(), form->ClientToScreen({40, 150}), {bound, "/other"});
    Pump();
    EXPECT_EQ(form->sedPth->Text(), bound);
    EXPECT_EQ(form->ChosenPath, bound);
}

// A named pipe without a writer would hold the window for ever if the
// analysis waited for it.
TEST_F(MainFormTest, ADroppedNamedPipeIsAnalysedAtOnceAsUnreadable)
{
    const ScratchDir dir;
    const std::string fifo = (dir.Path() / "pipe.exe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    m_backend->InjectFilesDropped(form->Handle(), form->ClientToScreen({40, 150}), {fifo});
    Pump();
    form->sbtnCk->Click();
    const std::vector<std::string> lines = MemoLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "文件位置：" + fifo);
    EXPECT_EQ(lines[2], "无法读取文件：不是普通文件（管道或设备）");
    EXPECT_EQ(lines[6], "文件头检测失败！");
}

TEST_F(MainFormTest, TheLookSelectorSetsTheThemeManagersStyle)
{
    form->sCb->SetItemIndex(1);
    form->sCbChange(form->sCb);
    EXPECT_EQ(form->sTM->UIStyle(), MacOS);
    form->sCb->SetItemIndex(2);
    form->sCbChange(form->sCb);
    EXPECT_EQ(form->sTM->UIStyle(), WinXP);
    form->sCb->SetItemIndex(-1);
    form->sCbChange(form->sCb);
    EXPECT_EQ(form->sTM->UIStyle(), WinXP) << "no item chosen: nothing happens";
}

}  // namespace
