#pragma once
// TCustomForm: a top-level window holding controls. Its border style says
// what frame and caption it gets, Position where it appears when first
// shown, WindowState whether it is normal, minimised or maximised. It keeps
// the control that has (or will get) the focus (ActiveControl), runs the
// focus changes inside it (CM_EXIT and CM_ENTER along the way, OnEnter and
// OnExit), answers dialog keys (Tab and arrows move the focus, the rest goes
// to the children), closes through CloseQuery and OnClose, and can run
// modally (ShowModal).
//
// Creation runs in two steps, because a form class's own members exist
// only once its constructor has finished: after `new`, AfterConstruction
// reads the class's form description (the Form resource named after the
// class, upper-cased: TfrmMain reads TFRMMAIN), binds the published fields
// and events, and fires OnCreate. Application->CreateForm and NewForm<T>()
// do both steps. Destruction fires OnDestroy while the form is whole.
//
// The code is split by topic:
//   CustomForm.cpp         construction, properties, window parameters, Dispatch
//   CustomFormFocus.cpp    active control, focus changes, activation, dialog keys
//   CustomFormShow.cpp     showing, position, window state, closing
//   ModalLoop.cpp          ShowModal and its loop

#include "platform/ui/base/WinControl.h"

#include <memory>

class TCanvas;
class TControlCanvas;
class TIcon;
class TMainMenu;
struct TWMKey;

class TCustomForm : public TWinControl {
    QZ_DECLARE_CLASS(TCustomForm, TWinControl)

public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // The second step of creation (see above); runs once.
    virtual void AfterConstruction();

    // --- look and place ----------------------------------------------------
    [[nodiscard]] TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    [[nodiscard]] TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    [[nodiscard]] TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle style);
    // Applied when the form is first shown. poDesktopCenter centres the form
    // in the work area (the screen less the task bar), poScreenCenter on the
    // whole screen; poDefault and poDefaultPosOnly cascade from the work
    // area's top-left; poDefaultSizeOnly keeps the designed place and size.
    [[nodiscard]] TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    [[nodiscard]] TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState state);
    [[nodiscard]] TIcon* Icon() const { return m_icon.get(); }
    void SetIcon(TIcon* icon);
    // While the description is read, the client size waits for the frame to be known.
    void SetClientWidth(int width) override;
    void SetClientHeight(int height) override;
    [[nodiscard]] TCanvas* Canvas() const;

    // Stored for form descriptions; there is no scaling.
    [[nodiscard]] bool Scaled() const { return m_scaled; }
    void SetScaled(bool scaled) { m_scaled = scaled; }
    [[nodiscard]] int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int ppi) { m_pixelsPerInch = ppi; }
    [[nodiscard]] int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int height) { m_textHeight = height; }
    [[nodiscard]] bool OldCreateOrder() const { return m_oldCreateOrder; }
    void SetOldCreateOrder(bool old) { m_oldCreateOrder = old; }
    [[nodiscard]] bool AutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool autoScroll) { m_autoScroll = autoScroll; }

    // The menu whose shortcuts the form's keys run. FIXME: the form draws no
    // menu bar of its own; the skinned form shows menus through a tool bar.
    [[nodiscard]] TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    // A key that the form's menu takes as a shortcut: the item has run.
    virtual bool IsShortCut(TWMKey& message);

    // --- focus (CustomFormFocus.cpp) -------------------------------------------
    [[nodiscard]] TWinControl* ActiveControl() const { return m_activeControl; }
    // Raises EInvalidOperation for a control that cannot take the focus.
    void SetActiveControl(TWinControl* control);
    [[nodiscard]] bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool keyPreview) { m_keyPreview = keyPreview; }
    [[nodiscard]] bool Active() const { return m_active; }
    void FocusControl(TWinControl* control);
    // The window focus came to control: exits and enters along the way.
    // False when a handler moved the focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* control);
    // control (or one of its children) goes away or cannot keep the focus.
    void DefocusControl(TWinControl* control, bool removing);
    void SetFocus() override;
    [[nodiscard]] bool CanFocus() const override;

    // --- showing and closing (CustomFormShow.cpp, ModalLoop.cpp) ----------------
    void Show() override;
    void Hide() override;
    [[nodiscard]] TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    [[nodiscard]] bool IsModal() const { return m_modal; }
    // Shows the form modally and returns its ModalResult once it is set
    // (or the form was closed: mrCancel).
    TModalResult ShowModal();
    void Close();
    [[nodiscard]] virtual bool CloseQuery();
    // Frees the form once the messages queued before are handled.
    void Release();

    // --- events -------------------------------------------------------------------
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void Dispatch(TMessage& message) override;

protected:
    void BeforeDestruction() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void DestroyWnd() override;

    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    virtual void Paint();

    void WMActivate(TMessage& message);
    void WMClose(TMessage& message);
    void WMSysCommand(TMessage& message);
    void WMGetMinMaxInfo(TMessage& message);
    void WMFormSize(TMessage& message);
    void WMFormPaint(TMessage& message);
    void CMActivate(TMessage& message);
    void CMDeactivate(TMessage& message);
    void CMFormDialogKey(TMessage& message);
    void CMFormShowingChanged(TMessage& message);
    void CMRelease(TMessage& message);

private:
    friend void RunModalLoop(TCustomForm& form);

    // Sends a focus notification; false when a handler started another focus change.
    static bool SendFocusMessage(HWND hwnd, UINT msg);
    void ReadFormResource();
    void SetActive(bool active);
    void SetWindowFocus();
    // ModalResult was set: ask CloseQuery and OnClose whether the form may go.
    void CloseModal();
    void ApplyPosition();
    [[nodiscard]] TRect CenteredIn(const TRect& area) const;

    TMainMenu* m_menu = nullptr;
    TFormBorderStyle m_borderStyle = bsSizeable;
    TBorderIcons m_borderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle m_formStyle = fsNormal;
    TPosition m_position = poDesigned;
    bool m_positionApplied = false;
    TWindowState m_windowState = wsNormal;
    std::unique_ptr<TIcon> m_icon;
    std::unique_ptr<TControlCanvas> m_canvas;
    bool m_scaled = true;
    int m_pixelsPerInch = 96;
    int m_textHeight = 13;
    bool m_oldCreateOrder = false;
    bool m_autoScroll = true;
    int m_readClientWidth = -1;   // pixels, set while reading
    int m_readClientHeight = -1;  // pixels, set while reading

    TWinControl* m_activeControl = nullptr;
    TWinControl* m_focusedControl = nullptr;  // the innermost control of the focus chain
    bool m_keyPreview = false;
    bool m_active = false;
    bool m_constructed = false;
    bool m_modal = false;
    bool m_showingChanging = false;
    TModalResult m_modalResult = mrNone;
};

// The nested message loop of ShowModal: handles messages until the form's
// ModalResult is set and CloseQuery lets it go (or the application ends).
void RunModalLoop(TCustomForm& form);

// Makes a form of class T with its description read (see TCustomForm).
template <class T>
[[nodiscard]] T* NewForm(TComponent* owner)
{
    std::unique_ptr<T> form(new T(owner));
    form->AfterConstruction();
    return form.release();
}
