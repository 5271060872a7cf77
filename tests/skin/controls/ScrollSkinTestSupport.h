#pragma once
// What the tests of the panels, scroll bars and edits share: the headless
// desktop of the framework tests with the program's own resources, a form
// to put controls on, and pixel probes in form coordinates.

#include "platform/core/Resources.h"
#include "platform/gfx/PixelBuffer.h"
#include "tests/support/BitmapPictures.h"
#include "tests/support/GoldenImage.h"
#include "tests/ui/UiTestFixture.h"

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace scrolltest {

using bitmaptest::BitmapOf;

class SkinControlTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        RegisterResources(AppResources());
        form = ShownForm({0, 0, 320, 240});
    }

    template <class T>
    T* Make(TRect bounds)
    {
        auto* control = new T(form);
        control->SetParent(form);
        control->SetBoundsRect(bounds);
        Pump();
        return control;
    }

    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    // The part of the form's picture a control covers.
    [[nodiscard]] PixelBuffer CaptureOf(const TControl* control)
    {
        const PixelBuffer whole = Capture();
        PixelBuffer part(control->Width(), control->Height());
        for (int y = 0; y < part.Height(); ++y)
            for (int x = 0; x < part.Width(); ++x) part.At(x, y) = whole.GetPixel(control->Left() + x, control->Top() + y);
        return part;
    }
    [[nodiscard]] TColor At(int x, int y) { return ColorFromPixel(Capture().GetPixel(x, y)); }

    TForm* form = nullptr;
};

}  // namespace scrolltest
