#include "app/StartUp.h"

#include "app/MainForm.h"
#include "app/MessageBoxComponent.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/ResourceTable.h"
#include "platform/core/Resources.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"
#include "skin/core/ThemeManager.h"

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace {

constexpr const char* kApplicationTitle = "QZ VIEWER";

// Frees the forms while the window system that holds their windows still lives.
void CloseApplication()
{
    Application->DestroyComponents();
    frmMain = nullptr;
}

}  // namespace

void CreateMainWindow()
{
    Application->Initialize();
    Application->SetTitle(kApplicationTitle);
    Application->CreateForm(frmMain);
}

void PrepareApplication()
{
    RegisterResources(AppResources());
    RegisterStandardClasses();
    RegisterClass(TfrmMain::StaticClassInfo());
    RegisterClass(TMessageBoxComponent::StaticClassInfo());
    RegisterClass(TsuiThemeManager::StaticClassInfo());
}

int RunGuarded(const std::function<void()>& startUp)
{
    try {
        startUp();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    return 0;
}

int RunMainWindow(std::unique_ptr<win::Backend> backend)
{
    WindowSystem system(std::move(backend));
    const int result = RunGuarded([] {
        PrepareApplication();
        CreateMainWindow();
        Application->Run();
    });
    CloseApplication();
    return result;
}

void SaveMainWindowScreenshot(const std::string& path, const std::string& analyse)
{
    auto* backend = new win::HeadlessBackend();
    WindowSystem system{std::unique_ptr<win::Backend>(backend)};
    try {
        PrepareApplication();
        CreateMainWindow();
        frmMain->Show();
        Application->ProcessMessages();
        if (!analyse.empty()) {
            frmMain->ChooseFile(analyse);
            frmMain->sbtnCkClick(frmMain);
            Application->ProcessMessages();
        }
        SavePngFile(backend->CaptureWindow(frmMain->Handle()), path);
    } catch (...) {
        CloseApplication();
        throw;
    }
    CloseApplication();
}
