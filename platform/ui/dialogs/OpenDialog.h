#pragma once
// TOpenDialog: asks the user for a file to open. Execute shows the
// framework's own file chooser (TOpenDialogForm) modally and returns true
// when the user confirmed an existing file; FileName is then its full
// path, and FilterIndex the filter in use. A cancelled dialog changes
// nothing.
//
// Filter lists the file types: "Programs (*.EXE)|*.exe|All files|*.*"
// (FileFilter.h); FilterIndex counts from 1 (out of range: the first).
// The chooser starts in the folder of FileName when it names one that
// exists, else in InitialDir, else in the current folder. Title is the
// window's caption ("打开" when empty). OnShow fires once the chooser is
// on the screen (Handle is then its window), OnClose after it went.

#include "platform/ui/base/Component.h"
#include "platform/win/WinTypes.h"

#include <string>

class TOpenDialog : public TComponent {
    QZ_DECLARE_CLASS(TOpenDialog, TComponent)

public:
    explicit TOpenDialog(TComponent* owner);
    ~TOpenDialog() override;

    [[nodiscard]] const std::string& Filter() const { return m_filter; }
    void SetFilter(const std::string& filter) { m_filter = filter; }
    [[nodiscard]] int FilterIndex() const { return m_filterIndex; }
    void SetFilterIndex(int index) { m_filterIndex = index; }
    [[nodiscard]] const std::string& InitialDir() const { return m_initialDir; }
    void SetInitialDir(const std::string& dir) { m_initialDir = dir; }
    [[nodiscard]] const std::string& FileName() const { return m_fileName; }
    void SetFileName(const std::string& fileName) { m_fileName = fileName; }
    [[nodiscard]] const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    // Shows the chooser modally; true when the user confirmed a file.
    bool Execute();
    // The chooser's window while Execute runs, else nullptr.
    [[nodiscard]] HWND Handle() const { return m_handle; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    std::string m_filter;
    int m_filterIndex = 1;
    std::string m_initialDir;
    std::string m_fileName;
    std::string m_title;
    HWND m_handle = nullptr;
};
