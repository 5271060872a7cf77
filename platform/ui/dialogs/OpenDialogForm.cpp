#include "platform/ui/dialogs/OpenDialogForm.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/core/UpdateGuard.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/lists/ListBox.h"
#include "platform/win/WinConst.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The grid the controls sit on, in pixels.
constexpr int kMargin = 8;
constexpr int kFieldLeft = 88;
constexpr int kFieldHeight = 21;
constexpr int kButtonLeft = 380;
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 23;
constexpr int kLabelDrop = 3;   // a label's text lines up with its field's
constexpr int kListTop = 38;
constexpr int kNameRow = 244;
constexpr int kFilterRow = 274;
constexpr int kMessageRow = 304;

// An absolute, normalised path without a trailing separator (the root keeps its own).
std::string NormalPath(const fs::path& path)
{
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) absolute = path;
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace

QZ_IMPLEMENT_CLASS(TOpenDialogForm);

void TOpenDialogForm::Publish(TClassBuilder<TOpenDialogForm>& /*c*/) {}

TOpenDialogForm::TOpenDialogForm(TComponent* owner) : TForm(owner)
{
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    SetCaption("打开");
    BuildControls();
}

void TOpenDialogForm::BuildControls()
{
    auto place = [this](auto* control, const char* name, int left, int top, int width, int height) {
        control->SetName(name);
        control->SetParent(this);
        control->SetBounds(left, top, width, height);
        return control;
    };
    const int fieldWidth = kButtonLeft - kMargin - kFieldLeft;
    const int fullWidth = kClientWidth - 2 * kMargin;
    const int listHeight = kNameRow - kMargin - kListTop;
    // Creation order is the tab order, and the order dialog keys are offered in.
    m_fileList = place(new TListBox(this), "lstFiles", kMargin, kListTop, fullWidth, listHeight);
    m_nameEdit = place(new TCustomEdit(this), "edtFileName", kFieldLeft, kNameRow, fieldWidth, kFieldHeight);
    m_openButton = place(new TButton(this), "btnOpen", kButtonLeft, kNameRow - 1, kButtonWidth, kButtonHeight);
    m_filterBox = place(new TComboBox(this), "cbFilter", kFieldLeft, kFilterRow, fieldWidth, kFieldHeight);
    m_cancelButton = place(new TButton(this), "btnCancel", kButtonLeft, kFilterRow - 1, kButtonWidth, kButtonHeight);
    m_upButton = place(new TButton(this), "btnUp", kButtonLeft, kMargin - 1, kButtonWidth, kButtonHeight);
    m_pathEdit = place(new TCustomEdit(this), "edtPath", kFieldLeft, kMargin, fieldWidth, kFieldHeight);
    m_messageLabel = place(new TLabel(this), "lblMessage", kMargin, kMessageRow, fullWidth, kFieldHeight);

    auto label = [&](const char* name, const char* caption, int top, TWinControl* focus) {
        TLabel* l = place(new TLabel(this), name, kMargin, top + kLabelDrop, kFieldLeft - kMargin, kFieldHeight);
        l->SetCaption(caption);
        l->SetFocusControl(focus);
    };
    label("lblFolder", "查找范围(&I)：", kMargin, m_fileList);
    label("lblFileName", "文件名(&N)：", kNameRow, m_nameEdit);
    label("lblFilter", "文件类型(&T)：", kFilterRow, m_filterBox);

    m_pathEdit->SetReadOnly(true);
    m_pathEdit->SetTabStop(false);
    m_upButton->SetCaption("上一级");
    m_upButton->OnClick = [this](TObject*) { GoUp(); };
    m_openButton->SetCaption("打开");
    m_openButton->SetDefault(true);
    m_openButton->OnClick = [this](TObject* sender) { OpenClick(sender); };
    m_cancelButton->SetCaption("取消");
    m_cancelButton->SetCancel(true);
    m_cancelButton->SetModalResult(mrCancel);
    m_filterBox->SetStyle(csDropDownList);
    m_filterBox->OnChange = [this](TObject*) { Refill(); };
    m_fileList->OnClick = [this](TObject* sender) { ListClick(sender); };
    m_fileList->OnDblClick = [this](TObject* sender) { ListDblClick(sender); };
    m_fileList->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { ListKeyDown(sender, key, shift); };
    m_messageLabel->Font()->SetColor(clMaroon);
    SetActiveControl(m_nameEdit);
}

