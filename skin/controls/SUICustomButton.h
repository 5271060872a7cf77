#pragma once
// TsuiCustomButton: the base of the skinned buttons. A focusable windowed
// control that paints its whole client area off screen in fixed steps that
// subclasses override: the face of the visual state (PaintButtonNormal ...
// PaintButtonDisabled load it), then PaintPic, PaintFocus and PaintText.
//
// Press state (FMouseOn = m_mouseOn, FMouseDown = m_mouseDown):
//
//   event                          mouse on  mouse down  repeat timer
//   pointer enters                 true      -           -
//   left button down               -         true        made (first tick after one interval)
//   move outside the bounds        false     false       -
//   pointer leaves                 false     false       freed
//   left button up                 -         -           freed
//   Space/Enter down (focused)     -         true        -
//   Space/Enter up (pressed)       -         false       - then Click
//   click while pressed            -         false       freed
//
// A click takes the focus (when the button is a tab stop), hands
// ModalResult to the parent form (0 included) and then runs OnClick. Enter
// clicks a Default button and Escape a Cancel button, unless Shift, Ctrl or
// Alt is held; the caption's '&' letter clicks it too.
//
// The caption is the control's text (Caption, SetCaption2): setting it runs
// CaptionChanged and repaints.

#include "platform/ui/base/CustomControl.h"
#include "platform/win/WinConst.h"
#include "platform/ui/forms/CustomForm.h"
#include "skin/controls/SUISkinnedControl.h"
#include "skin/core/VisualState.h"

#include <memory>
#include <string>

class TBitmap;
class TCanvas;
class TTimer;

class TsuiCustomButton : public TCustomControl {
    QZ_DECLARE_CLASS(TsuiCustomButton, TCustomControl)

public:
    static constexpr int kDefaultRepeatInterval = 100;  // ms
    // The face painted when loading the state's face fails.
    static constexpr int kFallbackFaceWidth = 74;   // pixels
    static constexpr int kFallbackFaceHeight = 21;  // pixels

    explicit TsuiCustomButton(TComponent* owner);
    ~TsuiCustomButton() override;

    void SetCaption2(const std::string& caption);
    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    void SetAutoSize2(bool autoSize);
    [[nodiscard]] bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel) { m_cancel = cancel; }
    [[nodiscard]] bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    [[nodiscard]] bool PicTransparent() const { return m_picTransparent; }
    void SetPicTransparent(bool picTransparent);
    [[nodiscard]] TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    [[nodiscard]] virtual TsuiUIStyle UIStyle() const { return m_style.Style(); }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_style.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] int MouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void SetMouseContinuouslyDownInterval(int interval) { m_repeatInterval = interval; }
    void SetEnabled(bool enabled) override;

    // Fired while the left button is held, once per interval (sender: the button).
    TNotifyEvent OnMouseContinuouslyDown;
    TNotifyEvent OnMouseExit;

    // What the button shows now: disabled, pressed, under the pointer or normal.
    [[nodiscard]] TVisualState State() const { return VisualStateOf({Enabled(), m_mouseDown, m_mouseOn}); }
    // True while the repeat timer exists (a left press lasts).
    [[nodiscard]] bool Repeating() const { return m_repeatTimer != nullptr; }

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    // A disabled caption: a light copy one pixel down and right under a grey one.
    static constexpr TColor kDisabledHighlight = TColor(0xFFFFFF);
    static constexpr TColor kDisabledText = TColor(0x808080);

    // --- steps subclasses override ------------------------------------------
    virtual void AutoSizeChanged() {}
    virtual void CaptionChanged() {}
    // Sets the canvas font to Font and repaints.
    virtual void FontChanged();
    // PicTransparent follows Transparent.
    virtual void TransparentChanged();
    virtual void EnableChanged() {}
    virtual void UIStyleChanged() {}
    // Draws the state's face; the base draws it unstretched at (0, 0).
    virtual void PaintPic(TCanvas* canvas, TBitmap* face);
    // Draws the caption centred on one line (not called for a blank caption).
    virtual void PaintText(TCanvas* canvas, const std::string& text);
    // Draws the focus mark while the button has the focus.
    virtual void PaintFocus(TCanvas* canvas);
    // Load the face of each state into buf: frames 1, 2, 3 and 1 of
    // ButtonImage's three.
    virtual void PaintButtonNormal(TBitmap* buf);
    virtual void PaintButtonMouseOn(TBitmap* buf);
    virtual void PaintButtonMouseDown(TBitmap* buf);
    virtual void PaintButtonDisabled(TBitmap* buf);
    // Frame index of count frames of theme element id into buf, from the
    // file theme or the built-in style the theme seam chooses.
    void PaintButton(int id, int count, int index, TBitmap* buf) const;

    [[nodiscard]] bool MouseDownShown() const { return m_mouseDown; }
    // The next caption is drawn bold (once).
    void SetBoldCaption() { m_boldCaption = true; }

    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    // Loads the face of state into face; an error leaves the fallback face.
    void LoadFace(TVisualState state, TBitmap* face);
    void PaintBackground(TBitmap* buffer);
    void StartRepeat();
    void StopRepeat();
    void RepeatTick();

    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMTextChanged(TMessage& message);
    void RepaintAfter(TMessage& message);

    TsuiStyleLink m_style{this};
    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    TModalResult m_modalResult = mrNone;
    bool m_boldCaption = false;
    bool m_picTransparent = false;
    std::unique_ptr<TTimer> m_repeatTimer;  // only while a left press lasts
    int m_repeatInterval = kDefaultRepeatInterval;  // ms
    bool m_mouseOn = false;
    bool m_mouseDown = false;
};

// Space and Enter press a focused button.
[[nodiscard]] constexpr bool IsButtonPressKey(WORD key)
{
    return key == VK_SPACE || key == VK_RETURN;
}
