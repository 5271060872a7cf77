#pragma once
// TfrmMain: the analyser's only window, built from its form description
// TFRMMAIN. The form description creates every component; the fields are
// bound to them by name.

#include "platform/ui/Form.h"

#include <string>

class TCustomPanel;

class TfrmMain : public TForm {
    QZ_DECLARE_CLASS(TfrmMain, TForm)

public:
    explicit TfrmMain(TComponent* owner) : TForm(owner) {}

    TCustomPanel* suiFrmMain = nullptr;

    // The file the analysis reads: set by the browse button, emptied by the clear button.
    std::string ChosenPath;
};

// The main window, once start-up made it.
extern TfrmMain* frmMain;
