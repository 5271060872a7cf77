// TCustomEdit: construction, properties, Dispatch, the text and the selection.

#include "platform/ui/edit/CustomEdit.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Utf8.h"
#include "platform/ui/edit/CharWidths.h"
#include "platform/ui/edit/EditText.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/EditMessages.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TCustomEdit);

void TCustomEdit::Publish(TClassBuilder<TCustomEdit>& /*c*/) {}

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomEdit(owner, TEditLines::Single) {}

TCustomEdit::TCustomEdit(TComponent* owner, TEditLines lines)
    : TWinControl(owner),
      m_text(std::make_unique<TEditText>(lines)),
      m_widths(std::make_unique<TCharWidths>(Font()))
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks});
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetTabStop(true);
    SetCursor(crIBeam);
    m_text->SetMeasure([this](char32_t cp) { return MeasureChar(cp); });
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETTEXT: WMGetText(message); break;
    case WM_GETTEXTLENGTH: WMGetTextLength(message); break;
    case WM_SETTEXT: WMSetText(message); break;
    case WM_GETDLGCODE: message.Result = DialogCode(); break;
    case WM_PAINT: WMPaint(message); break;
    case WM_SIZE: WMSize(message); break;
    case WM_TIMER: WMTimer(message); break;
    case WM_SETFOCUS: WMSetFocus(message); break;
    case WM_KILLFOCUS: WMKillFocus(message); break;
    case WM_KEYDOWN: WMKeyDown(message); break;
    case WM_CHAR: WMChar(message); break;
    case WM_COPY: WMCopy(message); break;
    case WM_CUT: WMCut(message); break;
    case WM_PASTE: WMPaste(message); break;
    case WM_CLEAR: WMClear(message); break;
    case WM_UNDO:
    case EM_UNDO: WMUndo(message); break;
    case EM_GETSEL: EMGetSel(message); break;
    case EM_SETSEL: EMSetSel(message); break;
    case EM_REPLACESEL: EMReplaceSel(message); break;
    case EM_LINESCROLL: EMLineScroll(message); break;
    case EM_SCROLLCARET: Updated({}); break;
    case EM_GETMODIFY: message.Result = m_modified; break;
    case EM_SETMODIFY: m_modified = message.WParam != 0; break;
    case EM_GETLINECOUNT: message.Result = m_text->RowCount(); break;
    case EM_LIMITTEXT: SetMaxLength(int(message.WParam)); break;
    case EM_GETLIMITTEXT: message.Result = MaxLength(); break;
    case EM_CANUNDO: message.Result = CanUndo(); break;
    case EM_EMPTYUNDOBUFFER: ClearUndo(); break;
    case EM_GETFIRSTVISIBLELINE: message.Result = m_topRow; break;
    case EM_SETREADONLY: SetReadOnly(message.WParam != 0); message.Result = TRUE; break;
    case CM_FONTCHANGED: CMFontChanged(message); break;
    default: TWinControl::Dispatch(message); break;
    }
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    if (m_borderStyle != bsNone) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    LayoutChanged();
}

// --- properties ----------------------------------------------------------------------

void TCustomEdit::SetBorderStyle(TBorderStyle style)
{
    style = style == bsNone ? bsNone : bsSingle;
    if (m_borderStyle == style) return;
    m_borderStyle = style;
    RecreateWnd();
    LayoutChanged();
}

void TCustomEdit::SetCharCase(TEditCharCase charCase)
{
    if (m_charCase == charCase) return;
    m_charCase = charCase;
    const std::string text = m_text->Text();
    const std::string folded = FoldCase(text, charCase);
    if (folded != text) ReplaceText(0, m_text->Length(), folded);
}

void TCustomEdit::SetHideSelection(bool hide)
{
    if (m_hideSelection == hide) return;
    m_hideSelection = hide;
    Invalidate();
}

int TCustomEdit::MaxLength() const
{
    return m_text->MaxLength();
}

void TCustomEdit::SetMaxLength(int maxLength)
{
    m_text->SetMaxLength(maxLength);
}

void TCustomEdit::SetPasswordChar(char32_t ch)
{
    if (m_passwordChar == ch) return;
    m_passwordChar = ch;
    Remeasure();
}