void TOpenDialogForm::Setup(const TOpenDialogSetup& setup)
{
    SetCaption(setup.Title.empty() ? "打开" : setup.Title);
    m_filters = ParseFileFilter(setup.Filter);
    {
        UpdateGuard<TStrings> update(*m_filterBox->Items());
        m_filterBox->Items()->Clear();
        for (const TFileFilter& filter : m_filters) m_filterBox->Items()->Add(filter.Name);
    }
    const int index = setup.FilterIndex - 1;
    m_filterBox->SetItemIndex(index >= 0 && index < int(m_filters.size()) ? index : 0);
    m_nameEdit->SetText(setup.FileName);
    std::error_code error;
    const fs::path current = fs::current_path(error);
    for (const fs::path& candidate : {fs::path(setup.StartFolder), current, fs::path("/")}) {
        if (!candidate.empty() && OpenFolder(candidate.string())) return;
    }
}

int TOpenDialogForm::FilterIndex() const
{
    return std::max(m_filterBox->ItemIndex(), 0) + 1;
}

// --- folders ---------------------------------------------------------------------------

bool TOpenDialogForm::OpenFolder(const std::string& path)
{
    const std::string folder = NormalPath(path);
    const std::vector<std::string> all{"*"};
    const std::size_t filter = std::size_t(FilterIndex() - 1);
    const std::vector<std::string>& masks = filter < m_filters.size() ? m_filters[filter].Masks : all;
    TFolderListing listing;
    try {
        listing = ReadFolder(folder, masks);
    } catch (const EFOpenError& e) {
        ShowMessage(e.Message);
        return false;
    }
    m_folder = folder;
    m_pathEdit->SetText(folder);
    ShowListing(listing);
    ShowMessage(listing.Truncated ? "文件夹中的项目太多，只列出了一部分。" : "");
    return true;
}

void TOpenDialogForm::EnterFolder(const std::string& path)
{
    // A name typed or picked in the folder left behind means nothing in the new one.
    if (OpenFolder(path)) m_nameEdit->SetText("");
}

void TOpenDialogForm::GoUp()
{
    const fs::path parent = fs::path(m_folder).parent_path();
    if (parent.empty() || parent.string() == m_folder) return;
    EnterFolder(parent.string());
}

void TOpenDialogForm::Refill()
{
    if (!m_folder.empty()) OpenFolder(m_folder);
}

void TOpenDialogForm::ShowListing(const TFolderListing& listing)
{
    m_entries = listing.Entries;
    TStrings& items = *m_fileList->Items();
    {
        UpdateGuard<TStrings> update(items);
        items.Clear();
        for (const TFolderEntry& entry : m_entries) items.Add(entry.IsFolder ? entry.Name + "/" : entry.Name);
    }
    m_fileList->SetTopIndex(0);
}

void TOpenDialogForm::ShowMessage(const std::string& text)
{
    m_messageLabel->SetCaption(text);
}

const TFolderEntry* TOpenDialogForm::SelectedEntry() const
{
    const int index = m_fileList->ItemIndex();
    return index >= 0 && index < int(m_entries.size()) ? &m_entries[std::size_t(index)] : nullptr;
}

std::string TOpenDialogForm::PathOf(const TFolderEntry& entry) const
{
    return (fs::path(m_folder) / entry.Name).string();
}

void TOpenDialogForm::Choose(const std::string& path)
{
    std::error_code error;
    if (fs::is_directory(path, error)) {
        EnterFolder(path);
        return;
    }
    if (fs::is_regular_file(path, error)) {
        m_chosen = NormalPath(path);
        SetModalResult(mrOk);
        return;
    }
    ShowMessage("找不到文件：" + path);
}

// --- events ----------------------------------------------------------------------------

void TOpenDialogForm::OpenClick(TObject* /*sender*/)
{
    const TFolderEntry* entry = SelectedEntry();
    if (ActiveControl() == m_fileList && entry && entry->IsFolder) {
        EnterFolder(PathOf(*entry));
        return;
    }
    const std::string typed = Trim(m_nameEdit->Text());
    if (typed.empty()) {
        if (entry) Choose(PathOf(*entry));
        return;
    }
    const fs::path path(typed);
    Choose(path.is_absolute() ? typed : (fs::path(m_folder) / path).string());
}

void TOpenDialogForm::ListClick(TObject* /*sender*/)
{
    const TFolderEntry* entry = SelectedEntry();
    if (entry && !entry->IsFolder) m_nameEdit->SetText(entry->Name);
}

void TOpenDialogForm::ListDblClick(TObject* /*sender*/)
{
    const TFolderEntry* entry = SelectedEntry();
    if (!entry) return;
    if (entry->IsFolder) {
        EnterFolder(PathOf(*entry));
    } else {
        Choose(PathOf(*entry));
    }
}

void TOpenDialogForm::ListKeyDown(TObject* /*sender*/, WORD& key, TShiftState /*shift*/)
{
    if (key != VK_BACK) return;
    GoUp();
    key = 0;
}
