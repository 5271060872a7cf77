#pragma once
// The window system: every window, the message queue, timers, input state
// (capture, focus, activation, tracking) and the composition of top-level
// windows live in one object, so tests can make a fresh one each time.
// The classic free functions of WinApi.h and Gdi.h act on Current().

#include "platform/win/Backend.h"

#include <memory>

class WindowSystem {
public:
    explicit WindowSystem(std::unique_ptr<win::Backend> backend);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The instance the free functions use: the most recently created one
    // that still lives. Throws EInvalidOperation when there is none.
    static WindowSystem& Current();
    static bool Exists();

    [[nodiscard]] win::Backend& Backend();

    // Handles everything that is due without waiting: backend events,
    // posted messages, timers, paints; then presents. For tests and for
    // ProcessMessages. Returns false once WM_QUIT was seen.
    bool ProcessPending();

    struct Impl;
    [[nodiscard]] Impl& State() { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};
