#pragma once
// TWinControl: a control with a window of its own, which can hold other
// controls, take the keyboard focus and receive keys.
//
// The window is made on demand (Handle, HandleNeeded): CreateParams says
// what it looks like, CreateWnd registers the window class once per class
// name and makes the window through CreateWindowHandle. Its window
// procedure is an object instance (MakeObjectInstance) that calls
// MainWndProc, which hands the message to WindowProc and passes exceptions
// to Application->HandleException. Messages nobody handles go to the
// procedure the window had before ours (DefWndProc, called with
// CallWindowProc), so a window whose procedure someone else replaced
// through SetWindowLongPtr(GWL_WNDPROC) keeps working.
//
// Child controls are kept in index order (Controls); graphic children are
// painted by this control's WM_PAINT in that order and receive the mouse
// messages of the point they cover. Windowed children are also kept in
// tab order (TabOrder).
//
// The code is split by topic:
//   WinControl.cpp         construction, child list, properties, Dispatch
//   WinControlHandle.cpp   window creation and destruction, MainWndProc, showing
//   WinControlFocus.cpp    tab order, focus, enter and exit
//   WinControlAlign.cpp    alignment and anchors
//   WinControlPaint.cpp    painting, erasing, the border, cursors
//   WinControlKeys.cpp     keys, dialog keys, WndProc's mouse forwarding

#include "platform/ui/base/Control.h"

#include <memory>
#include <string>
#include <vector>

class TBrush;

// What CreateParams fills in for CreateWnd.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    WNDCLASS WindowClass;  // lpszClassName is taken from WinClassName
    std::string WinClassName;
};

// What ControlAtPos may answer besides enabled graphic children.
struct TControlAtPosOptions {
    bool AllowDisabled = false;
    bool AllowWinControls = false;
};

// How FindNextControl walks the tab order.
struct TFindNextOptions {
    bool GoForward = true;
    bool CheckTabStop = true;
    bool CheckParent = false;  // only direct children
};

class TWinControl : public TControl {
    QZ_DECLARE_CLASS(TWinControl, TControl)

public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // --- the window (WinControlHandle.cpp) ---------------------------------
    // The window, made when there is none yet.
    [[nodiscard]] HWND Handle();
    // The window or nullptr, never making one.
    [[nodiscard]] HWND WindowHandle() const { return m_handle; }
    [[nodiscard]] bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded();
    // Destroys the windows of this control and its children; they are made
    // again when needed.
    void DestroyHandle();
    void RecreateWnd();
    // The window is shown: visible and every parent up to the form showing.
    [[nodiscard]] bool Showing() const { return m_showing && (!Parent() || Parent()->Showing()); }
    // The procedure the window had before ours, for unhandled messages.
    [[nodiscard]] WNDPROC DefWndProc() const { return m_defWndProc; }

    // --- children (WinControl.cpp) --------------------------------------------
    [[nodiscard]] int ControlCount() const { return int(m_controls.size()); }
    // Raises EListError for a bad index.
    [[nodiscard]] TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // control is this control or one of its descendants.
    [[nodiscard]] bool ContainsControl(const TControl* control) const;
    // The topmost visible child whose bounds hold pos (client coordinates)
    // and that answers CM_HITTEST; windowed children only when asked.
    [[nodiscard]] TControl* ControlAtPos(TPoint pos, TControlAtPosOptions options = {}) const;
    // Sends message to every child in index order until one answers (Result != 0).
    void Broadcast(TMessage& message);
    // Sends msg to every child; lParam carries this control.
    void NotifyControls(UINT msg);

    // --- alignment (WinControlAlign.cpp) ----------------------------------------
    void DisableAlign();
    void EnableAlign();
    // Aligns the children again (now, or when alignment is enabled again).
    void Realign();

