// TCustomEdit's input: keys that move the caret or edit, typed characters,
// the mouse, and what entering the control does.
//
// OnKeyDown and OnKeyPress come first and may swallow a key (set it to 0);
// OnKeyPress may also change the character that goes into the text.

#include "platform/ui/edit/CustomEdit.h"

#include "platform/core/Utf8.h"
#include "platform/gfx/TextLayout.h"
#include "platform/ui/edit/EditText.h"
#include "platform/win/WinApi.h"

#include <cstdlib>
#include <optional>

namespace {

TShiftState KeyShiftState()
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    return shift;
}

TSelectMode ModeFor(TShiftState shift)
{
    return shift.Contains(ssShift) ? TSelectMode::Extend : TSelectMode::Move;
}

}  // namespace

LRESULT TCustomEdit::DialogCode() const
{
    return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
}

bool TCustomEdit::TakesControlChar(char32_t /*ch*/) const
{
    return false;
}

// --- keys --------------------------------------------------------------------------------------

void TCustomEdit::WMKeyDown(TMessage& message)
{
    if (DoKeyDown(message)) return;
    const WORD key = WORD(message.WParam);
    const TShiftState shift = KeyShiftState();
    if (!MoveByKey(key, shift) && !EditByKey(key, shift)) DefaultHandler(message);
}

bool TCustomEdit::MoveByKey(WORD key, TShiftState shift)
{
    const TEditText& t = *m_text;
    const TEditPos caret = t.Caret();
    const bool control = shift.Contains(ssCtrl);
    // Left and Right without Shift leave a selection at its near end.
    const bool collapse = t.HasSelection() && !shift.Contains(ssShift) && !control;
    // A password's words stay hidden: Ctrl moves to its ends.
    auto wordLeft = [&] { return m_passwordChar ? TEditPos{} : t.WordLeft(caret); };
    auto wordRight = [&] { return m_passwordChar ? t.End() : t.WordRight(caret); };
    int rows = 0;
    std::optional<TEditPos> to;
    switch (key) {
    case VK_LEFT: to = collapse ? t.SelStart() : control ? wordLeft() : t.CharLeft(caret); break;
    case VK_RIGHT: to = collapse ? t.SelEnd() : control ? wordRight() : t.CharRight(caret); break;
    case VK_HOME: to = control ? TEditPos{} : t.RowHome(caret); break;
    case VK_END: to = control ? t.End() : t.RowEnd(caret); break;
    case VK_UP: rows = -1; break;
    case VK_DOWN: rows = 1; break;
    case VK_PRIOR: rows = -VisibleRows(); break;
    case VK_NEXT: rows = VisibleRows(); break;
    default: return false;
    }
    // Up and Down keep to the column the caret had before the first of them.
    const int x = m_desiredX >= 0 ? m_desiredX : t.XOf(caret);
    if (rows != 0) {
        to = t.RowsAway(caret, rows, x);
        // A page key scrolls the view by a page too.
        if (std::abs(rows) > 1) ClampView(m_topRow + rows, m_scrollX);
    }
    m_text->MoveCaret(*to, ModeFor(shift));
    Updated({});
    if (rows != 0) m_desiredX = x;
    return true;
}

bool TCustomEdit::EditByKey(WORD key, TShiftState shift)
{
    const bool control = shift.Contains(ssCtrl);
    const bool withShift = shift.Contains(ssShift);
    switch (key) {
    case VK_DELETE:
        if (withShift)
            CutToClipboard();
        else if (!m_readOnly && m_text->DeleteForward())
            Updated({.TextChanged = true, .ByUser = true});
        return true;
    case VK_INSERT:
        if (control) CopyToClipboard();
        if (withShift) PasteFromClipboard();
        return control || withShift;
    default: break;
    }
    if (!control) return false;
    switch (key) {
    case 'A': SelectAll(); return true;
    case 'C': CopyToClipboard(); return true;
    case 'X': CutToClipboard(); return true;
    case 'V': PasteFromClipboard(); return true;
    case 'Z': Undo(); return true;
    default: return false;
    }
}

// --- characters -------------------------------------------------------------------------------

void TCustomEdit::WMChar(TMessage& message)
{
    if (DoKeyPress(message)) return;
    const auto ch = char32_t(message.WParam);
    switch (ch) {
    case U'\b':
        if (!m_readOnly && m_text->DeleteBackward()) Updated({.TextChanged = true, .ByUser = true});
        return;
    case U'\r':
    case U'\n':
        if (TakesControlChar(ch)) UserInsert("\n", TEditKind::Typing);
        return;
    case U'\t':
        if (TakesControlChar(ch)) UserInsert("\t", TEditKind::Typing);
        return;
    default:
        // Other control characters (Ctrl+letter) are the keys' business.
        if (!IsControlChar(ch)) UserInsert(Utf8::Encode(ch), TEditKind::Typing);
        return;
    }
}

void TCustomEdit::UserInsert(const std::string& text, TEditKind kind)
{
    if (m_readOnly) return;
    if (m_text->Insert(FoldCase(text, m_charCase), kind)) Updated({.TextChanged = true, .ByUser = true});
}

// --- the mouse and the focus ---------------------------------------------------------------------

TEditPos TCustomEdit::PosAtPoint(TPoint client) const
{
    const TRect text = TextRect();
    const int height = LineHeight();
    const int dy = client.Y - text.Top;
    // Rounded down, also above the text.
    const int rows = dy >= 0 ? dy / height : -((height - 1 - dy) / height);
    return m_text->PosAt(m_topRow + rows, client.X - text.Left + m_scrollX);
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (!Focused() && CanFocus()) SetFocus();
        const TEditPos pos = PosAtPoint({x, y});
        m_selecting = !shift.Contains(ssDouble);
        if (m_selecting)
            m_text->MoveCaret(pos, ModeFor(shift));
        else if (m_passwordChar)
            m_text->SelectAll();
        else
            m_text->SelectWordAt(pos);
        Updated({});
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y)
{
    if (m_selecting && shift.Contains(ssLeft)) {
        const TEditPos pos = PosAtPoint({x, y});
        if (pos != m_text->Caret()) {
            m_text->MoveCaret(pos, TSelectMode::Extend);
            Updated({});
        }
    }
    TWinControl::MouseMove(shift, x, y);
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) m_selecting = false;
    TWinControl::MouseUp(button, shift, x, y);
}

// Entered from the keyboard (not by a click), a single line is selected whole.
void TCustomEdit::DoEnter()
{
    if (m_autoSelect && !ControlState().Contains(csLButtonDown) && m_text->LineMode() == TEditLines::Single) {
        SelectAll();
    }
    TWinControl::DoEnter();
}
