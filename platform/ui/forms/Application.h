#pragma once
// TApplication: the program's message loop, its main form and its
// exception display. The one instance is the global Application.
//
// HandleMessage takes one message and gives it to, in order: the OnMessage
// hook (one hook; the skinned form takes it when it is free), the key
// preprocessing (the focused control's CN_KEYDOWN, which offers Tab, Enter,
// Escape and arrows to the form as dialog keys), then TranslateMessage and
// DispatchMessage. With the queue empty it runs the idle step (OnIdle) and
// waits for the next message.
//
// Exceptions that escape a window procedure or an event end in
// HandleException, which shows them (ShowException) through the message box
// handler and lets the loop go on. The message box window is a form of its
// own that plugs itself in through SetMessageBoxHandler; until then the
// message goes to stderr.
//
// The application is the controls' host (TControlHost): it owns the
// framework's pointer state, and while it lives the controls' exceptions
// come to its HandleException.

#include "platform/ui/base/Component.h"
#include "platform/ui/base/ControlHost.h"
#include "platform/ui/dialogs/MessageBoxHook.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <memory>
#include <string>

class TClassInfo;
class TCustomForm;

using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
using TExceptionEvent = std::function<void(TObject* sender, const Exception& e)>;
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;

class TApplication : public TComponent, public TControlHost {
    QZ_DECLARE_CLASS(TApplication, TComponent)

public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize() {}
    [[nodiscard]] const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    // Makes a form owned by the application (reading its form description)
    // and stores it in reference; the first form made this way becomes the
    // main form. reference stays null when making it fails.
    template <class T>
    void CreateForm(T*& reference)
    {
        std::unique_ptr<T> form(new T(this));
        reference = form.get();
        try {
            AdoptForm(*form);
        } catch (...) {
            reference = nullptr;
            throw;
        }
        form.release();
    }
    // The same for a registered form class found by its class information.
    void CreateForm(const TClassInfo& formClass, TCustomForm*& reference);

    [[nodiscard]] TCustomForm* MainForm() const { return m_mainForm; }
    // Shows the main form and handles messages until the application ends.
    void Run();
    // Handles every message that is there, without waiting.
    void ProcessMessages();
    // Handles one message, or runs the idle step and waits for one. Raises
    // EInvalidOperation when nothing can ever come (a test desktop with no
    // input queued and no timer set). A loop that ends on a condition passes
    // it as done: desktop events handled while looking for a message (a
    // close request sent straight to a window) may have met it, and then
    // there is no waiting.
    void HandleMessage(const std::function<bool()>& done = {});
    // Takes one message if there is one; false when the queue was empty.
    bool ProcessMessage(MSG& msg);
    // Offers a key message to the control it is for as CN_KEYDOWN and the
    // like; true when the control took it.
    bool IsKeyMsg(const MSG& msg);

    // Ends the message loop: WM_QUIT is posted, and Terminated becomes
    // true once it comes through.
    void Terminate();
    [[nodiscard]] bool Terminated() const { return m_terminated; }

    // Call from inside a catch block: shows the exception being handled.
    void HandleException(TObject* sender) override;
    void ShowException(const Exception& e);
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // An empty handler brings the default (stderr) back.
    void SetMessageBoxHandler(TMessageBoxHandler handler) { m_messageBox = std::move(handler); }

    // One of the application's windows is active.
    [[nodiscard]] bool Active() const;
    void BringToFront();
    void Minimize();
    void Restore();

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TIdleEvent OnIdle;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Reads the form's description and fires OnCreate; the first form becomes the main form.
    void AdoptForm(TCustomForm& form);
    void Idle();

    std::string m_title;
    TCustomForm* m_mainForm = nullptr;
    bool m_terminated = false;
    TMessageBoxHandler m_messageBox;
};

// The program's application object; never null. Tests may point it at an
// instance of their own for a while.
extern TApplication* Application;
