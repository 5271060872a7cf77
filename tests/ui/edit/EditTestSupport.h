#pragma once
// What the edit and memo tests share: a shown form, typing through the
// desktop (keys and input-method text), measuring text in a control's font,
// and reading a control's pixels from its form's capture.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"

#include <string_view>

namespace uitest {

class EditTestBase : public UiTest {
protected:
    void SetUp() override { form = ShownForm({0, 0, 400, 300}); }

    template <class T>
    T* Add(TRect bounds)
    {
        auto* control = new T(form);
        control->SetParent(form);
        control->SetBoundsRect(bounds);
        Pump();
        return control;
    }
    void Focus(TWinControl* control)
    {
        control->SetFocus();
        Pump();
    }
    // Text as an input method or the keyboard delivers it: WM_CHAR per code point.
    void Type(const std::string& text)
    {
        Desktop().InjectText(text);
        Pump();
    }
    void Ctrl(WORD key) { PressKey(key, {.control = true}); }
    void Shift(WORD key) { PressKey(key, {.shift = true}); }

    // Pixels of text in control's font; the font's cell height.
    [[nodiscard]] static int TextWidth(const TControl* control, std::string_view text)
    {
        SIZE size;
        GetTextExtentPoint32(MeasuringDC(control), text, size);
        return size.cx;
    }
    [[nodiscard]] static int LineHeight(const TControl* control)
    {
        TEXTMETRIC metrics;
        GetTextMetrics(MeasuringDC(control), metrics);
        return int(metrics.tmHeight);
    }

    // The form's pixels as presented.
    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    // A pixel of control's window (non-client area included) in a capture of the form.
    [[nodiscard]] static TColor PixelOf(const PixelBuffer& pixels, const TControl* control, int x, int y)
    {
        return ColorFromPixel(pixels.GetPixel(control->Left() + x, control->Top() + y));
    }
    [[nodiscard]] TColor WindowPixel(const TControl* control, int x, int y)
    {
        return PixelOf(Capture(), control, x, y);
    }
    // A client point of a windowed control, in its window's coordinates.
    [[nodiscard]] static TPoint ClientInWindow(TWinControl* control, TPoint client)
    {
        RECT window;
        GetWindowRect(control->Handle(), window);
        return control->ClientToScreen(client) - window.TopLeft();
    }

    TForm* form = nullptr;

private:
    // One memory context per test program, with the control's current font.
    static HDC MeasuringDC(const TControl* control)
    {
        static const HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, control->Font()->Handle());
        return dc;
    }
};

}  // namespace uitest
