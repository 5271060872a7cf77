#pragma once
// TGraphicControl: a control without a window of its own. Its parent's
// WM_PAINT paints it (WM_PAINT with the parent's context in wParam, moved to
// the control's place and clipped to it) and its parent forwards it the
// mouse messages of the points it covers. Subclasses draw in Paint on
// Canvas.

#include "platform/ui/base/Control.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
    QZ_DECLARE_CLASS(TGraphicControl, TControl)

public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    [[nodiscard]] TCanvas* Canvas() const;

    void Dispatch(TMessage& message) override;

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& message);

private:
    std::unique_ptr<TControlCanvas> m_canvas;
};