std::string TCustomEdit::PasswordCharText() const
{
    return m_passwordChar ? Utf8::Encode(m_passwordChar) : std::string();
}

void TCustomEdit::SetPasswordCharText(const std::string& text)
{
    SetPasswordChar(text.empty() ? 0 : Utf8::DecodeNext(text, 0).Value);
}

int TCustomEdit::MeasureChar(char32_t cp) const
{
    return m_widths->Advance(m_passwordChar ? m_passwordChar : cp);
}

// --- the text ---------------------------------------------------------------------------

void TCustomEdit::WMGetText(TMessage& message)
{
    const std::string text = m_text->Text();
    if (auto* out = reinterpret_cast<std::string*>(message.LParam)) *out = text;
    message.Result = LRESULT(text.size());
}

void TCustomEdit::WMGetTextLength(TMessage& message)
{
    message.Result = LRESULT(m_text->Text().size());
}

void TCustomEdit::WMSetText(TMessage& message)
{
    const auto* text = reinterpret_cast<const std::string*>(message.LParam);
    m_text->SetText(FoldCase(text ? *text : std::string(), m_charCase));
    m_modified = false;
    m_topRow = m_scrollX = 0;
    Updated({.TextChanged = true});
    message.Result = TRUE;
}

void TCustomEdit::ReplaceText(int start, int end, const std::string& text)
{
    m_text->Replace(start, end, text);
    Updated({.TextChanged = true, .ScrollToCaret = false});
}

void TCustomEdit::Change()
{
    if (OnChange) OnChange(this);
}

// Every step ends here: the view follows the caret, the scroll bars and the
// input method follow the view, and OnChange comes last, since its handler
// may do anything.
void TCustomEdit::Updated(TEditUpdate update)
{
    m_desiredX = -1;
    if (update.TextChanged && update.ByUser) m_modified = true;
    if (update.ScrollToCaret)
        EnsureCaretVisible();
    else
        ScrollTo(m_topRow, m_scrollX);
    UpdateScrollInfo();
    CaretChanged();
    Invalidate();
    if (update.TextChanged) Change();
}

// --- the selection --------------------------------------------------------------------

int TCustomEdit::SelStart() const
{
    return m_text->OffsetOf(m_text->SelStart());
}

void TCustomEdit::SetSelStart(int start)
{
    m_text->MoveCaret(m_text->PosOf(start), TSelectMode::Move);
    Updated({});
}

int TCustomEdit::SelLength() const
{
    return m_text->OffsetOf(m_text->SelEnd()) - SelStart();
}

void TCustomEdit::SetSelLength(int length)
{
    const int start = SelStart();
    m_text->Select(m_text->PosOf(start), m_text->PosOf(start + std::max(0, length)));
    Updated({});
}

std::string TCustomEdit::SelText() const
{
    return m_text->SelectedText();
}

void TCustomEdit::SetSelText(const std::string& text)
{
    Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(&text));
}

void TCustomEdit::SelectAll()
{
    m_text->SelectAll();
    Updated({});
}

void TCustomEdit::ClearSelection()
{
    Perform(WM_CLEAR, 0, 0);
}

// --- clipboard and undo -------------------------------------------------------------

void TCustomEdit::CopyToClipboard()
{
    Perform(WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard()
{
    Perform(WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard()
{
    Perform(WM_PASTE, 0, 0);
}

bool TCustomEdit::CanUndo() const
{
    return m_text->CanUndo();
}

void TCustomEdit::Undo()
{
    Perform(WM_UNDO, 0, 0);
}

void TCustomEdit::ClearUndo()
{
    m_text->ClearUndo();
}

// --- size and font ------------------------------------------------------------------

void TCustomEdit::WMSize(TMessage& message)
{
    TWinControl::Dispatch(message);
    LayoutChanged();
}

void TCustomEdit::LayoutChanged()
{
    m_text->SetWrapWidth(WrapsLines() ? TextRect().Width() : 0);
    Updated({.ScrollToCaret = false});
}

void TCustomEdit::CMFontChanged(TMessage& message)
{
    TWinControl::Dispatch(message);
    m_widths->Reset();
    Remeasure();
}

void TCustomEdit::Remeasure()
{
    m_text->SetMeasure([this](char32_t cp) { return MeasureChar(cp); });
    LayoutChanged();
}
