#include "platform/ui/base/PointerState.h"

#include "platform/ui/base/Control.h"
#include "platform/win/Messages.h"

#include <utility>

void TPointerState::SetMouseControl(TControl* control)
{
    if (m_mouseControl == control) return;
    TControl* old = std::exchange(m_mouseControl, control);
    const TComponentWatch watchNew(control);
    if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
    // The leave handler may have freed the new control or moved on.
    if (control && watchNew.Alive() && m_mouseControl == control) control->Perform(CM_MOUSEENTER, 0, 0);
}

void TPointerState::ControlDestroyed(const TControl* control)
{
    if (m_mouseControl == control) m_mouseControl = nullptr;
    if (m_graphicCapture == control) m_graphicCapture = nullptr;
}
