// gallery: every skinned component on one page, in a look chosen at run
// time; or, off screen, a screenshot of it or a contact sheet of all looks.

#include "platform/core/Exception.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/forms/Application.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/WindowSystem.h"
#include "tools/gallery/GalleryCommandLine.h"
#include "tools/gallery/GalleryEventLog.h"
#include "tools/gallery/GalleryForm.h"
#include "tools/gallery/GalleryRender.h"

#include <cstdlib>
#include <iostream>

namespace {

constexpr int kUsageError = 3;
constexpr int kFailed = 2;

// QZ_BACKEND picks the display backend ("sdl", "headless"); "auto" by default.
const char* BackendName()
{
    const char* name = std::getenv("QZ_BACKEND");
    return name && *name ? name : "auto";
}

std::vector<TGalleryStyle> OfferedStyles(const GalleryCommand& command)
{
    std::vector<TGalleryStyle> styles = BuiltInGalleryStyles();
    for (const TGalleryStyle& theme : ThemeFilesIn(SampleThemeFolder())) styles.push_back(theme);
    for (const TGalleryStyle& theme : command.Themes) styles.push_back(theme);
    return styles;
}

TGalleryStyle InitialStyle(const GalleryCommand& command)
{
    if (command.Style) return *command.Style;
    if (!command.Themes.empty()) return command.Themes.front();
    return *ParseGalleryStyle("DeepBlue");
}

int OpenWindow(const GalleryCommand& command)
{
    WindowSystem system(win::CreateBackend(BackendName()));
    PrepareGallery();
    Application->Initialize();
    Application->SetTitle("皮肤组件样例");
    TGalleryForm* form = nullptr;
    Application->CreateForm(form);
    form->Build({OfferedStyles(command), InitialStyle(command), command.Page});
    if (command.Log) LogGalleryEvents(form, [](const std::string& line) { std::cout << line << std::endl; });
    Application->Run();
    Application->DestroyComponents();
    return 0;
}

int PrintLayout(const GalleryCommand& command)
{
    for (const TGalleryPlace& place : GalleryLayout(InitialStyle(command), command.Page)) {
        const TRect& r = place.Bounds;
        std::cout << place.Name << ' ' << r.Left << ' ' << r.Top << ' ' << r.Width() << ' ' << r.Height() << '\n';
    }
    return 0;
}

int Run(const GalleryCommand& command)
{
    switch (command.Mode) {
    case GalleryMode::Help: std::cout << GalleryUsage(); return 0;
    case GalleryMode::Refused: std::cerr << "gallery: " << command.Error << '\n' << GalleryUsage(); return kUsageError;
    case GalleryMode::Screenshot: SavePngFile(RenderGalleryWindow(InitialStyle(command), command.Page), command.Output); return 0;
    case GalleryMode::Contact: SavePngFile(RenderContactSheet(OfferedStyles(command)), command.Output); return 0;
    case GalleryMode::Layout: return PrintLayout(command);
    case GalleryMode::Window: return OpenWindow(command);
    }
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(ParseGalleryCommand({argv + 1, argv + argc}));
    } catch (const Exception& e) {
        std::cerr << "gallery: " << e.Message << '\n';
        return kFailed;
    }
}
