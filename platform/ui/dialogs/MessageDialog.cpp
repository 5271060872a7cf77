#include "platform/ui/dialogs/MessageDialog.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Utf8.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/dialogs/MessageBoxHook.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/ui/forms/Screen.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>

QZ_IMPLEMENT_CLASS(TMessageDialog);

void TMessageDialog::Publish(TClassBuilder<TMessageDialog>& /*c*/) {}

namespace {

constexpr UINT kDefaultButtonMask = 0x00000F00;  // the MB_DEFBUTTONn bits
constexpr int kDefaultButtonShift = 8;           // bits

// A button of a message box and the answer it gives.
struct TAnswerButton {
    const char* Caption;
    int Result;  // ID*
};

constexpr TAnswerButton kOk{"确定", IDOK};
constexpr TAnswerButton kCancel{"取消", IDCANCEL};
constexpr TAnswerButton kYes{"是", IDYES};
constexpr TAnswerButton kNo{"否", IDNO};
constexpr TAnswerButton kAbort{"中止", IDABORT};
constexpr TAnswerButton kRetry{"重试", IDRETRY};
constexpr TAnswerButton kIgnore{"忽略", IDIGNORE};

constexpr std::array kOkButtons{kOk};
constexpr std::array kOkCancelButtons{kOk, kCancel};
constexpr std::array kAbortRetryIgnoreButtons{kAbort, kRetry, kIgnore};
constexpr std::array kYesNoCancelButtons{kYes, kNo, kCancel};
constexpr std::array kYesNoButtons{kYes, kNo};
constexpr std::array kRetryCancelButtons{kRetry, kCancel};

// The buttons of an MB_* button set, left to right; unknown sets show OK.
std::span<const TAnswerButton> ButtonsOf(UINT flags)
{
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return kOkCancelButtons;
    case MB_ABORTRETRYIGNORE: return kAbortRetryIgnoreButtons;
    case MB_YESNOCANCEL: return kYesNoCancelButtons;
    case MB_YESNO: return kYesNoButtons;
    case MB_RETRYCANCEL: return kRetryCancelButtons;
    default: return kOkButtons;
    }
}

// The ID* Escape answers: Cancel, or OK when it stands alone; 0 for none.
int EscapeResultOf(std::span<const TAnswerButton> buttons)
{
    for (const TAnswerButton& answer : buttons) {
        if (answer.Result == IDCANCEL) return IDCANCEL;
    }
    return buttons.size() == 1 && buttons[0].Result == IDOK ? IDOK : 0;
}

// --- icons --------------------------------------------------------------------------------
// Shapes in the icon's 32-pixel square, as offsets from its top-left.

using TQuad = std::array<TPoint, 4>;
constexpr TQuad kStopStrokeDown{{{9, 11}, {11, 9}, {23, 21}, {21, 23}}};  // the cross's "\" stroke
constexpr TQuad kStopStrokeUp{{{21, 9}, {23, 11}, {11, 23}, {9, 21}}};    // its "/" stroke
constexpr std::array<TPoint, 3> kWarningTriangle{{{16, 1}, {31, 30}, {0, 30}}};
constexpr TRect kWarningBar{15, 10, 18, 22};
constexpr TRect kWarningDot{15, 24, 18, 27};
constexpr TRect kInformationDot{14, 6, 18, 10};
constexpr TRect kInformationBar{14, 13, 18, 26};
constexpr int kQuestionMarkHeight = -24;  // pixels, the em size of the "?"

template <std::size_t N>
void FillShape(TCanvas& canvas, TPoint at, const std::array<TPoint, N>& points, TColor face, TColor rim)
{
    std::array<TPoint, N> moved;
    for (std::size_t i = 0; i < N; ++i) moved[i] = points[i] + at;
    canvas.Pen()->SetColor(rim);
    canvas.Brush()->SetColor(face);
    canvas.Polygon(moved);
}

