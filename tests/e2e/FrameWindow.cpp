// frame_window: one form taken over by a skinned form, for the end-to-end
// tests of the skinned frame (scripts/e2e/frame.sh). Its title bar has the
// control box, close, maximise and minimise buttons.
//
//   frame_window [STYLE [sizeable]]    STYLE: MacOS, WinXP, DeepBlue (default), Protein, BlueGlass

#include "platform/core/ResourceTable.h"
#include "platform/core/Resources.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/Form.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/WindowSystem.h"
#include "skin/frame/SUIForm.h"

#include <iostream>
#include <string>

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace {

constexpr TRect kFormBounds{200, 150, 480, 460};  // 280 x 310, as the main window

TsuiUIStyle StyleNamed(const std::string& name)
{
    const TEnumInfo& styles = EnumInfoOf(DeepBlue);
    for (int ordinal = 0; ordinal < kUIStyleCount; ++ordinal) {
        if (styles.NameOf(ordinal) == name) return TsuiUIStyle(ordinal);
    }
    return DeepBlue;
}

}  // namespace

int main(int argc, char** argv)
{
    const TsuiUIStyle style = StyleNamed(argc > 1 ? argv[1] : "DeepBlue");
    const bool sizeable = argc > 2 && std::string(argv[2]) == "sizeable";
    try {
        WindowSystem system(win::CreateBackend("sdl"));
        RegisterResources(AppResources());
        Application->SetTitle("frame_window");
        TForm* form = nullptr;
        Application->CreateForm(form);
        form->SetBorderStyle(sizeable ? bsSizeable : bsSingle);
        form->SetBoundsRect(kFormBounds);
        auto* skinned = new TsuiForm(form);
        skinned->SetParent(form);
        skinned->SetFormWidth(kFormBounds.Width() - 2);
        skinned->SetFormHeight(kFormBounds.Height() - 1);
        skinned->SetUIStyle(style);
        skinned->SetCaption("Skinned frame");
        Application->Run();
        Application->DestroyComponents();
    } catch (const Exception& e) {
        std::cerr << "frame_window: " << e.Message << '\n';
        return 1;
    }
    return 0;
}
