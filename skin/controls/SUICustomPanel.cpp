#include "skin/controls/SUICustomPanel.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Graphic.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/win/Gdi.h"
#include "platform/win/Messages.h"
#include "skin/core/SUIPublic.h"

QZ_IMPLEMENT_CLASS(TsuiCustomPanel);

void TsuiCustomPanel::Publish(TClassBuilder<TsuiCustomPanel>& /*c*/) {}

TsuiCustomPanel::TsuiCustomPanel(TComponent* owner)
    : TCustomPanel(owner), m_picture(std::make_unique<TPicture>())
{
    m_picture->OnChange = [this](TObject* sender) { PictureChanged(sender); };
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    Invalidate();
}

TsuiCustomPanel::~TsuiCustomPanel()
{
    m_picture->OnChange = nullptr;
}

void TsuiCustomPanel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; break;
    case CM_TEXTCHANGED: CMTextChanged(message); break;
    default: TCustomPanel::Dispatch(message); break;
    }
}

void TsuiCustomPanel::SetPicture(TPicture* picture)
{
    if (picture) m_picture->Assign(*picture);
    else m_picture->SetGraphic(nullptr);
    ClearPanel();
    Invalidate();
}

void TsuiCustomPanel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    if (HasGraphic()) ApplyTransparent();
    Invalidate();
}

void TsuiCustomPanel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (HasGraphic()) ApplyAutoSize();
}

void TsuiCustomPanel::SetCaptionPosX(int x)
{
    m_captionPosX = x;
    Invalidate();
}

void TsuiCustomPanel::SetCaptionPosY(int y)
{
    m_captionPosY = y;
    Invalidate();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle style)
{
    m_drawStyle = style;
    ClearPanel();
    Invalidate();
}

void TsuiCustomPanel::ClearPanel()
{
    // Our controls never sit in a foreign window, so only the brush is set.
    Canvas()->Brush()->SetColor(Color());
}

void TsuiCustomPanel::RepaintText(const TRect& /*rect*/) {}

void TsuiCustomPanel::PictureChanged(TObject* /*sender*/)
{
    if (HasGraphic()) {
        if (m_autoSize) ApplyAutoSize();
        ApplyTransparent();
    }
    ClearPanel();
    Invalidate();
}

void TsuiCustomPanel::ApplyAutoSize()
{
    if (!m_autoSize) return;
    const TAlign align = Align();
    int width = Width();
    int height = Height();
    if (align != alTop && align != alBottom && align != alClient) width = m_picture->Width();
    if (align != alLeft && align != alRight && align != alClient) height = m_picture->Height();
    SetBounds(Left(), Top(), width, height);
}

void TsuiCustomPanel::ApplyTransparent()
{
    TGraphic* graphic = m_picture->Graphic();
    if (graphic->Transparent() != m_transparent) graphic->SetTransparent(m_transparent);
}

bool TsuiCustomPanel::HasGraphic() const
{
    return m_picture->Graphic() != nullptr;
}

void TsuiCustomPanel::Resize()
{
    TCustomPanel::Resize();
    Invalidate();
}

void TsuiCustomPanel::CMTextChanged(TMessage& /*message*/)
{
    RepaintText(m_captionRect);
    Invalidate();
}

void TsuiCustomPanel::Paint()
{
    TBitmap buffer(Width(), Height());
    TCanvas* canvas = buffer.Canvas();
    if (m_transparent) DoTrans(canvas, this);
    DrawPicture(canvas);
    DrawCaption(canvas);
    Canvas()->Draw(0, 0, &buffer);
}

void TsuiCustomPanel::DrawPicture(TCanvas* canvas)
{
    const TRect client = ClientRect();
    if (!HasGraphic()) {
        if (m_transparent) return;
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(client);
        return;
    }
    switch (m_drawStyle) {
    case suiStretch: canvas->StretchDraw(client, m_picture->Graphic()); break;
    case suiTile: TileDraw(canvas, m_picture.get(), client); break;
    case suiNormal: canvas->Draw(0, 0, m_picture->Graphic()); break;
    }
}

void TsuiCustomPanel::DrawCaption(TCanvas* canvas)
{
    const std::string caption = Caption();
    if (Trim(caption).empty()) return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    if (m_captionPosX == -1 || m_captionPosY == -1) {
        static constexpr UINT kAlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
        m_captionRect = ClientRect();
        const UINT flags = DT_SINGLELINE | DT_VCENTER | kAlignFlags[Alignment()];
        DrawText(canvas->Handle(), caption, -1, m_captionRect, flags);
    } else {
        m_captionRect = TRect::FromSize(m_captionPosX, m_captionPosY, canvas->TextWidth(caption),
                                        canvas->TextHeight(caption));
        canvas->TextOut(m_captionPosX, m_captionPosY, caption);
    }
}
