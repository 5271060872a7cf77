#pragma once
// TCustomEdit: the classic edit box, one line of text that the user types,
// selects with the mouse or the keyboard and moves through the clipboard;
// also the base of TCustomMemo, which shows several lines. The text and
// its editing live in a TEditText; this class turns messages into edits
// and paints the result.
//
// Look: BorderStyle bsSingle is the sunken client edge (WS_EX_CLIENTEDGE,
// drawn by the window system) and BorderWidth a ring of Color inside it,
// both in the non-client area, so that a skin can paint its own frame over
// them. The text sits kTextInset pixels inside the client area. The
// selection shows in clHighlight while the control has the focus (always
// with HideSelection off); the caret is a one-pixel line that blinks while
// the control has the focus, and the desktop's input method is told where
// it is. ReadOnly changes nothing of the look.
//
// Keys: arrows, Home and End (with Ctrl: words and the whole text), Shift
// with any of them to select, Backspace, Delete, Ctrl+A/C/X/V/Z and the
// classic Ctrl+Insert, Shift+Insert and Shift+Delete. Text arrives as
// WM_CHAR, one message per code point, typed or from an input method.
// ReadOnly keeps every change out but leaves moving, selecting and copying.
// The clipboard and undo go through WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR and
// WM_UNDO, and the messages of EditMessages.h are answered, so that a
// subclass (the skin) sees them all.
//
// OnChange fires after every change of the text, the program's too.
//
// The code is split by topic:
//   CustomEdit.cpp          construction, properties, Dispatch, text and selection
//   CustomEditInput.cpp     keys, characters, the mouse, entering the control
//   CustomEditView.cpp      scrolling, the caret, its blinking with the focus, the input method
//   CustomEditPaint.cpp     painting
//   CustomEditMessages.cpp  EM_* messages, the clipboard and undo

#include "platform/ui/base/WinControl.h"
#include "platform/ui/edit/CharCase.h"

#include <memory>
#include <string>

class TCharWidths;
class TEditText;
struct TEditPos;
struct TEditRow;
enum class TEditKind;
enum class TEditLines;

class TCustomEdit : public TWinControl {
    QZ_DECLARE_CLASS(TCustomEdit, TWinControl)

public:
    static constexpr int kDefaultWidth = 121;   // pixels
    static constexpr int kDefaultHeight = 21;   // pixels
    static constexpr int kTextInset = 1;        // pixels between the client area's side and the text
    static constexpr int kCaretWidth = 1;       // pixels
    static constexpr UINT kCaretBlinkMs = 530;  // ms per phase

    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    // --- properties -----------------------------------------------------------------
    // On entering the control from the keyboard the whole text is selected (single line only).
    [[nodiscard]] bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    // bsNone or bsSingle; other values count as bsSingle.
    [[nodiscard]] TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    // Typed, pasted and set text is folded to this case; setting it folds the text there is.
    [[nodiscard]] TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    [[nodiscard]] bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);
    // Code points the user may enter in all; 0 for no limit. The program's text is not cut.
    [[nodiscard]] int MaxLength() const;
    void SetMaxLength(int maxLength);
    // The user changed the text since the program last set it.
    [[nodiscard]] bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    // Shown instead of every character, and copying is refused; 0 for none.
    [[nodiscard]] char32_t PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(char32_t ch);
    // PasswordChar as form descriptions write it: one character, '' for none.
    [[nodiscard]] std::string PasswordCharText() const;
    void SetPasswordCharText(const std::string& text);
    [[nodiscard]] bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    // --- the selection: code points, a line break counting one -------------------
    [[nodiscard]] int SelStart() const;
    // Puts the caret there without a selection.
    void SetSelStart(int start);
    [[nodiscard]] int SelLength() const;
    // Selects length code points from SelStart.
    void SetSelLength(int length);
    [[nodiscard]] std::string SelText() const;
    // Replaces the selection, as typing would (MaxLength holds), without undo.
    void SetSelText(const std::string& text);
    void SelectAll();
    // Deletes the selected text.
    void ClearSelection();
    void Clear() { SetText({}); }

    // --- clipboard and undo ---------------------------------------------------------
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    [[nodiscard]] bool CanUndo() const;
    void Undo();
    void ClearUndo();

    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;