void FillBox(TCanvas& canvas, TPoint at, const TRect& box, TColor color)
{
    canvas.Brush()->SetColor(color);
    canvas.FillRect(box.Offset(at));
}

void Disc(TCanvas& canvas, TPoint at, TColor face, TColor rim)
{
    canvas.Pen()->SetColor(rim);
    canvas.Brush()->SetColor(face);
    canvas.Ellipse(TRect::FromSize(0, 0, TMessageDialog::kIconSize, TMessageDialog::kIconSize).Offset(at));
}

void PaintStop(TCanvas& canvas, TPoint at)
{
    Disc(canvas, at, clRed, clMaroon);
    FillShape(canvas, at, kStopStrokeDown, clWhite, clWhite);
    FillShape(canvas, at, kStopStrokeUp, clWhite, clWhite);
}

void PaintWarning(TCanvas& canvas, TPoint at)
{
    FillShape(canvas, at, kWarningTriangle, clYellow, clBlack);
    FillBox(canvas, at, kWarningBar, clBlack);
    FillBox(canvas, at, kWarningDot, clBlack);
}

void PaintInformation(TCanvas& canvas, TPoint at)
{
    Disc(canvas, at, clBlue, clNavy);
    FillBox(canvas, at, kInformationDot, clWhite);
    FillBox(canvas, at, kInformationBar, clWhite);
}

void PaintQuestion(TCanvas& canvas, TPoint at)
{
    Disc(canvas, at, clWhite, clNavy);
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(kQuestionMarkHeight);
    canvas.Font()->SetStyle({fsBold});
    canvas.Font()->SetColor(clBlue);
    canvas.Brush()->SetStyle(bsClear);
    const TSize mark = canvas.TextExtent("?");
    const int size = TMessageDialog::kIconSize;
    canvas.TextOut(at.X + (size - mark.cx) / 2, at.Y + (size - mark.cy) / 2, "?");
}

}  // namespace

TMessageIcon MessageIconOf(UINT flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP: return TMessageIcon::Stop;
    case MB_ICONQUESTION: return TMessageIcon::Question;
    case MB_ICONWARNING: return TMessageIcon::Warning;
    case MB_ICONINFORMATION: return TMessageIcon::Information;
    default: return TMessageIcon::None;
    }
}

void PaintMessageIcon(TCanvas& canvas, const TRect& rect, TMessageIcon icon)
{
    const TPoint at = rect.TopLeft();
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Brush()->SetStyle(bsSolid);
    switch (icon) {
    case TMessageIcon::Stop: PaintStop(canvas, at); break;
    case TMessageIcon::Question: PaintQuestion(canvas, at); break;
    case TMessageIcon::Warning: PaintWarning(canvas, at); break;
    case TMessageIcon::Information: PaintInformation(canvas, at); break;
    case TMessageIcon::None: break;
    }
}

TMessageDialogLayout LayoutMessageDialog(TSize text, bool hasIcon, int buttonCount)
{
    using D = TMessageDialog;
    TMessageDialogLayout layout;
    const int iconSize = hasIcon ? D::kIconSize : 0;
    if (hasIcon) layout.Icon = TRect::FromSize(D::kMargin, D::kMargin, D::kIconSize, D::kIconSize);
    const int textLeft = hasIcon ? layout.Icon.Right + D::kIconTextGap : D::kMargin;
    // Text shorter than the icon stands level with its middle.
    const int textTop = D::kMargin + std::max(0, (iconSize - text.cy) / 2);
    layout.Text = TRect::FromSize(textLeft, textTop, text.cx, text.cy);
    const int contentRight = std::max(layout.Text.Right, layout.Icon.Right);
    const int contentBottom = std::max(layout.Text.Bottom, D::kMargin + iconSize);

    const int rowWidth = buttonCount * TButton::kDefaultWidth + std::max(0, buttonCount - 1) * D::kButtonGap;
    const int clientWidth = std::max(contentRight, D::kMargin + rowWidth) + D::kMargin;
    const int rowTop = contentBottom + D::kRowGap;
    int x = (clientWidth - rowWidth) / 2;
    for (int i = 0; i < buttonCount; ++i) {
        layout.Buttons.push_back(TRect::FromSize(x, rowTop, TButton::kDefaultWidth, TButton::kDefaultHeight));
        x += TButton::kDefaultWidth + D::kButtonGap;
    }
    layout.Client = {clientWidth, rowTop + TButton::kDefaultHeight + D::kMargin};
    return layout;
}