    // --- focus and tab order (WinControlFocus.cpp) ------------------------------
    [[nodiscard]] int TabOrder() const;
    void SetTabOrder(int order);
    [[nodiscard]] bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);
    [[nodiscard]] virtual bool CanFocus() const;
    [[nodiscard]] bool Focused() const;
    virtual void SetFocus();
    // The windowed descendants in tab order, depth first.
    [[nodiscard]] std::vector<TWinControl*> GetTabOrderList() const;
    [[nodiscard]] TWinControl* FindNextControl(TWinControl* current, TFindNextOptions options) const;
    // Focuses the next control after current that options accept.
    void SelectNext(TWinControl* current, TFindNextOptions options);

    // --- look -----------------------------------------------------------------
    [[nodiscard]] int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    [[nodiscard]] TBrush* Brush() const { return m_brush.get(); }
    [[nodiscard]] bool ParentBackground() const { return m_parentBackground; }
    void SetParentBackground(bool parentBackground);

    // --- TControl -----------------------------------------------------------------
    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void SetParent(TWinControl* parent) override;
    [[nodiscard]] TRect ClientRect() const override;
    [[nodiscard]] TPoint ClientOrigin() const override;
    void Invalidate() override;
    void Repaint() override;
    void Update() override;
    void SetZOrder(bool topMost) override;
    [[nodiscard]] bool IsWindowed() const override { return true; }

    // --- events -------------------------------------------------------------------
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    void BeforeDestruction() override;
    void Loaded() override;

    // --- making the window (WinControlHandle.cpp) ---------------------------------
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    // Makes the window and then the children's.
    virtual void CreateHandle();
    // Showing follows Visible and the parent; shows or hides the window.
    void UpdateShowing();
    void UpdateControlState();
    // The window procedure of the object instance.
    LRESULT MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Reads the window's rectangle back into the bounds.
    void UpdateBounds();

    // --- painting (WinControlPaint.cpp) -------------------------------------------
    // WM_PAINT: the window itself, then its graphic children. Paints into
    // the context in wParam when there is one, else between BeginPaint and
    // EndPaint.
    void PaintHandler(TMessage& message);
    virtual void PaintWindow(HDC dc);
    // The graphic children (from first on) into dc, each at its place and clipped to it.
    void PaintControls(HDC dc, TControl* first);

    // --- alignment (WinControlAlign.cpp) -------------------------------------------
    // Positions the aligned and anchored children in the client area;
    // control (may be null) keeps its place among controls of its alignment.
    virtual void AlignControls(TControl* control, TRect& rect);
    // The part of the client area aligned children share.
    virtual void AdjustClientRect(TRect& rect);
    void AlignControl(TControl* control);

    // --- focus (WinControlFocus.cpp) ---------------------------------------------
    virtual void DoEnter();
    virtual void DoExit();
    // Takes the focus away from this control or its children when they go.
    void RemoveFocus(bool removing);

    // --- keys (WinControlKeys.cpp) ------------------------------------------------
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void KeyUp(WORD& key, TShiftState shift);
    // True when the key was swallowed (the form's KeyPreview first).
    bool DoKeyDown(TMessage& message);
    bool DoKeyPress(TMessage& message);
    bool DoKeyUp(TMessage& message);
    // Mouse messages for a graphic child: forwarded; true when one took it.
    bool IsControlMouseMsg(TMessage& message);

    // --- handlers --------------------------------------------------------------------
    void WMCreate(TMessage& message);
    void WMNCDestroy(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMSize(TMessage& message);
    void WMNCCalcSize(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMMouseLeave(TMessage& message);
    void WMContextMenu(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMKeyUp(TMessage& message);
    void WMChar(TMessage& message);
    void CNKeyDown(TMessage& message);
    void CNChar(TMessage& message);
    void CMChildKey(TMessage& message);
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMEnter(TMessage& message);
    void CMExit(TMessage& message);
    void CMFocusChanged(TMessage& message);
    void CMShowingChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMBorderChanged(TMessage& message);
    void CMRecreateWnd(TMessage& message);

    void SizeChanged() override;
    bool MoveWindowTo(const TRect& bounds) override;
    [[nodiscard]] HWND OwningWindow() const override { return m_handle; }

    // Child windows' z-order follows Controls: the window to insert control's after.
    [[nodiscard]] HWND PrecedingWindow(const TWinControl* control) const;

private:
    friend class TControl;
    friend class TCustomForm;

    // The class procedure of every window class we register: hands the
    // window being made to its control, then steps aside.
    static LRESULT InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void RegisterWindowClass(const TCreateParams& params);
    // The window is gone: forget it.
    void ForgetWindow();
    // Puts the windowed children in the tab order read from the description.
    void FixupTabList();
    // The frame around the client area: window styles and BorderWidth.
    [[nodiscard]] TRect FrameMargins() const;
    void DestroyChildControls();
    // Puts an aligned child in its strip of rect and takes the strip off.
    void PlaceAligned(TControl* control, TAlign align, TRect& rect);
    // Moves an anchored child after the client area changed to parentSize.
    void PlaceAnchored(TControl* control, TSize parentSize);
    // Sets a child's bounds without retaking its anchor rules.
    static void SetBoundsByParent(TControl* control, const TRect& bounds);
    void UpdateTabList(TWinControl* control, int order);
    void AppendTabOrder(std::vector<TWinControl*>& list) const;
    // Mouse enter and leave bookkeeping for a mouse message at client point p.
    void TrackMouseFor(const TMessage& message);
    [[nodiscard]] bool AlignWork() const;
    void PaintBorder();

    HWND m_handle = nullptr;
    WNDPROC m_objectInstance = nullptr;
    WNDPROC m_defWndProc = nullptr;
    bool m_showing = false;
    std::vector<TControl*> m_controls;     // index order, not owned
    std::vector<TWinControl*> m_tabList;   // windowed children in tab order
    bool m_tabStop = false;
    int m_alignLevel = 0;
    int m_borderWidth = 0;  // pixels
    std::unique_ptr<TBrush> m_brush;
    bool m_parentBackground = false;
    int m_readTabOrder = -1;  // TabOrder as read, applied once the siblings exist
};
