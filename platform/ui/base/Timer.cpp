#include "platform/ui/base/Timer.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/ControlHost.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TTimer);

void TTimer::Publish(TClassBuilder<TTimer>& c)
{
    c.Creatable<TComponent>();
    c.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    c.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(kDefaultInterval);
    c.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

namespace {

constexpr const char* kTimerWindowClass = "TPUtilWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer()
{
    StopTimer();
    ReleaseWindow();
}

void TTimer::SetEnabled(bool enabled)
{
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int interval)
{
    const unsigned ms = unsigned(std::max(interval, 0));
    if (m_interval == ms) return;
    m_interval = ms;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    m_onTimer = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    StopTimer();
    if (!m_enabled || m_interval == 0 || !m_onTimer || !WindowSystem::Exists()) return;
    if (!m_window || !IsWindow(m_window)) {
        ReleaseWindow();
        WNDCLASS wc;
        if (!GetClassInfo(kTimerWindowClass, wc)) {
            wc = WNDCLASS{};
            wc.lpszClassName = kTimerWindowClass;
            RegisterClass(wc);
        }
        m_window = CreateWindowEx(WS_EX_TOOLWINDOW, kTimerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  nullptr);
        if (!m_window) throw EOutOfResources("Not enough timers available");
        m_proc = MakeObjectInstance(
            [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return WndProc(hwnd, msg, wParam, lParam); });
        SetWindowLongPtr(m_window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_proc));
    }
    if (!SetTimer(m_window, kTimerId, m_interval, nullptr)) throw EOutOfResources("Not enough timers available");
    m_running = true;
}

void TTimer::StopTimer()
{
    if (m_running && WindowSystem::Exists() && IsWindow(m_window)) KillTimer(m_window, kTimerId);
    m_running = false;
}

void TTimer::ReleaseWindow()
{
    if (!WindowSystem::Exists()) return;
    if (m_window && IsWindow(m_window)) DestroyWindow(m_window);
    if (m_proc) FreeObjectInstance(m_proc);
    m_window = nullptr;
    m_proc = nullptr;
}

LRESULT TTimer::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_TIMER) return DefWindowProc(hwnd, msg, wParam, lParam);
    try {
        Timer();
    } catch (...) {
        TControlHost::Current().HandleException(this);
    }
    return 0;
}

void TTimer::Timer()
{
    if (!m_enabled || !m_onTimer) return;
    // The handler may replace itself: the call runs on a copy.
    const TNotifyEvent handler = m_onTimer;
    handler(this);
}
