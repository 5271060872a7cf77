// TCustomMaskEdit: the mask, EditText and Text, validation.

#include "platform/ui/edit/CustomMaskEdit.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Utf8.h"
#include "platform/ui/edit/EditMask.h"
#include "platform/ui/edit/EditText.h"
#include "platform/win/EditMessages.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TCustomMaskEdit);

void TCustomMaskEdit::Publish(TClassBuilder<TCustomMaskEdit>& /*c*/) {}

namespace {

std::string Encode(std::u32string_view text)
{
    std::string out;
    for (const char32_t cp : text) Utf8::AppendCodePoint(out, cp);
    return out;
}

std::string Needed(TEditMask::TAccept accept)
{
    switch (accept) {
    case TEditMask::TAccept::Letter: return "a letter";
    case TEditMask::TAccept::AlphaNumeric: return "a letter or digit";
    case TEditMask::TAccept::Digit:
    case TEditMask::TAccept::DigitOrSign: return "a digit";
    case TEditMask::TAccept::Any:
    case TEditMask::TAccept::Literal: break;
    }
    return "a character";
}

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner), m_mask(std::make_unique<TEditMask>()) {}

TCustomMaskEdit::~TCustomMaskEdit() = default;

bool TCustomMaskEdit::IsMasked() const
{
    return !m_mask->Empty();
}

std::u32string TCustomMaskEdit::CurrentEditText() const
{
    return Utf8::DecodeAll(Editor().Text());
}

void TCustomMaskEdit::SetEditMask(const std::string& mask)
{
    if (mask == m_maskText) return;
    auto parsed = std::make_unique<TEditMask>(mask);
    const std::string value = Text();
    m_maskText = mask;
    m_mask = std::move(parsed);
    SetMaxLength(m_mask->Count());
    m_undoEditText.clear();
    // The value carries over into the new mask.
    std::string shown = IsMasked() ? Encode(m_mask->EditTextOf(Utf8::DecodeAll(value))) : value;
    TMessage set{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&shown), 0};
    TCustomEdit::Dispatch(set);
}

std::string TCustomMaskEdit::EditText() const
{
    return Editor().Text();
}

void TCustomMaskEdit::SetEditText(const std::string& text)
{
    if (!IsMasked()) {
        SetText(text);
        return;
    }
    std::string shown = Encode(m_mask->Conformed(Utf8::DecodeAll(text)));
    TMessage set{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&shown), 0};
    TCustomEdit::Dispatch(set);
}

void TCustomMaskEdit::Apply(const std::u32string& editText, int caret, bool byUser)
{
    const std::u32string old = CurrentEditText();
    if (editText != old) {
        std::size_t first = 0;
        while (first < old.size() && first < editText.size() && old[first] == editText[first]) ++first;
        std::size_t oldEnd = old.size();
        std::size_t newEnd = editText.size();
        while (oldEnd > first && newEnd > first && old[oldEnd - 1] == editText[newEnd - 1]) --oldEnd, --newEnd;
        if (byUser) {
            m_undoEditText = old;
            SetModified(true);
        }
        ReplaceText(int(first), int(oldEnd), Encode(editText.substr(first, newEnd - first)));
    }
    SetSelStart(caret);
}

// --- Text and EditText ------------------------------------------------------------------

void TCustomMaskEdit::WMGetText(TMessage& message)
{
    const std::string text = Encode(m_mask->TextOf(CurrentEditText()));
    if (auto* out = reinterpret_cast<std::string*>(message.LParam)) *out = text;
    message.Result = LRESULT(text.size());
}

void TCustomMaskEdit::WMGetTextLength(TMessage& message)
{
    message.Result = LRESULT(Encode(m_mask->TextOf(CurrentEditText())).size());
}

void TCustomMaskEdit::WMSetText(TMessage& message)
{
    const auto* text = reinterpret_cast<const std::string*>(message.LParam);
    std::string shown = Encode(m_mask->EditTextOf(Utf8::DecodeAll(text ? *text : std::string())));
    m_undoEditText.clear();
    TMessage set{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&shown), 0};
    TCustomEdit::Dispatch(set);
    message.Result = set.Result;
}

// --- validation -----------------------------------------------------------------------

void TCustomMaskEdit::ValidateEdit()
{
    if (!IsMasked()) return;
    const std::optional<int> missing = m_mask->FirstMissing(CurrentEditText());
    if (!missing) return;
    if (CanFocus()) SetFocus();
    SetSelStart(*missing);
    throw EMaskEditError("Invalid input value: position " + std::to_string(*missing + 1) + " needs " +
                         Needed(m_mask->Position(*missing).Accept) + ". Complete the entry or clear it.");
}

// An untouched or entirely blank field has no value to check.
void TCustomMaskEdit::DoExit()
{
    if (IsMasked() && Modified() && !m_mask->IsAllBlank(CurrentEditText())) ValidateEdit();
    TCustomEdit::DoExit();
}

void TCustomMaskEdit::Dispatch(TMessage& message)
{
    if (!IsMasked()) {
        TCustomEdit::Dispatch(message);
        return;
    }
    switch (message.Msg) {
    case WM_GETTEXT: WMGetText(message); break;
    case WM_GETTEXTLENGTH: WMGetTextLength(message); break;
    case WM_SETTEXT: WMSetText(message); break;
    case WM_CHAR: WMChar(message); break;
    case WM_KEYDOWN: WMKeyDown(message); break;
    case WM_CUT: WMCut(message); break;
    case WM_PASTE: WMPaste(message); break;
    case WM_CLEAR: WMClear(message); break;
    case WM_UNDO:
    case EM_UNDO: WMUndo(message); break;
    case EM_REPLACESEL: EMReplaceSel(message); break;
    default: TCustomEdit::Dispatch(message); break;
    }
}
