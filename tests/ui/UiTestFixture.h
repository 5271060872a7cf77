#pragma once
// What the component-framework tests share: a fresh window system on a
// headless desktop, an application and a screen of their own (the globals
// point at them while a test runs), scripted input by control, message
// recording through WindowProc, and a small button that takes dialog keys.

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/base/CustomControl.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/base/GraphicControl.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace uitest {

// One message a control's WindowProc saw.
struct Seen {
    const TControl* control = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The recorded messages whose numbers are in `watched`, as "name:number" rows.
inline std::vector<std::pair<std::string, UINT>> Sequence(const std::vector<Seen>& log,
                                                          std::initializer_list<UINT> watched)
{
    std::vector<std::pair<std::string, UINT>> out;
    for (const Seen& s : log) {
        if (std::find(watched.begin(), watched.end(), s.message) != watched.end()) {
            out.emplace_back(s.control->Name(), s.message);
        }
    }
    return out;
}

class UiTest : public ::testing::Test {
protected:
    UiTest()
        : m_backend(new win::HeadlessBackend()),
          m_system(std::unique_ptr<win::Backend>(m_backend)),
          m_savedScreen(std::exchange(Screen, &m_screen)),
          m_savedApplication(std::exchange(Application, &m_application))
    {
        m_application.SetMessageBoxHandler([this](const std::string& text, const std::string& caption, UINT) {
            messageBoxes.push_back(caption + ": " + text);
            return 1;
        });
    }
    ~UiTest() override
    {
        m_application.DestroyComponents();
        Application = m_savedApplication;
        Screen = m_savedScreen;
    }

    [[nodiscard]] win::HeadlessBackend& Desktop() { return *m_backend; }
    [[nodiscard]] TApplication& App() { return m_application; }

    // A shown form owned by the application, client area at a known place.
    template <class T = TForm>
    T* ShownForm(TRect bounds = {100, 100, 500, 400}, TFormBorderStyle border = bsNone)
    {
        return Shown(NewForm<T>(&m_application), bounds, border);
    }
    // The same made through Application->CreateForm: the first becomes the main form.
    TForm* ShownMainForm(TRect bounds = {100, 100, 500, 400}, TFormBorderStyle border = bsNone)
    {
        TForm* form = nullptr;
        m_application.CreateForm(form);
        return Shown(form, bounds, border);
    }
    template <class T>
    T* Shown(T* form, TRect bounds, TFormBorderStyle border)
    {
        form->SetBorderStyle(border);
        form->SetBoundsRect(bounds);
        form->Show();
        Pump();
        return form;
    }

    // Records what reaches control's WindowProc in `log`, then passes it on.
    void Record(TControl* control)
    {
        TWndMethod next = control->WindowProc;
        control->WindowProc = [this, control, next](TMessage& m) {
            log.push_back({control, m.Msg, m.WParam, m.LParam});
            next(m);
        };
    }

    // Handles everything due, as the message loop would.
    void Pump() { m_application.ProcessMessages(); }

    // Scripted input at a control's client point (default: its centre).
    [[nodiscard]] static TPoint ScreenPointOf(const TControl* control, std::optional<TPoint> client = std::nullopt)
    {
        const TPoint p = client ? *client : TPoint{control->Width() / 2, control->Height() / 2};
        return control->ClientToScreen(p);
    }
    // A click long after the last one, so that it never makes a double click.
    void Click(const TControl* control, std::optional<TPoint> client = std::nullopt)
    {
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        Desktop().InjectClick(ScreenPointOf(control, client));
        Pump();
    }
    // A click on the control named name among root's components.
    void Click(const TComponent* root, const std::string& name)
    {
        const auto* control = dynamic_cast<const TControl*>(root->FindComponent(name));
        ASSERT_NE(control, nullptr) << "no control named " << name;
        Click(control);
    }
    void DoubleClick(const TControl* control, std::optional<TPoint> client = std::nullopt)
    {
        Click(control, client);
        Desktop().InjectClick(ScreenPointOf(control, client));
        Pump();
    }
    void MoveTo(const TControl* control, std::optional<TPoint> client = std::nullopt)
    {
        Desktop().InjectMouseMove(ScreenPointOf(control, client));
        Pump();
    }
    void PressKey(WORD key, win::KeyModifiers modifiers = {})
    {
        Desktop().InjectKeyDown(key, modifiers);
        Desktop().InjectKeyUp(key, modifiers);
        Pump();
    }

    std::vector<std::string> messageBoxes;
    std::vector<Seen> log;  // outlives the controls: they are freed first

private:
    win::HeadlessBackend* m_backend;
    WindowSystem m_system;
    TScreen m_screen{nullptr};
    TApplication m_application{nullptr};
    TScreen* m_savedScreen;
    TApplication* m_savedApplication;
};

// A push button for dialog-key tests: Default takes Enter, Cancel Escape;
// a click sets the form's ModalResult when it has one.
class TTestButton : public TCustomControl {
    QZ_DECLARE_CLASS(TTestButton, TCustomControl)

public:
    explicit TTestButton(TComponent* owner) : TCustomControl(owner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
    }

    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;
    int Clicks = 0;

    void Click() override
    {
        ++Clicks;
        if (ModalResult != mrNone) {
            if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
        }
        TCustomControl::Click();
    }

    void Dispatch(TMessage& message) override
    {
        switch (message.Msg) {
        case CM_DIALOGKEY: CMDialogKey(message); break;
        default: TCustomControl::Dispatch(message); break;
        }
    }

private:
    void CMDialogKey(TMessage& message)
    {
        const bool mine = (message.WParam == VK_RETURN && Default) || (message.WParam == VK_ESCAPE && Cancel);
        if (mine && CanFocus()) {
            Click();
            message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(message);
    }
};

// A graphic control that counts what it hears.
class TTestGraphic : public TGraphicControl {
    QZ_DECLARE_CLASS(TTestGraphic, TGraphicControl)

public:
    explicit TTestGraphic(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 40, 20); }

    TColor PaintColor = clRed;
    int Paints = 0;

protected:
    void Paint() override;
};

}  // namespace uitest
