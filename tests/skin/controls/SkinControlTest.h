#pragma once
// What the skinned-control tests share: a shown form on the headless
// desktop with the program's skin bitmaps, controls made on it by name,
// scripted input by component name (press, hold, release, keys), and the
// pixels a control shows on the screen.

#include "platform/core/Resources.h"
#include "platform/gfx/PixelBuffer.h"
#include "tests/ui/UiTestFixture.h"

#include <string>

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace skintest {

class SkinControlTest : public uitest::UiTest {
protected:
    SkinControlTest() { RegisterResources(AppResources()); }

    // A control of class T named name on the test form at bounds.
    template <class T>
    T* Make(const std::string& name, TRect bounds, TWinControl* parent = nullptr)
    {
        T* control = new T(Form());
        control->SetName(name);
        control->SetParent(parent ? parent : Form());
        control->SetBoundsRect(bounds);
        Pump();
        return control;
    }

    // The form every control goes on, shown at (100, 100), 400 x 300.
    TForm* Form()
    {
        if (!m_form) m_form = ShownForm();
        return m_form;
    }

    // The component named name on the form; fails the test when missing.
    template <class T>
    T* Find(const std::string& name)
    {
        T* found = dynamic_cast<T*>(Form()->FindComponent(name));
        EXPECT_NE(found, nullptr) << "no " << name;
        return found;
    }

    // Scripted input by component name.
    void Press(const std::string& name)
    {
        Desktop().InjectMouseMove(ScreenPointOf(Find<TControl>(name)));
        Desktop().InjectMouseDown(ScreenPointOf(Find<TControl>(name)));
        Pump();
    }
    void Release(const std::string& name)
    {
        Desktop().InjectMouseUp(ScreenPointOf(Find<TControl>(name)));
        Pump();
    }
    void Hover(const std::string& name) { MoveTo(Find<TControl>(name)); }
    void ClickOn(const std::string& name) { Click(Form(), name); }
    void Focus(const std::string& name)
    {
        Find<TWinControl>(name)->SetFocus();
        Pump();
    }
    void Wait(std::uint32_t ms)
    {
        Desktop().AdvanceClock(ms);
        Pump();
    }

    // What the control shows on the screen now.
    [[nodiscard]] PixelBuffer Shot(const TControl* control)
    {
        Pump();
        const PixelBuffer screen = Desktop().CaptureScreen();
        const TPoint origin = control->ClientToScreen({0, 0});
        PixelBuffer out(control->Width(), control->Height());
        for (int y = 0; y < out.Height(); ++y) {
            for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, screen.GetPixel(origin.X + x, origin.Y + y));
        }
        return out;
    }
    [[nodiscard]] TColor ShownColor(const TControl* control, int x, int y)
    {
        return ColorFromPixel(Shot(control).At(x, y));
    }

private:
    TForm* m_form = nullptr;
};

}  // namespace skintest
