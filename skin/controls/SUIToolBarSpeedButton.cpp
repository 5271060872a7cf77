#include "skin/controls/SUIToolBarSpeedButton.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/win/Messages.h"

namespace {

constexpr int kGlyphOffset = 1;  // pixels from the top-left corner

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiToolBarSpeedButton);

void TsuiToolBarSpeedButton::Publish(TClassBuilder<TsuiToolBarSpeedButton>& c)
{
    c.Creatable<TComponent>();
    c.SubObject("Glyph", &TsuiToolBarSpeedButton::Glyph, &TsuiToolBarSpeedButton::SetGlyph);
    c.Color("Color", &TControl::Color, &TControl::SetColor);
    c.Property("OnClick", &TControl::OnClick);
}

TsuiToolBarSpeedButton::TsuiToolBarSpeedButton(TComponent* owner)
    : TCustomPanel(owner), m_glyph(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), kSize, kSize);
    SetCaption("");
    m_glyph->SetTransparent(true);
}

TsuiToolBarSpeedButton::~TsuiToolBarSpeedButton() = default;

void TsuiToolBarSpeedButton::SetGlyph(TBitmap* glyph)
{
    if (glyph) m_glyph->Assign(*glyph);
    else m_glyph = std::make_unique<TBitmap>();
    m_glyph->SetTransparent(true);
    Invalidate();
}

void TsuiToolBarSpeedButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TCustomPanel::Dispatch(message);
        SetHot(true);
        break;
    case CM_MOUSELEAVE:
        TCustomPanel::Dispatch(message);
        SetHot(false);
        break;
    default: TCustomPanel::Dispatch(message); break;
    }
}

void TsuiToolBarSpeedButton::SetHot(bool hot)
{
    if (m_hot == hot) return;
    m_hot = hot;
    Invalidate();
}

void TsuiToolBarSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    if (m_hot) {
        canvas->Brush()->SetColor(clBlack);
        canvas->FrameRect(ClientRect());
    }
    if (!m_glyph->Empty()) canvas->Draw(kGlyphOffset, kGlyphOffset, m_glyph.get());
}
