#include "platform/ui/base/PressTracker.h"

#include "platform/ui/base/Control.h"

void TPressTracker::Press()
{
    if (!m_control.Enabled() || !m_control.MouseCapture()) return;
    m_held = true;
    SetPressed(true);
}

void TPressTracker::Move(TPoint p)
{
    if (m_held) SetPressed(m_control.ClientRect().Contains(p));
}

bool TPressTracker::Release(TPoint p)
{
    if (!m_held) return false;
    m_held = false;
    const bool clicked = m_pressed && m_control.ClientRect().Contains(p);
    SetPressed(false);
    return clicked;
}

void TPressTracker::Cancel()
{
    Forget();
    if (m_control.MouseCapture()) m_control.SetMouseCapture(false);
}

void TPressTracker::Forget()
{
    m_held = false;
    SetPressed(false);
}

void TPressTracker::SetPressed(bool pressed)
{
    if (m_pressed == pressed) return;
    m_pressed = pressed;
    m_control.Invalidate();
}
