#pragma once
// What the tool bar tests share: a shown form with a tool bar across its
// top, buttons added by name that record their clicks, and pixels of the
// bar read from the form's window.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"

#include <string>
#include <vector>

namespace uitest {

class ToolBarTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 400, 300});
        bar = new TToolBar(form);
        bar->SetName("bar");
        bar->SetParent(form);
        Pump();
    }

    TToolButton* Add(const char* name, TToolButtonStyle style = tbsButton, const char* caption = "")
    {
        auto* button = new TToolButton(form);
        button->SetName(name);
        button->SetStyle(style);
        button->SetCaption(caption);
        button->SetParent(bar);
        button->OnClick = [this, button](TObject*) { clicks.push_back(button->Name()); };
        return button;
    }
    void Press(const TControl* control, std::optional<TPoint> client = std::nullopt)
    {
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        Desktop().InjectMouseDown(ScreenPointOf(control, client));
        Pump();
    }
    void Release(const TControl* control, std::optional<TPoint> client = std::nullopt)
    {
        Desktop().InjectMouseUp(ScreenPointOf(control, client));
        Pump();
    }
    // A point of the form below the bar, where no button is.
    void MoveAway()
    {
        Desktop().InjectMouseMove(form->ClientToScreen({200, 200}));
        Pump();
    }

    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    // The colour of the bar's client point (x, y) in a capture.
    [[nodiscard]] TColor At(const PixelBuffer& pixels, int x, int y) const
    {
        return ColorFromPixel(pixels.GetPixel(bar->Left() + x, bar->Top() + y));
    }

    TForm* form = nullptr;
    TToolBar* bar = nullptr;
    std::vector<std::string> clicks;
};

using Clicks = std::vector<std::string>;

// Colours as they reach the screen.
inline TColor Sys(TColor color)
{
    return ColorToRGB(color);
}

}  // namespace uitest
