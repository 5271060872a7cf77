#pragma once
// TTimer: fires OnTimer every Interval milliseconds while Enabled. It keeps
// a hidden window of its own for WM_TIMER. Changing Interval, Enabled or
// OnTimer starts the count again; with OnTimer unset or Interval 0 no timer
// runs at all.

#include "platform/ui/base/Component.h"
#include "platform/win/WinTypes.h"

class TTimer : public TComponent {
    QZ_DECLARE_CLASS(TTimer, TComponent)

public:
    static constexpr unsigned kDefaultInterval = 1000;  // ms

    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    [[nodiscard]] bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Milliseconds; negative values count as 0.
    [[nodiscard]] int Interval() const { return int(m_interval); }
    void SetInterval(int interval);
    [[nodiscard]] const TNotifyEvent& OnTimer() const { return m_onTimer; }
    void SetOnTimer(TNotifyEvent handler);

    // True while the window system counts for this timer.
    [[nodiscard]] bool Running() const { return m_running; }

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void StopTimer();
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void ReleaseWindow();

    bool m_enabled = true;
    unsigned m_interval = kDefaultInterval;  // ms
    TNotifyEvent m_onTimer;
    HWND m_window = nullptr;
    WNDPROC m_proc = nullptr;
    bool m_running = false;
};
