#pragma once
// TControl: a component that has a place on the screen inside a windowed
// parent. It knows its bounds, alignment, anchors, size limits, visibility,
// enabled state, text, font, colour and cursor, and it receives messages.
//
// Messages. Everything a control hears goes through WindowProc, a
// replaceable std::function that starts out as the control's WndProc, so
// that others (the skin) can look at messages first and pass them on.
// WndProc applies the mouse rules common to all controls and then calls
// Dispatch: one switch per class, each case a one-line call of the
// handler, the default passing the message to the parent class's Dispatch.
// What nobody handles ends in DefaultHandler (a windowed control hands it
// to its window's original procedure).
//
// Mouse rules: a left press captures the mouse when csCaptureMouse is set
// and the release frees it; press and release inside the control make a
// click (csClickEvents). Without csDoubleClicks a double click counts as a
// second press.
//
// The code is split by topic:
//   Control.cpp          construction, parent, properties, z-order, painting requests
//   ControlBounds.cpp    bounds, client area, coordinates, anchors, constraints
//   ControlMouse.cpp     WndProc, mouse handlers, capture, mouse enter and leave
//   ControlMessages.cpp  Dispatch and the remaining handlers
//   ControlAction.cpp    the linked action
//   ControlPublish.cpp   run-time type information

#include "platform/core/Color.h"
#include "platform/ui/base/Component.h"
#include "platform/ui/base/Controls.h"
#include "platform/ui/base/Cursors.h"

#include <memory>
#include <string>

class TBasicAction;
class TBasicActionLink;
class TCustomForm;
class TFont;
class TSizeConstraints;
class TWinControl;
struct TFormValue;

class TControl : public TComponent {
    QZ_DECLARE_CLASS(TControl, TComponent)

public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- messages ----------------------------------------------------------
    TWndMethod WindowProc;
    // Sends a message straight to WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void WndProc(TMessage& message);
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // --- parent ------------------------------------------------------------
    [[nodiscard]] TWinControl* Parent() const { return m_parent; }
    // Moves the control into parent's Controls (nullptr takes it out).
    virtual void SetParent(TWinControl* parent);
    // True for controls with a window of their own (TWinControl).
    [[nodiscard]] virtual bool IsWindowed() const { return false; }

