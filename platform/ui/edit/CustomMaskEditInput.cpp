// TCustomMaskEdit's typing, deleting, clipboard and undo while a mask is set.

#include "platform/ui/edit/CustomMaskEdit.h"

#include "platform/core/Utf8.h"
#include "platform/gfx/TextLayout.h"
#include "platform/ui/edit/EditMask.h"
#include "platform/win/WinApi.h"

#include <algorithm>

bool TCustomMaskEdit::FillAtSelection(const std::u32string& chars)
{
    if (ReadOnly()) return false;
    std::u32string edit = CurrentEditText();
    const int start = SelStart();
    const int end = start + SelLength();
    std::u32string filled = edit;
    for (int i = start; i < end; ++i) {
        if (!m_mask->IsLiteral(i)) filled[std::size_t(i)] = m_mask->Blank();
    }
    const std::optional<int> caret = m_mask->Fill(filled, start, chars);
    if (!caret) return false;
    Apply(filled, *caret, true);
    return true;
}

void TCustomMaskEdit::BlankSelection()
{
    std::u32string edit = CurrentEditText();
    const int start = SelStart();
    const int end = start + SelLength();
    for (int i = start; i < end; ++i) {
        if (!m_mask->IsLiteral(i)) edit[std::size_t(i)] = m_mask->Blank();
    }
    Apply(edit, start, true);
}

void TCustomMaskEdit::DeleteChar(bool backward)
{
    if (ReadOnly()) return;
    if (SelLength() > 0) {
        BlankSelection();
        return;
    }
    const int caret = SelStart();
    const int target = backward ? m_mask->PreviousInput(caret) : m_mask->NextInput(caret);
    if (target < 0 || target >= m_mask->Count()) return;
    std::u32string edit = CurrentEditText();
    edit[std::size_t(target)] = m_mask->Blank();
    Apply(edit, backward ? target : caret, true);
}

// --- keys and characters ---------------------------------------------------------------

void TCustomMaskEdit::WMChar(TMessage& message)
{
    if (DoKeyPress(message)) return;
    const auto ch = char32_t(message.WParam);
    if (ch == U'\b') {
        DeleteChar(true);
        return;
    }
    // Other control characters (Ctrl+letter, Enter, Tab) are the keys' business.
    if (IsControlChar(ch) || ReadOnly()) return;
    if (!FillAtSelection(std::u32string(1, ch))) MessageBeep(0);
}

void TCustomMaskEdit::WMKeyDown(TMessage& message)
{
    const bool plainDelete = message.WParam == VK_DELETE && GetKeyState(VK_SHIFT) >= 0;
    if (!plainDelete) {
        TCustomEdit::Dispatch(message);
        return;
    }
    if (DoKeyDown(message)) return;
    DeleteChar(false);
}

// --- clipboard and undo --------------------------------------------------------------------

void TCustomMaskEdit::WMCut(TMessage& message)
{
    if (ReadOnly() || PasswordChar() != 0) return;
    CopyToClipboard();
    WMClear(message);
}

void TCustomMaskEdit::WMClear(TMessage& /*message*/)
{
    if (!ReadOnly() && SelLength() > 0) BlankSelection();
}

// Pasted text goes in as typed; what fits nowhere is left out.
void TCustomMaskEdit::WMPaste(TMessage& /*message*/)
{
    FillAtSelection(Utf8::DecodeAll(GetClipboardText()));
}

void TCustomMaskEdit::EMReplaceSel(TMessage& message)
{
    const auto* text = reinterpret_cast<const std::string*>(message.LParam);
    if (text) FillAtSelection(Utf8::DecodeAll(*text));
}

void TCustomMaskEdit::WMUndo(TMessage& message)
{
    message.Result = FALSE;
    if (ReadOnly() || m_undoEditText.empty()) return;
    const std::u32string before = m_undoEditText;
    Apply(before, std::min(SelStart(), int(before.size())), true);
    message.Result = TRUE;
}