TMessageDialog::TMessageDialog(TComponent* owner, const std::string& text, const std::string& caption, UINT flags)
    : TForm(owner), m_icon(MessageIconOf(flags))
{
    SetBorderStyle(bsDialog);
    SetPosition(poDesktopCenter);
    SetCaption(caption);
    m_label = new TLabel(this);
    m_label->SetParent(this);
    m_label->SetShowAccelChar(false);
    m_label->SetWordWrap(true);
    m_label->SetWidth(kMaxTextWidth);
    m_label->SetCaption(Utf8::Truncate(text, kMaxTextLength));
    CreateButtons(flags);
    ArrangeControls();
}

void TMessageDialog::CreateButtons(UINT flags)
{
    const std::span<const TAnswerButton> answers = ButtonsOf(flags);
    m_escapeResult = EscapeResultOf(answers);
    std::size_t defaultIndex = (flags & kDefaultButtonMask) >> kDefaultButtonShift;
    if (defaultIndex >= answers.size()) defaultIndex = 0;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        auto* button = new TButton(this);
        button->SetParent(this);
        button->SetCaption(answers[i].Caption);
        button->SetModalResult(answers[i].Result);
        button->SetDefault(i == defaultIndex);
        button->SetCancel(answers[i].Result == m_escapeResult);
        m_buttons.push_back(button);
    }
    SetActiveControl(m_buttons[defaultIndex]);
    // Without an answer for Escape the box cannot be closed either.
    if (m_escapeResult == 0) SetBorderIcons({});
}

void TMessageDialog::ArrangeControls()
{
    // The label has measured the text; from now on the layout sizes it.
    m_label->SetAutoSize(false);
    const TSize text{m_label->Width(), m_label->Height()};
    TMessageDialogLayout layout = LayoutMessageDialog(text, m_icon != TMessageIcon::None, ButtonCount());
    SetClientWidth(layout.Client.cx);
    SetClientHeight(layout.Client.cy);
    // Text too long for the work area is cut at the bottom.
    const int excess = Height() - Screen->WorkAreaHeight();
    if (excess > 0) {
        layout = LayoutMessageDialog({text.cx, std::max(0, text.cy - excess)}, m_icon != TMessageIcon::None,
                                     ButtonCount());
        SetClientHeight(layout.Client.cy);
    }
    m_iconRect = layout.Icon;
    m_label->SetBoundsRect(layout.Text);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) m_buttons[i]->SetBoundsRect(layout.Buttons[i]);
}

TButton* TMessageDialog::Buttons(int index) const
{
    if (index < 0 || index >= ButtonCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return m_buttons[std::size_t(index)];
}

int TMessageDialog::Execute()
{
    const TModalResult result = ShowModal();
    // Closed without a button (the close box): the answer Escape gives.
    const bool byButton = std::any_of(m_buttons.begin(), m_buttons.end(),
                                      [result](const TButton* b) { return b->ModalResult() == result; });
    if (!byButton && m_escapeResult != 0) return m_escapeResult;
    return result;
}

void TMessageDialog::Paint()
{
    TForm::Paint();
    PaintMessageIcon(*Canvas(), m_iconRect, m_icon);
}

int ShowMessageBoxDialog(const std::string& text, const std::string& caption, UINT flags)
{
    const std::unique_ptr<TMessageDialog> dialog(new TMessageDialog(nullptr, text, caption, flags));
    dialog->AfterConstruction();
    return dialog->Execute();
}
