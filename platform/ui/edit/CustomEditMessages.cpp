// TCustomEdit's clipboard, undo and EM_* messages.

#include "platform/ui/edit/CustomEdit.h"

#include "platform/ui/edit/EditText.h"
#include "platform/win/EditMessages.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <cstdint>

// Text of a password edit never leaves it.
void TCustomEdit::WMCopy(TMessage& /*message*/)
{
    if (m_passwordChar == 0 && m_text->HasSelection()) SetClipboardText(m_text->SelectedText());
}

void TCustomEdit::WMCut(TMessage& message)
{
    if (m_readOnly || m_passwordChar != 0) return;
    WMCopy(message);
    WMClear(message);
}

void TCustomEdit::WMPaste(TMessage& /*message*/)
{
    UserInsert(GetClipboardText(), TEditKind::Other);
}

void TCustomEdit::WMClear(TMessage& /*message*/)
{
    if (m_readOnly || !m_text->HasSelection()) return;
    m_text->DeleteForward();
    Updated({.TextChanged = true, .ByUser = true});
}

void TCustomEdit::WMUndo(TMessage& message)
{
    message.Result = FALSE;
    if (m_readOnly || !m_text->Undo()) return;
    Updated({.TextChanged = true, .ByUser = true});
    message.Result = TRUE;
}

// --- EM_* ----------------------------------------------------------------------------------

void TCustomEdit::EMGetSel(TMessage& message)
{
    const int start = SelStart();
    const int end = start + SelLength();
    if (auto* out = reinterpret_cast<DWORD*>(message.WParam)) *out = DWORD(start);
    if (auto* out = reinterpret_cast<DWORD*>(message.LParam)) *out = DWORD(end);
    message.Result = LRESULT(MAKELONG(WORD(std::min(start, 0xFFFF)), WORD(std::min(end, 0xFFFF))));
}

void TCustomEdit::EMSetSel(TMessage& message)
{
    const auto anchor = int(std::intptr_t(message.WParam));
    const auto caret = int(message.LParam);
    if (anchor < 0)
        m_text->MoveCaret(m_text->Caret(), TSelectMode::Move);
    else
        m_text->Select(m_text->PosOf(anchor), caret < 0 ? m_text->End() : m_text->PosOf(caret));
    Updated({});
}

void TCustomEdit::EMReplaceSel(TMessage& message)
{
    const auto* text = reinterpret_cast<const std::string*>(message.LParam);
    const bool changed = text && m_text->Insert(FoldCase(*text, m_charCase), TEditKind::Other);
    if (message.WParam == 0) m_text->ClearUndo();
    Updated({.TextChanged = changed});
}

void TCustomEdit::EMLineScroll(TMessage& message)
{
    const auto chars = int(std::intptr_t(message.WParam));
    ScrollTo(m_topRow + int(message.LParam), m_scrollX + chars * CharStep());
    message.Result = TRUE;
}