    // --- bounds (ControlBounds.cpp) -----------------------------------------
    [[nodiscard]] int Left() const { return m_left; }
    [[nodiscard]] int Top() const { return m_top; }
    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    // Applies the size constraints; returns at once when nothing changes.
    virtual void SetBounds(int left, int top, int width, int height);
    [[nodiscard]] TRect BoundsRect() const { return TRect::FromSize(m_left, m_top, m_width, m_height); }
    void SetBoundsRect(const TRect& rect);
    [[nodiscard]] virtual TRect ClientRect() const;
    [[nodiscard]] int ClientWidth() const { return ClientRect().Width(); }
    [[nodiscard]] int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int width);
    virtual void SetClientHeight(int height);
    // The screen position of the client area's top-left.
    [[nodiscard]] virtual TPoint ClientOrigin() const;
    [[nodiscard]] TPoint ClientToScreen(TPoint point) const;
    [[nodiscard]] TPoint ScreenToClient(TPoint point) const;

    [[nodiscard]] TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    [[nodiscard]] TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors);
    [[nodiscard]] TSizeConstraints* Constraints() const { return m_constraints.get(); }
    void SetConstraints(TSizeConstraints* constraints);

    // --- state ---------------------------------------------------------------
    [[nodiscard]] bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    virtual void Show();
    virtual void Hide();
    [[nodiscard]] bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);

    [[nodiscard]] std::string Caption() const { return GetTextBuf(); }
    void SetCaption(const std::string& caption) { SetText(caption); }
    [[nodiscard]] std::string Text() const { return GetTextBuf(); }
    void SetText(const std::string& text);
    // The text through WM_GETTEXT and WM_SETTEXT (then CM_TEXTCHANGED).
    [[nodiscard]] std::string GetTextBuf() const;
    void SetTextBuf(const std::string& text);

    [[nodiscard]] TFont* Font() const { return m_font.get(); }
    void SetFont(TFont* font);
    [[nodiscard]] bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);
    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor color);
    [[nodiscard]] bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);

    [[nodiscard]] TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    [[nodiscard]] const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }
    [[nodiscard]] bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool showHint);
    [[nodiscard]] bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool parentShowHint);
    // A pop-up menu component; held as a reference and cleared when it goes.
    [[nodiscard]] TComponent* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TComponent* menu);

    [[nodiscard]] TControlStyle ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(TControlStyle style) { m_controlStyle = style; }
    [[nodiscard]] TControlState ControlState() const { return m_controlState; }
    void SetControlState(TControlState state) { m_controlState = state; }

    // --- mouse (ControlMouse.cpp) -------------------------------------------
    // Capture for this control; a graphic control captures through its parent's window.
    [[nodiscard]] bool MouseCapture() const;
    void SetMouseCapture(bool capture);
    // True between CM_MOUSEENTER and CM_MOUSELEAVE.
    [[nodiscard]] bool MouseInControl() const { return m_mouseInControl; }

    // --- painting and order ---------------------------------------------------
    virtual void Invalidate();
    // Invalidate, then paint at once.
    virtual void Repaint();
    // Paints what is invalid now.
    virtual void Update();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool topMost);

    // csOpaque controls hide what is behind them; others are painted over their parent.
    [[nodiscard]] bool IsOpaque() const { return m_controlStyle.Contains(csOpaque); }

    // --- events -------------------------------------------------------------
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TCanResizeEvent OnCanResize;
    TConstrainedResizeEvent OnConstrainedResize;

    // OnClick when set, else the linked action.
    virtual void Click();
    virtual void DblClick();

    // --- action (ControlAction.cpp) -----------------------------------------------
    // The action whose caption, enabled state, hint and visibility the
    // control shows and which a click executes (not owned; forgotten when
    // it goes).
    [[nodiscard]] TBasicAction* Action() const;
    void SetAction(TBasicAction* action);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The action changed (or was just linked): take over what it shows.
    // With checkDefaults only properties still at their defaults change.
    virtual void ActionChange(TBasicAction* sender, bool checkDefaults);

    // --- handlers (ControlMouse.cpp, ControlMessages.cpp) ---------------------
    void WMMouseDown(TMessage& message, TMouseButton button);
    void WMMouseUp(TMessage& message, TMouseButton button);
    void WMMouseMove(TMessage& message);
    void WMLButtonDown(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMGetText(TMessage& message);
    void WMGetTextLength(TMessage& message);
    void WMSetText(TMessage& message);
    void WMCancelMode(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void CMParentColorChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMHitTest(TMessage& message);
    void CMCursorChanged(TMessage& message);

    // --- virtuals for subclasses ------------------------------------------
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // After the size changed.
    virtual void Resize();
    // Moves the control's window to bounds (parent client coordinates);
    // false when it has none, and the bounds are then stored directly.
    virtual bool MoveWindowTo(const TRect& bounds);
    // The bounds changed from old: repaint, anchors, the parent's alignment, SizeChanged.
    void BoundsChanged(const TRect& old);
    // The size changed: windowed controls realign their children; then Resize.
    virtual void SizeChanged();
    // The size the control takes when asked for proposed: the limits of
    // ConstrainedResize applied.
    [[nodiscard]] virtual TSize ConstrainedSize(TSize proposed);
    // Asked before the size changes (not for a move alone): OnCanResize.
    // False keeps the old size; the new one may be changed.
    virtual bool CanResize(int& newWidth, int& newHeight);
    // The limits a size is held to: Constraints, then OnConstrainedResize may change them.
    virtual void ConstrainedResize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight);
    // Called by TSizeConstraints after a change.
    friend class TSizeConstraints;
    virtual void ConstraintsChanged();
    // The window that shows this control: the parent's for a graphic control.
    [[nodiscard]] virtual HWND OwningWindow() const;

    // The anchor distances taken when the control or its parent last moved
    // for reasons other than the parent's resizing.
    void UpdateAnchorRules();
    [[nodiscard]] TPoint AnchorRules() const { return m_anchorRules; }
    [[nodiscard]] TSize AnchorOrigin() const { return m_anchorOrigin; }

    // Invalidates this control's rectangle in the parent's window; the
    // background is erased unless the control (or the parent) is opaque.
    void InvalidateControl(bool isOpaque);

    // Records bounds as they are now, without constraints or notifications.
    void StoreBounds(const TRect& bounds);

private:
    friend class TWinControl;

    void FontChanged();
    // ShowHint follows the parent's while ParentShowHint is set.
    void ParentShowHintChanged();
    void ReadCursor(const TFormValue& value);
    // Moves this control to the top or bottom of the parent's list (and window order).
    void ChangeZOrderInParent(bool topMost);

    TWinControl* m_parent = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    TAlign m_align = alNone;
    TAnchors m_anchors{akLeft, akTop};
    TPoint m_anchorRules;   // pixels; what UpdateAnchorRules keeps per axis
    TSize m_anchorOrigin;   // the parent's client size the rules were taken at (pixels)
    std::unique_ptr<TSizeConstraints> m_constraints;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_text;
    std::unique_ptr<TFont> m_font;
    bool m_parentFont = true;
    TColor m_color = clWindow;
    bool m_parentColor = false;
    TCursor m_cursor = crDefault;
    std::string m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    TComponent* m_popupMenu = nullptr;
    TControlStyle m_controlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState m_controlState;
    bool m_mouseInControl = false;
    std::unique_ptr<TBasicActionLink> m_actionLink;
    bool m_anchorMove = false;  // the parent is placing the control: anchors stay
};

// The form a control sits on (the control itself for a form), or nullptr.
[[nodiscard]] TCustomForm* GetParentForm(const TControl* control);
// The control whose window hwnd is, or nullptr.
[[nodiscard]] TWinControl* FindControl(HWND hwnd);
// Marks hwnd as control's window for FindControl (nullptr forgets it).
void RegisterControlWindow(HWND hwnd, TWinControl* control);
// The control that holds the mouse capture: a graphic control capturing
// through its parent's window, or the windowed control that has it.
[[nodiscard]] TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
