#include "app/MainForm.h"

#include "app/AnalysisReport.h"
#include "app/MessageBoxComponent.h"
#include "platform/core/ClassBuilder.h"
#include "platform/core/Strings.h"
#include "platform/ui/controls/Bevel.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/controls/CustomCheckBox.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/edit/CustomMemo.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/dialogs/OpenDialog.h"
#include "platform/ui/controls/Panel.h"
#include "platform/win/WinApi.h"
#include "skin/core/ThemeManager.h"

#include <vector>

TfrmMain* frmMain = nullptr;

QZ_IMPLEMENT_CLASS(TfrmMain);
void TfrmMain::Publish(TClassBuilder<TfrmMain>& c)
{
    c.Creatable<TComponent>();
    c.Field("suiFrmMain", &TfrmMain::suiFrmMain);
    c.Field("sedPth", &TfrmMain::sedPth);
    c.Field("sbtnOp", &TfrmMain::sbtnOp);
    c.Field("smoDtl", &TfrmMain::smoDtl);
    c.Field("sbtnCk", &TfrmMain::sbtnCk);
    c.Field("sbtnCs", &TfrmMain::sbtnCs);
    c.Field("schkNor", &TfrmMain::schkNor);
    c.Field("schkEx", &TfrmMain::schkEx);
    c.Field("sCb", &TfrmMain::sCb);
    c.Field("opDlg", &TfrmMain::opDlg);
    c.Field("sMsgBx", &TfrmMain::sMsgBx);
    c.Field("sTM", &TfrmMain::sTM);
    c.Field("imgCf", &TfrmMain::imgCf);
    c.Field("Bevel1", &TfrmMain::Bevel1);
    c.Method("sCbChange", &TfrmMain::sCbChange);
    c.Method("sbtnOpClick", &TfrmMain::sbtnOpClick);
    c.Method("sbtnCkClick", &TfrmMain::sbtnCkClick);
    c.Method("sbtnCsClick", &TfrmMain::sbtnCsClick);
    c.Method("imgCfClick", &TfrmMain::imgCfClick);
}

void TfrmMain::sCbChange(TObject* /*sender*/)
{
    switch (sCb->ItemIndex()) {
    case 0: sTM->SetUIStyle(DeepBlue); break;
    case 1: sTM->SetUIStyle(MacOS); break;
    case 2: sTM->SetUIStyle(WinXP); break;
    default: break;  // no item chosen
    }
}

void TfrmMain::sbtnOpClick(TObject* /*sender*/)
{
    if (opDlg->Execute()) ChooseFile(opDlg->FileName());
}

void TfrmMain::ChooseFile(const std::string& path)
{
    sedPth->SetText(path);
    ChosenPath = path;
}

void TfrmMain::sbtnCkClick(TObject* /*sender*/)
{
    smoDtl->Clear();
    if (sedPth->Text().empty()) {
        sMsgBx->SetCaption(std::string(kNoFileTitle));
        sMsgBx->SetText(std::string(kNoFileMessage));
        sMsgBx->ShowModal();
        return;
    }
    const HeaderCheck check = schkNor->Checked() ? HeaderCheck::On : HeaderCheck::Off;
    for (const std::string& line : AnalyseFile(ChosenPath, check).Lines) smoDtl->Lines()->Add(line);
}

void TfrmMain::sbtnCsClick(TObject* /*sender*/)
{
    ChosenPath.clear();
    sedPth->SetText({});
    smoDtl->Clear();
}

void TfrmMain::imgCfClick(TObject* /*sender*/)
{
    ShellExecute(nullptr, "open", kPublisherPage, {}, {}, SW_SHOWMAXIMIZED);
}

void TfrmMain::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_ACCEPTFILES;
}

void TfrmMain::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_DROPFILES: WMDropFiles(message); break;
    default: TForm::Dispatch(message);
    }
}

void TfrmMain::WMDropFiles(TMessage& message)
{
    const auto* files = reinterpret_cast<const std::vector<std::string>*>(message.WParam);
    if (files && !files->empty()) ChooseFile(files->front());
}
