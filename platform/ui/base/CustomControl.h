#pragma once
// TCustomControl: a windowed control that draws itself in Paint on Canvas.
// WM_PAINT (also one bringing its own context in wParam) paints the window
// through PaintWindow, then the graphic children on top.

#include "platform/ui/base/WinControl.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TCustomControl : public TWinControl {
    QZ_DECLARE_CLASS(TCustomControl, TWinControl)

public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    [[nodiscard]] TCanvas* Canvas() const;

    void Dispatch(TMessage& message) override;

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;
    void DestroyWnd() override;
    void WMPaint(TMessage& message);

private:
    std::unique_ptr<TControlCanvas> m_canvas;
};
