#include "platform/ui/dialogs/OpenDialog.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/dialogs/OpenDialogForm.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

QZ_IMPLEMENT_CLASS(TOpenDialog);

void TOpenDialog::Publish(TClassBuilder<TOpenDialog>& c)
{
    c.Creatable<TComponent>();
    c.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    c.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    c.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    c.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    c.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
    c.Property("OnShow", &TOpenDialog::OnShow);
    c.Property("OnClose", &TOpenDialog::OnClose);
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute()
{
    const fs::path current(m_fileName);
    std::error_code error;
    const bool inFolder = current.has_parent_path() && fs::is_directory(current.parent_path(), error);
    TOpenDialogSetup setup;
    setup.Title = m_title;
    setup.Filter = m_filter;
    setup.FilterIndex = m_filterIndex;
    setup.StartFolder = inFolder ? current.parent_path().string() : m_initialDir;
    setup.FileName = current.filename().string();

    const std::unique_ptr<TOpenDialogForm> form(NewForm<TOpenDialogForm>(nullptr));
    form->Setup(setup);
    form->OnShow = [this, &form](TObject*) {
        m_handle = form->WindowHandle();
        if (OnShow) OnShow(this);
    };
    const TComponentWatch watch(this);
    const bool confirmed = form->ShowModal() == mrOk;
    if (!watch.Alive()) return false;
    m_handle = nullptr;
    if (confirmed) {
        m_fileName = form->ChosenFile();
        m_filterIndex = form->FilterIndex();
    }
    if (OnClose) OnClose(this);
    return confirmed;
}
