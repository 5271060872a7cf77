#include "platform/ui/base/CustomControl.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/ControlCanvas.h"
#include "platform/win/Messages.h"

QZ_IMPLEMENT_CLASS(TCustomControl);

void TCustomControl::Publish(TClassBuilder<TCustomControl>& /*c*/) {}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), m_canvas(std::make_unique<TControlCanvas>())
{
    m_canvas->SetControl(this);
}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const
{
    return m_canvas.get();
}

void TCustomControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: WMPaint(message); break;
    default: TWinControl::Dispatch(message); break;
    }
}

void TCustomControl::WMPaint(TMessage& message)
{
    SetControlState(ControlState().Include(csCustomPaint));
    TWinControl::WMPaint(message);
    SetControlState(ControlState().Exclude(csCustomPaint));
}

void TCustomControl::PaintWindow(HDC dc)
{
    const TCanvasPaintScope scope(*m_canvas, dc);
    Paint();
}

void TCustomControl::DestroyWnd()
{
    m_canvas->FreeHandle();
    TWinControl::DestroyWnd();
}
