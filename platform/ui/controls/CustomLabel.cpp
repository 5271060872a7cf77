#include "platform/ui/controls/CustomLabel.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/base/WinControl.h"
#include "platform/win/Gdi.h"
#include "platform/win/Messages.h"

QZ_IMPLEMENT_CLASS(TCustomLabel);

void TCustomLabel::Publish(TClassBuilder<TCustomLabel>& /*c*/) {}

namespace {

// A memory context with a font selected, for measuring text without a window.
class TMeasuringDC {
public:
    explicit TMeasuringDC(const TFont& font) : m_dc(CreateCompatibleDC(nullptr))
    {
        m_oldFont = SelectObject(m_dc, font.Handle());
    }
    ~TMeasuringDC()
    {
        SelectObject(m_dc, m_oldFont);
        DeleteDC(m_dc);
    }
    TMeasuringDC(const TMeasuringDC&) = delete;
    TMeasuringDC& operator=(const TMeasuringDC&) = delete;

    [[nodiscard]] HDC Handle() const { return m_dc; }

private:
    HDC m_dc = nullptr;
    HGDIOBJ m_oldFont = nullptr;
};

constexpr UINT kAlignmentFormats[] = {DT_LEFT, DT_RIGHT, DT_CENTER};  // by TAlignment

}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle().Include(csOpaque).Include(csReplicatable));
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetParentColor(true);
}

void TCustomLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        Invalidate();
        AdjustBounds();
        break;
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(message);
        AdjustBounds();
        break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    default: TGraphicControl::Dispatch(message); break;
    }
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    if (m_alignment == alignment) return;
    m_alignment = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    if (m_layout == layout) return;
    m_layout = layout;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    if (m_wordWrap == wordWrap) return;
    m_wordWrap = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    if (m_autoSize == autoSize) return;
    m_autoSize = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    if (Transparent() == transparent) return;
    TControlStyle style = ControlStyle();
    if (transparent)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show)
{
    if (m_showAccelChar == show) return;
    m_showAccelChar = show;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    if (m_focusControl == control) return;
    if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
    m_focusControl = control;
    if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == m_focusControl) m_focusControl = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TCustomLabel::TextFormat() const
{
    UINT format = DT_EXPANDTABS | kAlignmentFormats[m_alignment];
    if (m_wordWrap) format |= DT_WORDBREAK;
    if (!m_showAccelChar) format |= DT_NOPREFIX;
    return format;
}

std::string TCustomLabel::MeasuredText() const
{
    std::string text = Caption();
    if (text.empty() || (m_showAccelChar && text == "&")) text += ' ';
    return text;
}

void TCustomLabel::AdjustBounds()
{
    if (!m_autoSize || IsLoading()) return;
    RECT rect = TRect::FromSize(0, 0, m_wordWrap ? Width() : 0, 0);
    const TMeasuringDC dc(*Font());
    DrawText(dc.Handle(), MeasuredText(), -1, rect, TextFormat() | DT_CALCRECT);
    const int left = m_alignment == taRightJustify ? Left() + Width() - rect.Width() : Left();
    SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    if (IsOpaque()) {
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(rect);
    }
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas.SetFont(Font());
    const UINT format = TextFormat();
    if (m_layout != tlTop) {
        TRect needed = rect;
        DrawCaptionText(canvas, needed, caption, format | DT_CALCRECT);
        const int spare = rect.Height() - needed.Height();
        rect = rect.Offset(0, m_layout == tlBottom ? spare : spare / 2);
    }
    DrawCaptionText(canvas, rect, caption, format, Enabled() ? TCaptionInk::Normal : TCaptionInk::Etched);
}

void TCustomLabel::CMDialogChar(TMessage& message)
{
    if (m_focusControl && Enabled() && m_showAccelChar && IsAccel(char32_t(message.WParam), Caption()) &&
        m_focusControl->CanFocus()) {
        m_focusControl->SetFocus();
        message.Result = 1;
        return;
    }
    TGraphicControl::Dispatch(message);
}
