#include "platform/ui/base/GraphicControl.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/ControlCanvas.h"
#include "platform/win/Messages.h"

QZ_IMPLEMENT_CLASS(TGraphicControl);

void TGraphicControl::Publish(TClassBuilder<TGraphicControl>& /*c*/) {}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), m_canvas(std::make_unique<TControlCanvas>())
{
    m_canvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const
{
    return m_canvas.get();
}

void TGraphicControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: WMPaint(message); break;
    default: TControl::Dispatch(message); break;
    }
}

void TGraphicControl::WMPaint(TMessage& message)
{
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc || IsDestroying()) return;
    const TCanvasPaintScope scope(*m_canvas, dc);
    Paint();
}
