#pragma once
// What the skinned-frame tests share: a headless desktop with the
// program's resources, and forms taken over by a skinned form the way the
// main window is (client area 280 x 310, the skinned form 278 x 309 at
// (1, 0), buttons control box, close, minimise).

#include "platform/ui/menus/MainMenu.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/base/SizeConstraints.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Picture.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SUIThemes.h"
#include "skin/core/ThemeElements.h"
#include "skin/frame/SUIForm.h"
#include "skin/frame/SUITitleBar.h"
#include "skin/frame/SUITitleBarButtons.h"
#include "skin/frame/SUITitleBarSections.h"
#include "tests/skin/core/SkinCoreTestSupport.h"
#include "tests/ui/UiTestFixture.h"

#include <filesystem>
#include <string>

namespace frametest {

inline constexpr int kFormWidth = 280;   // px, the main window's
inline constexpr int kFormHeight = 310;  // px
inline constexpr TPoint kFormAt{100, 100};

struct FormSetup {
    TsuiUIStyle Style = DeepBlue;
    TFormBorderStyle Border = bsSingle;
    bool MaxButton = false;  // the main window has none
    std::string Caption = "QZ Trellin [Vostra专版]";
};

class FrameTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        skintest::UseAppResources();
        // A golden that does not match is saved under its own relative name.
        std::filesystem::create_directories(std::filesystem::temp_directory_path() / "frame");
    }

    // A shown form taken over by a skinned form, as the main window's description builds it.
    TsuiForm* SkinnedForm(const FormSetup& setup = {})
    {
        form = NewForm<TForm>(&App());
        form->SetBorderStyle(setup.Border);
        form->SetCaption(setup.Caption);
        form->SetBounds(kFormAt.X, kFormAt.Y, kFormWidth, kFormHeight);
        skinned = new TsuiForm(form);
        skinned->SetParent(form);
        skinned->SetFormWidth(kFormWidth - 2);
        skinned->SetFormHeight(kFormHeight - 1);
        if (!setup.MaxButton) Buttons()->Delete(MaxButtonIndex());
        skinned->SetUIStyle(setup.Style);
        form->Show();
        Pump();
        return skinned;
    }

    [[nodiscard]] TsuiTitleBar* Bar() const { return skinned->TitleBar(); }
    [[nodiscard]] TsuiTitleBarButtons* Buttons() const { return Bar()->Buttons(); }
    [[nodiscard]] int MaxButtonIndex() const
    {
        for (int i = 0; i < Buttons()->Count(); ++i) {
            if (Buttons()->Items(i)->ButtonType() == suiMax) return i;
        }
        return -1;
    }
    // The middle of a title-bar button, in bar coordinates.
    [[nodiscard]] TPoint ButtonPoint(int index) const
    {
        const TRect box = Bar()->Layout().Buttons[std::size_t(index)];
        return {box.Left + box.Width() / 2, box.Top + box.Height() / 2};
    }
    // An empty place on the bar.
    [[nodiscard]] static TPoint EmptyBarPoint() { return {120, 16}; }
    [[nodiscard]] TRect FormWindowRect() const
    {
        RECT rect;
        GetWindowRect(form->WindowHandle(), rect);
        return rect;
    }
    [[nodiscard]] PixelBuffer Capture() { return Desktop().CaptureWindow(form->WindowHandle()); }

    TForm* form = nullptr;
    TsuiForm* skinned = nullptr;
};

}  // namespace frametest
