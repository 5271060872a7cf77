#include "platform/ui/base/ControlCanvas.h"

#include "platform/ui/base/WinControl.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

TControlCanvas::~TControlCanvas()
{
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* control)
{
    if (m_control == control) return;
    FreeHandle();
    m_control = control;
}

void TControlCanvas::CreateHandle()
{
    FreeHandle();
    if (!m_control) return;
    auto* windowed = dynamic_cast<TWinControl*>(m_control);
    TWinControl* host = windowed ? windowed : m_control->Parent();
    if (!host) throw EInvalidOperation("Control '" + m_control->Name() + "' has no parent window");
    m_window = host->Handle();
    m_dc = GetDC(m_window);
    if (!m_dc) throw EOutOfResources("No device context for control '" + m_control->Name() + "'");
    if (!windowed) {
        // A graphic control draws on its part of the parent's window.
        SetViewportOrgEx(m_dc, m_control->Left(), m_control->Top());
        IntersectClipRect(m_dc, 0, 0, m_control->Width(), m_control->Height());
    }
    SetHandle(m_dc);
}

void TControlCanvas::FreeHandle()
{
    if (!m_dc) return;
    SetHandle(nullptr);
    if (WindowSystem::Exists()) ReleaseDC(m_window, m_dc);
    m_dc = nullptr;
    m_window = nullptr;
}

TCanvasPaintScope::TCanvasPaintScope(TControlCanvas& canvas, HDC dc) : m_canvas(canvas)
{
    m_canvas.FreeHandle();
    m_canvas.Lock();
    m_canvas.SetHandle(dc);
}

TCanvasPaintScope::~TCanvasPaintScope()
{
    m_canvas.SetHandle(nullptr);
    m_canvas.Unlock();
}
