#pragma once
// TControlCanvas: the canvas of a control. During painting the control hands
// it the paint context (SetHandle); at other times drawing on it makes a
// context of the control's window on demand: the window's own client area
// for a windowed control, the parent's window moved to the control's place
// and clipped to it for a graphic control. FreeHandle gives that context
// back.

#include "platform/ui/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;

    [[nodiscard]] TControl* Control() const { return m_control; }
    void SetControl(TControl* control);
    // Gives back a context made on demand; a context handed in stays.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    friend class TCanvasPaintScope;

    TControl* m_control = nullptr;
    HWND m_window = nullptr;  // the window m_dc came from
    HDC m_dc = nullptr;       // made on demand, released by FreeHandle
};

// Lends a control's canvas the paint context for one paint: a context made
// on demand is given back first, and the canvas draws on nothing afterwards.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TControlCanvas& canvas, HDC dc);
    ~TCanvasPaintScope();
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TControlCanvas& m_canvas;
};
