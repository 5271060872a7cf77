#pragma once
// TPointerState: what the framework knows of the mouse beyond the window
// system. The control the pointer is over (CM_MOUSELEAVE goes to the old
// one and CM_MOUSEENTER to the new one as it changes), and the graphic
// control that holds the capture through its parent's window, which the
// window system cannot know.

class TControl;

class TPointerState {
public:
    [[nodiscard]] TControl* MouseControl() const { return m_mouseControl; }
    void SetMouseControl(TControl* control);
    [[nodiscard]] TControl* GraphicCapture() const { return m_graphicCapture; }
    void SetGraphicCapture(TControl* control) { m_graphicCapture = control; }
    // A control is going away: forget it.
    void ControlDestroyed(const TControl* control);

private:
    TControl* m_mouseControl = nullptr;
    TControl* m_graphicCapture = nullptr;
};
