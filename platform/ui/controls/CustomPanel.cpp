#include "platform/ui/controls/CustomPanel.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/controls/Frame3D.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TCustomPanel);

void TCustomPanel::Publish(TClassBuilder<TCustomPanel>& /*c*/) {}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                     csReplicatable});
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetColor(clBtnFace);
    SetParentBackground(true);
}

void TCustomPanel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED: Invalidate(); break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TCustomPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (m_borderStyle != bsNone) params.Style |= WS_BORDER;
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    if (m_alignment == alignment) return;
    m_alignment = alignment;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel)
{
    if (m_bevelInner == bevel) return;
    m_bevelInner = bevel;
    FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel)
{
    if (m_bevelOuter == bevel) return;
    m_bevelOuter = bevel;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int width)
{
    width = std::max(width, 1);
    if (m_bevelWidth == width) return;
    m_bevelWidth = width;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int width)
{
    width = std::max(width, 0);
    if (m_borderWidth == width) return;
    m_borderWidth = width;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style)
{
    style = style == bsNone ? bsNone : bsSingle;
    if (m_borderStyle == style) return;
    m_borderStyle = style;
    RecreateWnd();
    Realign();
}

void TCustomPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

int TCustomPanel::FrameWidth() const
{
    int width = m_borderWidth;
    if (m_bevelOuter != bvNone) width += m_bevelWidth;
    if (m_bevelInner != bvNone) width += m_bevelWidth;
    return width;
}

void TCustomPanel::AdjustClientRect(TRect& rect)
{
    TCustomControl::AdjustClientRect(rect);
    const int frame = FrameWidth();
    rect = rect.Inflated(-frame, -frame);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        const bool lowered = cut == bvLowered;
        Frame3D(canvas, rect, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow,
                m_bevelWidth);
    };
    bevel(m_bevelOuter);
    Frame3D(canvas, rect, Color(), Color(), m_borderWidth);
    bevel(m_bevelInner);
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(rect);
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetFont(Font());
    const int textHeight = canvas.TextHeight("W");
    rect.Top = (rect.Top + rect.Bottom - textHeight) / 2;
    rect.Bottom = rect.Top + textHeight;
    static constexpr UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    RECT textRect = rect;
    DrawText(canvas.Handle(), caption, -1, textRect, DT_EXPANDTABS | kAlignments[m_alignment]);
}
