#include "platform/ui/controls/Image.h"

#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Graphic.h"
#include "platform/ui/graphics/Picture.h"

QZ_IMPLEMENT_CLASS(TImage);

void TImage::Publish(TClassBuilder<TImage>& c)
{
    c.Creatable<TComponent>();
    c.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
    c.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    c.SubObject("Picture", &TImage::Picture, &TImage::SetPicture);
    c.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    c.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
    PublishMouseEvents(c);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), m_picture(std::make_unique<TPicture>())
{
    // A picture is pressed like a link or a button: every press is a click of
    // its own, never half of a double click.
    SetControlStyle(ControlStyle().Include(csReplicatable).Exclude(csDoubleClicks));
    SetBounds(0, 0, kDefaultSize, kDefaultSize);
    m_picture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage()
{
    m_picture->OnChange = nullptr;
}

void TImage::SetPicture(TPicture* picture)
{
    if (picture) m_picture->Assign(*picture);
}

void TImage::SetAutoSize(bool autoSize)
{
    if (m_autoSize == autoSize) return;
    m_autoSize = autoSize;
    if (autoSize) PictureChanged();
}

void TImage::SetStretch(bool stretch)
{
    if (m_stretch == stretch) return;
    m_stretch = stretch;
    PictureChanged();
}

void TImage::SetCenter(bool center)
{
    if (m_center == center) return;
    m_center = center;
    PictureChanged();
}

void TImage::SetTransparent(bool transparent)
{
    if (m_transparent == transparent) return;
    m_transparent = transparent;
    PictureChanged();
}

TRect TImage::DestRect() const
{
    if (m_stretch) return ClientRect();
    const TRect rect = TRect::FromSize(0, 0, m_picture->Width(), m_picture->Height());
    if (!m_center) return rect;
    return rect.Offset((Width() - rect.Width()) / 2, (Height() - rect.Height()) / 2);
}

void TImage::PictureChanged()
{
    if (m_autoSize && m_picture->Width() > 0 && m_picture->Height() > 0) {
        SetBounds(Left(), Top(), m_picture->Width(), m_picture->Height());
    }
    // A change of the flag comes back here once through OnChange; then nothing changes.
    if (TGraphic* graphic = m_picture->Graphic()) graphic->SetTransparent(m_transparent);
    UpdateOpaque();
    Invalidate();
}

void TImage::UpdateOpaque()
{
    const TGraphic* graphic = m_picture->Graphic();
    const TRect dest = DestRect();
    const bool covers = graphic && !graphic->Empty() && !graphic->Transparent() && dest.Contains(ClientRect());
    TControlStyle style = ControlStyle();
    if (covers)
        style.Include(csOpaque);
    else
        style.Exclude(csOpaque);
    SetControlStyle(style);
}

void TImage::Resize()
{
    UpdateOpaque();
    TGraphicControl::Resize();
}

void TImage::Paint()
{
    Canvas()->StretchDraw(DestRect(), m_picture->Graphic());
}
