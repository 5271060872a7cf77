// TControl's message switch and the handlers that are not about the mouse.

#include "platform/ui/base/Control.h"

#include "platform/ui/base/ControlHost.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/base/WinControl.h"
#include "platform/win/WinApi.h"

void TControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(message); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(message); break;
    case WM_LBUTTONUP: WMLButtonUp(message); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: WMMouseDown(message, mbRight); break;
    case WM_RBUTTONUP: WMMouseUp(message, mbRight); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: WMMouseDown(message, mbMiddle); break;
    case WM_MBUTTONUP: WMMouseUp(message, mbMiddle); break;
    case WM_MOUSEMOVE: WMMouseMove(message); break;
    case WM_CANCELMODE: WMCancelMode(message); break;
    case WM_GETTEXT: WMGetText(message); break;
    case WM_GETTEXTLENGTH: WMGetTextLength(message); break;
    case WM_SETTEXT: WMSetText(message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(message); break;
    case CM_FONTCHANGED: CMFontChanged(message); break;
    case CM_COLORCHANGED: CMColorChanged(message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(message); break;
    case CM_MOUSEENTER: CMMouseEnter(message); break;
    case CM_MOUSELEAVE: CMMouseLeave(message); break;
    case CM_HITTEST: CMHitTest(message); break;
    case CM_CURSORCHANGED: CMCursorChanged(message); break;
    default: DefaultHandler(message); break;
    }
}

// WM_GETTEXT and WM_SETTEXT carry std::string pointers in lParam.
void TControl::WMGetText(TMessage& message)
{
    if (auto* out = reinterpret_cast<std::string*>(message.LParam)) *out = m_text;
    message.Result = LRESULT(m_text.size());
}

void TControl::WMGetTextLength(TMessage& message)
{
    message.Result = LRESULT(m_text.size());
}

void TControl::WMSetText(TMessage& message)
{
    if (const auto* text = reinterpret_cast<const std::string*>(message.LParam)) m_text = *text;
    // A windowed control's window keeps the text too.
    DefaultHandler(message);
    message.Result = TRUE;
}

void TControl::CMVisibleChanged(TMessage& /*message*/)
{
    InvalidateControl(m_visible && IsOpaque());
    // A control that goes away under the pointer is left.
    if (TPointerState& pointer = TControlHost::Current().Pointer(); !m_visible && pointer.MouseControl() == this) {
        pointer.SetMouseControl(nullptr);
    }
}

void TControl::CMEnabledChanged(TMessage& /*message*/)
{
    Invalidate();
}

void TControl::CMFontChanged(TMessage& /*message*/)
{
    Invalidate();
}

void TControl::CMColorChanged(TMessage& /*message*/)
{
    Invalidate();
}

// wParam != 0 brings the font in lParam, else the parent's font is taken.
void TControl::CMParentFontChanged(TMessage& message)
{
    if (!m_parentFont) return;
    const TFont* font = message.WParam ? reinterpret_cast<const TFont*>(message.LParam)
                                       : (m_parent ? m_parent->Font() : nullptr);
    if (font) m_font->Assign(*font);
    m_parentFont = true;
}

// wParam != 0 brings the colour in lParam, else the parent's colour is taken.
void TControl::CMParentColorChanged(TMessage& message)
{
    if (!m_parentColor) return;
    if (message.WParam) {
        SetColor(TColor(message.LParam));
    } else if (m_parent) {
        SetColor(m_parent->Color());
    }
    m_parentColor = true;
}

// A cursor that changed under the pointer is shown at once.
void TControl::CMCursorChanged(TMessage& /*message*/)
{
    const HWND window = OwningWindow();
    if (!m_mouseInControl || !window) return;
    SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(WORD(HTCLIENT), WORD(WM_MOUSEMOVE)));
}
