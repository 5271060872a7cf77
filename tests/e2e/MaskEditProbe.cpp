// maskedit_probe: one window with a telephone-number mask edit and a plain
// edit after it, for scripts/e2e/maskedit.sh. Every change of the masked
// edit prints "edit=<EditText> text=<Text>" on standard output, so that the
// script sees what typing did; leaving it prints "left".

#include "platform/ui/edit/Edit.h"
#include "platform/ui/edit/MaskEdit.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/Form.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/WindowSystem.h"

#include <cstdlib>
#include <iostream>

int main()
{
    const char* backend = std::getenv("QZ_BACKEND");
    WindowSystem system(win::CreateBackend(backend && *backend ? backend : "auto"));
    Application->Initialize();
    Application->SetTitle("掩码编辑");
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("掩码编辑");
    form->SetBounds(0, 0, 240, 90);

    auto* phone = new TMaskEdit(form);
    phone->SetName("mePhone");
    phone->SetParent(form);
    phone->SetBounds(10, 10, 200, 24);
    phone->SetEditMask("(999) 000-0000;1;_");
    phone->OnChange = [phone](TObject*) {
        std::cout << "edit=" << phone->EditText() << " text=" << phone->Text() << std::endl;
    };
    phone->OnExit = [](TObject*) { std::cout << "left" << std::endl; };

    auto* next = new TEdit(form);
    next->SetName("edNext");
    next->SetParent(form);
    next->SetBounds(10, 44, 200, 24);

    form->Show();
    Application->Run();
    Application->DestroyComponents();
    return 0;
}