protected:
    // For the memo: text in several lines.
    TCustomEdit(TComponent* owner, TEditLines lines);

    virtual void Change();
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void PaintWindow(HDC dc) override;
    void DoEnter() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // --- what the memo changes ---------------------------------------------------------
    [[nodiscard]] virtual bool WrapsLines() const { return false; }
    // Whether a typed line break (13 Enter, 10 Ctrl+Enter) or tab goes into the text.
    [[nodiscard]] virtual bool TakesControlChar(char32_t ch) const;
    // The WM_GETDLGCODE answer.
    [[nodiscard]] virtual LRESULT DialogCode() const;

    // --- the text and the view, for the memo ---------------------------------------------
    [[nodiscard]] TEditText& Editor() const { return *m_text; }
    // A change by the program: the caret keeps its place and the view stays.
    void ReplaceText(int start, int end, const std::string& text);
    [[nodiscard]] int TopRow() const { return m_topRow; }
    // Pixels the text is scrolled to the left.
    [[nodiscard]] int ScrollX() const { return m_scrollX; }
    // Rows that fit in the text rectangle, at least one.
    [[nodiscard]] int VisibleRows() const;
    [[nodiscard]] int LineHeight() const;
    // The pixels a horizontal line step scrolls.
    [[nodiscard]] int CharStep() const;
    // Where the text is drawn: the client area less the insets.
    [[nodiscard]] TRect TextRect() const;
    // Scrolls the view (clamped); the caret stays where it is in the text.
    void ScrollTo(int topRow, int scrollX);
    // The lines are laid out again for the client width (after a size or wrapping change).
    void LayoutChanged();
    // The most the view scrolls.
    [[nodiscard]] int MaxTopRow() const;
    [[nodiscard]] int MaxScrollX() const;

private:
    // What a step did, so that one place brings the view and the events up to date.
    struct TEditUpdate {
        bool TextChanged = false;
        bool ByUser = false;        // marks Modified
        bool ScrollToCaret = true;  // else the view only stays in range
    };

    // --- CustomEdit.cpp ------------------------------------------------------------------
    void Updated(TEditUpdate update);
    void WMGetText(TMessage& message);
    void WMGetTextLength(TMessage& message);
    void WMSetText(TMessage& message);
    void WMSize(TMessage& message);
    void CMFontChanged(TMessage& message);
    [[nodiscard]] int MeasureChar(char32_t cp) const;
    // Lays the text out anew after the widths changed.
    void Remeasure();

    // --- CustomEditInput.cpp ----------------------------------------------------------
    void WMKeyDown(TMessage& message);
    void WMChar(TMessage& message);
    // Keys that move the caret; false for other keys.
    bool MoveByKey(WORD key, TShiftState shift);
    // Keys that edit or use the clipboard; false for other keys.
    bool EditByKey(WORD key, TShiftState shift);
    // A change by the user; refused while read-only.
    void UserInsert(const std::string& text, TEditKind kind);
    // The position under a client point.
    [[nodiscard]] TEditPos PosAtPoint(TPoint client) const;

    // --- CustomEditView.cpp ---------------------------------------------------------------
    // Sets the view, clamped, without repainting.
    void ClampView(int topRow, int scrollX);
    void EnsureCaretVisible();
    void UpdateScrollInfo();
    void CaretChanged();
    void WMTimer(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    [[nodiscard]] TRect CaretRect() const;
    [[nodiscard]] bool ShowsSelection() const;

    // --- CustomEditPaint.cpp -------------------------------------------------------------
    void WMPaint(TMessage& message);
    // One row with its top-left at origin (client coordinates, before scrolling).
    void PaintRow(HDC dc, int row, TPoint origin);
    // The columns [from, to) of a row, selected or not.
    void PaintRun(HDC dc, const TEditRow& row, int from, int to, TPoint origin, bool selected);

    // --- CustomEditMessages.cpp ----------------------------------------------------------
    void WMCopy(TMessage& message);
    void WMCut(TMessage& message);
    void WMPaste(TMessage& message);
    void WMClear(TMessage& message);
    void WMUndo(TMessage& message);
    void EMGetSel(TMessage& message);
    void EMSetSel(TMessage& message);
    void EMReplaceSel(TMessage& message);
    void EMLineScroll(TMessage& message);

    std::unique_ptr<TEditText> m_text;
    std::unique_ptr<TCharWidths> m_widths;
    bool m_autoSelect = true;
    TBorderStyle m_borderStyle = bsSingle;
    TEditCharCase m_charCase = ecNormal;
    bool m_hideSelection = true;
    bool m_modified = false;
    char32_t m_passwordChar = 0;
    bool m_readOnly = false;
    int m_topRow = 0;
    int m_scrollX = 0;               // pixels
    int m_desiredX = -1;             // pixels into the row for Up and Down; -1: the caret's
    bool m_caretOn = false;          // the blink phase
    bool m_selecting = false;        // the left button is selecting
};
