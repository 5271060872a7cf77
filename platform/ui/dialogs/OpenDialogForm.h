#pragma once
// TOpenDialogForm: the file chooser TOpenDialog shows, a dialog built in
// code. From the top: the current folder in a read-only path field with an
// "up" button, the folder's subfolders (marked with a trailing '/') and the
// files matching the chosen filter, the file-name field with "打开", and the
// file-type filter with "取消"; a line for messages below.
//
// Choosing: a double click on a folder opens it, on a file confirms it;
// selecting a file puts its name in the file-name field, opening a folder
// empties it. Enter (the "打开"
// button) opens the folder selected in the focused list, or else takes the
// file-name field: a folder or a file, by name in the current folder or by
// full path; a folder opens, an existing file is confirmed, anything else
// is reported in the message line. Backspace in the list goes up a folder,
// Escape cancels. A folder that cannot be read is reported and the dialog
// stays where it was. The dialog never writes anything.

#include "platform/ui/forms/Form.h"
#include "platform/ui/dialogs/FileFilter.h"
#include "platform/ui/dialogs/FolderListing.h"

#include <string>
#include <vector>

class TButton;
class TComboBox;
class TCustomEdit;
class TLabel;
class TListBox;

// What the chooser starts with.
struct TOpenDialogSetup {
    std::string Title;
    std::string Filter;
    int FilterIndex = 1;      // from 1
    std::string StartFolder;  // tried first; then the current folder, then the root
    std::string FileName;     // shown in the file-name field
};

class TOpenDialogForm : public TForm {
    QZ_DECLARE_CLASS(TOpenDialogForm, TForm)

public:
    static constexpr int kClientWidth = 460;   // pixels
    static constexpr int kClientHeight = 326;  // pixels

    explicit TOpenDialogForm(TComponent* owner);

    void Setup(const TOpenDialogSetup& setup);

    // The folder shown, an absolute path.
    [[nodiscard]] const std::string& Folder() const { return m_folder; }
    // The confirmed file's full path (after ModalResult mrOk).
    [[nodiscard]] const std::string& ChosenFile() const { return m_chosen; }
    // The filter in use, from 1.
    [[nodiscard]] int FilterIndex() const;

    // Shows a folder; false, with the reason in the message line, when it cannot be read.
    bool OpenFolder(const std::string& path);
    // The user opens a folder: as OpenFolder, and the file-name field is emptied.
    void EnterFolder(const std::string& path);
    void GoUp();

private:
    void BuildControls();
    // Reads the current folder again (the filter changed).
    void Refill();
    void ShowListing(const TFolderListing& listing);
    void ShowMessage(const std::string& text);
    // The selected entry of the list, or nullptr.
    [[nodiscard]] const TFolderEntry* SelectedEntry() const;
    [[nodiscard]] std::string PathOf(const TFolderEntry& entry) const;
    // A name typed or chosen: a folder opens, a file is confirmed.
    void Choose(const std::string& path);

    void OpenClick(TObject* sender);
    void ListClick(TObject* sender);
    void ListDblClick(TObject* sender);
    void ListKeyDown(TObject* sender, WORD& key, TShiftState shift);

    // Owned by the form; the component names are in brackets.
    TCustomEdit* m_pathEdit = nullptr;   // edtPath
    TButton* m_upButton = nullptr;       // btnUp
    TListBox* m_fileList = nullptr;      // lstFiles
    TCustomEdit* m_nameEdit = nullptr;   // edtFileName
    TComboBox* m_filterBox = nullptr;    // cbFilter
    TButton* m_openButton = nullptr;     // btnOpen
    TButton* m_cancelButton = nullptr;   // btnCancel
    TLabel* m_messageLabel = nullptr;    // lblMessage

    std::vector<TFileFilter> m_filters;
    std::vector<TFolderEntry> m_entries;  // what the list shows, in its order
    std::string m_folder;
    std::string m_chosen;
};
