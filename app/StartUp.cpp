#include "app/StartUp.h"

#include "app/MainForm.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/ResourceTable.h"
#include "platform/core/Resources.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/Application.h"
#include "platform/ui/FormReader.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace {

constexpr const char* kApplicationTitle = "QZ VIEWER";

// Steps 1 to 3 of start-up: the application and its main window.
void CreateMainWindow()
{
    Application->Initialize();
    Application->SetTitle(kApplicationTitle);
    Application->CreateForm(frmMain);
}

// Frees the forms while the window system that holds their windows still lives.
void CloseApplication()
{
    Application->DestroyComponents();
    frmMain = nullptr;
}

}  // namespace

void PrepareApplication()
{
    RegisterResources(AppResources());
    RegisterStandardClasses();
    RegisterClass(TfrmMain::StaticClassInfo());
}

int RunMainWindow(std::unique_ptr<win::Backend> backend)
{
    WindowSystem system(std::move(backend));
    try {
        PrepareApplication();
        CreateMainWindow();
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    CloseApplication();
    return 0;
}

void SaveMainWindowScreenshot(const std::string& path)
{
    auto* backend = new win::HeadlessBackend();
    WindowSystem system{std::unique_ptr<win::Backend>(backend)};
    try {
        PrepareApplication();
        CreateMainWindow();
        frmMain->Show();
        Application->ProcessMessages();
        SavePngFile(backend->CaptureWindow(frmMain->Handle()), path);
    } catch (...) {
        CloseApplication();
        throw;
    }
    CloseApplication();
}
