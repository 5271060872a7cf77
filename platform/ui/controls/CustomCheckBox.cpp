#include "platform/ui/controls/CustomCheckBox.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"
#include "platform/win/Messages.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TCustomCheckBox);

void TCustomCheckBox::Publish(TClassBuilder<TCustomCheckBox>& /*c*/) {}

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;

}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetParentColor(true);
}

void TCustomCheckBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    default: TButtonControl::Dispatch(message); break;
    }
}

void TCustomCheckBox::SetAlignment(TAlignment alignment)
{
    if (alignment == taCenter) alignment = taRightJustify;
    if (m_alignment == alignment) return;
    m_alignment = alignment;
    Invalidate();
}

void TCustomCheckBox::SetState(TCheckBoxState state)
{
    if (m_state == state) return;
    m_state = state;
    Invalidate();
    if (!IsLoading()) Click();
}

void TCustomCheckBox::Toggle()
{
    switch (m_state) {
    case cbUnchecked: SetState(m_allowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

TCheckBoxLayout TCustomCheckBox::Layout() const
{
    const TRect client = ClientRect();
    const int boxTop = client.Top + (client.Height() - kBoxSize) / 2;
    if (m_alignment == taLeftJustify) {
        const TRect box = TRect::FromSize(client.Right - kBoxSize, boxTop, kBoxSize, kBoxSize);
        return {box, {client.Left, client.Top, box.Left - kTextGap, client.Bottom}};
    }
    const TRect box = TRect::FromSize(client.Left, boxTop, kBoxSize, kBoxSize);
    return {box, {box.Right + kTextGap, client.Top, client.Right, client.Bottom}};
}

UINT TCustomCheckBox::BoxState(const TButtonState& state) const
{
    // A grayed box is the classic three-state box, checked.
    UINT flags = m_state == cbGrayed ? UINT(DFCS_BUTTON3STATE | DFCS_CHECKED) : UINT(DFCS_BUTTONCHECK);
    if (m_state == cbChecked) flags |= DFCS_CHECKED;
    if (state.Pressed) flags |= DFCS_PUSHED;
    if (!state.Enabled) flags |= DFCS_INACTIVE;
    return flags;
}

void TCustomCheckBox::Paint()
{
    TCanvas& canvas = *Canvas();
    const TButtonState state = StateOf();
    const TCheckBoxLayout layout = Layout();
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
    RECT box = layout.Box;
    DrawFrameControl(canvas.Handle(), box, DFC_BUTTON, BoxState(state));

    const std::string caption = Caption();
    canvas.SetFont(Font());
    TRect text = layout.Text;
    DrawCaptionText(canvas, text, caption, kTextFormat, state.Enabled ? TCaptionInk::Normal : TCaptionInk::Etched);
    if (!state.Focused) return;
    TRect focus = layout.Box;
    if (!caption.empty()) {
        focus = layout.Text;
        DrawCaptionText(canvas, focus, caption, kTextFormat | DT_CALCRECT);
        focus = focus.Offset(0, (layout.Text.Height() - focus.Height()) / 2);
        focus.Right = std::min(focus.Right, layout.Text.Right);
    }
    canvas.DrawFocusRect(focus.Inflated(1, 1).Intersected(ClientRect()));
}

void TCustomCheckBox::CMDialogChar(TMessage& message)
{
    if (IsAccel(char32_t(message.WParam), Caption()) && CanFocus()) {
        message.Result = 1;
        SetFocus();
        if (Focused()) Toggle();
        return;
    }
    TButtonControl::Dispatch(message);
}
