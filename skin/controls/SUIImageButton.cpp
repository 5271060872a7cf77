#include "skin/controls/SUIImageButton.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Picture.h"

QZ_IMPLEMENT_CLASS(TsuiImageButton);

void TsuiImageButton::Publish(TClassBuilder<TsuiImageButton>& c)
{
    c.Creatable<TComponent>();
    c.SubObject("PicNormal", &TsuiImageButton::PicNormal, &TsuiImageButton::SetPicNormal);
    c.SubObject("PicMouseOn", &TsuiImageButton::PicMouseOn, &TsuiImageButton::SetPicMouseOn);
    c.SubObject("PicMouseDown", &TsuiImageButton::PicMouseDown, &TsuiImageButton::SetPicMouseDown);
    c.SubObject("PicDisabled", &TsuiImageButton::PicDisabled, &TsuiImageButton::SetPicDisabled);
    c.Property("Stretch", &TsuiImageButton::Stretch, &TsuiImageButton::SetStretch).Default(false);
    c.Property("DrawFocused", &TsuiImageButton::DrawFocused, &TsuiImageButton::SetDrawFocused).Default(false);
}

TsuiImageButton::TsuiImageButton(TComponent* owner)
    : TsuiCustomButton(owner),
      m_picNormal(std::make_unique<TPicture>()),
      m_picMouseOn(std::make_unique<TPicture>()),
      m_picMouseDown(std::make_unique<TPicture>()),
      m_picDisabled(std::make_unique<TPicture>())
{
    // Pictures changed in place (a form description's picture data) resize and repaint too.
    for (TPicture* picture : {m_picNormal.get(), m_picMouseOn.get(), m_picMouseDown.get(), m_picDisabled.get()}) {
        picture->OnChange = [this](TObject*) {
            AutoSizeChanged();
            Invalidate();
        };
    }
}

TsuiImageButton::~TsuiImageButton() = default;

void TsuiImageButton::SetPicture(TPicture& target, TPicture* source)
{
    if (source) target.Assign(*source);
    else target.SetGraphic(nullptr);
    AutoSizeChanged();
    Invalidate();
}

void TsuiImageButton::SetPicNormal(TPicture* picture)
{
    SetPicture(*m_picNormal, picture);
}

void TsuiImageButton::SetPicMouseOn(TPicture* picture)
{
    SetPicture(*m_picMouseOn, picture);
}

void TsuiImageButton::SetPicMouseDown(TPicture* picture)
{
    SetPicture(*m_picMouseDown, picture);
}

void TsuiImageButton::SetPicDisabled(TPicture* picture)
{
    SetPicture(*m_picDisabled, picture);
}

void TsuiImageButton::SetStretch(bool stretch)
{
    m_stretch = stretch;
    Invalidate();
}

void TsuiImageButton::SetDrawFocused(bool drawFocused)
{
    m_drawFocused = drawFocused;
    Invalidate();
}

void TsuiImageButton::AutoSizeChanged()
{
    if (!Parent() || !AutoSize() || !m_picNormal->Graphic() || m_picNormal->Graphic()->Empty()) return;
    SetBounds(Left(), Top(), m_picNormal->Width(), m_picNormal->Height());
}

void TsuiImageButton::CopyPicture(const TPicture& picture, TBitmap* buf) const
{
    const TPicture& shown = picture.Graphic() && !picture.Graphic()->Empty() ? picture : *m_picNormal;
    if (!shown.Graphic() || shown.Graphic()->Empty()) return;
    buf->Assign(*shown.Graphic());
}

void TsuiImageButton::PaintButtonNormal(TBitmap* buf)
{
    CopyPicture(*m_picNormal, buf);
}

void TsuiImageButton::PaintButtonMouseOn(TBitmap* buf)
{
    CopyPicture(*m_picMouseOn, buf);
}

void TsuiImageButton::PaintButtonMouseDown(TBitmap* buf)
{
    CopyPicture(*m_picMouseDown, buf);
}

void TsuiImageButton::PaintButtonDisabled(TBitmap* buf)
{
    CopyPicture(*m_picDisabled, buf);
}

void TsuiImageButton::PaintPic(TCanvas* canvas, TBitmap* face)
{
    if (face->Empty()) return;
    face->SetTransparentColor(face->Canvas()->Pixels(0, 0));
    if (m_stretch) canvas->StretchDraw(TRect{0, 0, Width(), Height()}, face);
    else canvas->Draw(0, 0, face);
}

void TsuiImageButton::PaintFocus(TCanvas* canvas)
{
    if (m_drawFocused) TsuiCustomButton::PaintFocus(canvas);
}
