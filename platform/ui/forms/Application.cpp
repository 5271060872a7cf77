#include "platform/ui/forms/Application.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

#include <exception>

QZ_IMPLEMENT_CLASS(TApplication);

void TApplication::Publish(TClassBuilder<TApplication>& c)
{
    c.Property("Title", &TApplication::Title, &TApplication::SetTitle);
}

namespace {

// The screen is made first and goes last: forms leave it as they are freed.
std::unique_ptr<TScreen> g_screen = std::make_unique<TScreen>(nullptr);
std::unique_ptr<TApplication> g_application = std::make_unique<TApplication>(nullptr);

bool IsKeyMessage(UINT msg)
{
    return msg >= WM_KEYDOWN && msg <= WM_SYSCHAR;
}

}  // namespace

TScreen* Screen = g_screen.get();
TApplication* Application = g_application.get();

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication()
{
    // The forms go while the application is whole: they tell it as they leave.
    DestroyComponents();
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_mainForm) m_mainForm = nullptr;
}

// --- forms ----------------------------------------------------------------------------

void TApplication::AdoptForm(TCustomForm& form)
{
    form.AfterConstruction();
    if (!m_mainForm) {
        form.HandleNeeded();
        m_mainForm = &form;
    }
}

void TApplication::CreateForm(const TClassInfo& formClass, TCustomForm*& reference)
{
    reference = nullptr;
    std::unique_ptr<TObject> made(formClass.Create(this));
    auto* form = dynamic_cast<TCustomForm*>(made.get());
    if (!form) throw EInvalidOperation(std::string(formClass.Name()) + " is not a form class");
    made.release();
    std::unique_ptr<TCustomForm> owned(form);
    AdoptForm(*form);
    reference = owned.release();
}

// --- the message loop ---------------------------------------------------------------------

void TApplication::Run()
{
    if (!m_mainForm) return;
    if (m_mainForm->WindowState() == wsMinimized)
        Minimize();
    else
        m_mainForm->SetVisible(true);
    while (!m_terminated) {
        MSG msg;
        bool handled = false;
        try {
            handled = ProcessMessage(msg);
        } catch (...) {
            HandleException(this);
            continue;
        }
        // Waiting is outside the guard: a loop that can never get a message ends here.
        if (!handled) Idle();
    }
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage(const std::function<bool()>& done)
{
    MSG msg;
    if (ProcessMessage(msg) || (done && done())) return;
    Idle();
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    if (handled || IsKeyMsg(msg)) return true;
    TranslateMessage(msg);
    DispatchMessage(msg);
    return true;
}

void TApplication::Idle()
{
    bool done = true;
    if (OnIdle) OnIdle(this, done);
    if (!done) return;
    if (!WaitMessage()) {
        throw EInvalidOperation("The message loop would wait for ever: nothing can arrive and no timer is set");
    }
}

// The nearest window of ours at or above the key's window hears the key
// first as CN_KEYDOWN (CN_CHAR ...); a non-zero answer swallows it.
bool TApplication::IsKeyMsg(const MSG& msg)
{
    if (!IsKeyMessage(msg.message)) return false;
    HWND target = GetCapture();
    if (!target) {
        target = msg.hwnd;
        while (target && !FindControl(target)) target = GetParent(target);
    }
    if (!target || !FindControl(target)) return false;
    return SendMessage(target, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

// --- exceptions and message boxes -----------------------------------------------------------

void TApplication::HandleException(TObject* sender)
{
    try {
        throw;
    } catch (const Exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (const std::exception& e) {
        const Exception wrapped(e.what());
        if (OnException)
            OnException(sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& e)
{
    std::string text = e.Message;
    if (!text.empty() && text.back() != '.') text += '.';
    MessageBox(text, m_title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    if (m_messageBox) return m_messageBox(text, caption, flags);
    return DefaultMessageBox(text, caption, flags);
}

// --- the application's windows ------------------------------------------------------------

bool TApplication::Active() const
{
    return WindowSystem::Exists() && GetActiveWindow() != nullptr;
}

void TApplication::BringToFront()
{
    TCustomForm* form = Screen->ActiveForm() ? Screen->ActiveForm() : m_mainForm;
    if (form && form->WindowHandle()) SetForegroundWindow(form->WindowHandle());
}

void TApplication::Minimize()
{
    if (m_mainForm) m_mainForm->SetWindowState(wsMinimized);
    if (m_mainForm && !m_mainForm->Visible()) m_mainForm->SetVisible(true);
}

void TApplication::Restore()
{
    if (m_mainForm && m_mainForm->WindowState() == wsMinimized) m_mainForm->SetWindowState(wsNormal);
}
