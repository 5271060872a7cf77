#pragma once
// TfrmMain: the analyser's only window, built from its form description
// TFRMMAIN, which creates every component; the fields are bound to them by
// name and the handlers by their names.

#include "platform/ui/forms/Form.h"

#include <string>

class TBevel;
class TButton;
class TCustomCheckBox;
class TCustomComboBox;
class TCustomEdit;
class TCustomMemo;
class TCustomPanel;
class TImage;
class TMessageBoxComponent;
class TOpenDialog;
class TsuiThemeManager;

class TfrmMain : public TForm {
    QZ_DECLARE_CLASS(TfrmMain, TForm)

public:
    explicit TfrmMain(TComponent* owner) : TForm(owner) {}

    TCustomPanel* suiFrmMain = nullptr;
    TCustomEdit* sedPth = nullptr;
    TButton* sbtnOp = nullptr;
    TCustomMemo* smoDtl = nullptr;
    TButton* sbtnCk = nullptr;
    TButton* sbtnCs = nullptr;
    TCustomCheckBox* schkNor = nullptr;
    TCustomCheckBox* schkEx = nullptr;
    TCustomComboBox* sCb = nullptr;
    TOpenDialog* opDlg = nullptr;
    TMessageBoxComponent* sMsgBx = nullptr;
    TsuiThemeManager* sTM = nullptr;
    TImage* imgCf = nullptr;
    TBevel* Bevel1 = nullptr;

    // The file the analysis reads: set by the browse button, emptied by the clear button.
    std::string ChosenPath;

    // The look switch.
    void sCbChange(TObject* sender);
    // Browse: the chosen file goes into the path field and ChosenPath.
    void sbtnOpClick(TObject* sender);
    // Analyse: the report of ChosenPath into the memo.
    void sbtnCkClick(TObject* sender);
    // Clear: path and memo emptied; the window stays.
    void sbtnCsClick(TObject* sender);
    // The publisher's picture opens the publisher's web page.
    void imgCfClick(TObject* sender);

    // A file dropped onto the window is chosen as the browse button would.
    void ChooseFile(const std::string& path);

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;

private:
    void WMDropFiles(TMessage& message);
};

// The main window, once start-up made it.
extern TfrmMain* frmMain;

// The publisher's web page, opened by the picture.
inline constexpr const char* kPublisherPage = "https://example.org/";
