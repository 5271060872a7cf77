#include "skin/controls/SUIControlButton.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "skin/core/ThemeElements.h"

namespace {

// A new control button shows the push-button face.
constexpr int kDefaultThemeId = SuiThemeId::ButtonImage;
constexpr int kDefaultPicCount = 3;

}  // namespace

QZ_IMPLEMENT_CLASS(TsuiControlButton);

void TsuiControlButton::Publish(TClassBuilder<TsuiControlButton>& c)
{
    c.Creatable<TComponent>();
    c.Property("ThemeID", &TsuiControlButton::ThemeID, &TsuiControlButton::SetThemeID).Default(kDefaultThemeId);
    c.Property("PicIndex", &TsuiControlButton::PicIndex, &TsuiControlButton::SetPicIndex).Default(1);
    c.Property("PicCount", &TsuiControlButton::PicCount, &TsuiControlButton::SetPicCount).Default(kDefaultPicCount);
    c.Property("PicTransparent", &TsuiControlButton::PicTransparent, &TsuiControlButton::SetPicTransparent);
    c.Redeclare("TabStop").Default(false);
}

TsuiControlButton::TsuiControlButton(TComponent* owner)
    : TsuiCustomButton(owner), m_themeId(kDefaultThemeId), m_picCount(kDefaultPicCount)
{
    SetTabStop(false);
    SetUIStyle(DeepBlue);
}

void TsuiControlButton::SetThemeID(int id)
{
    if (id < 1 || id > kThemeElementCount) return;
    m_themeId = id;
    SizeToFace();
    Invalidate();
}

void TsuiControlButton::SetPicIndex(int index)
{
    if (index < 1) return;
    m_picIndex = index;
    SizeToFace();
    Invalidate();
}

void TsuiControlButton::SetPicCount(int count)
{
    if (count < 1) return;
    m_picCount = count;
    SizeToFace();
    Invalidate();
}

void TsuiControlButton::UIStyleChanged()
{
    SizeToFace();
}

void TsuiControlButton::SizeToFace()
{
    TBitmap face;
    PaintButtonNormal(&face);
    if (!face.Empty()) SetBounds(Left(), Top(), face.Width(), face.Height());
}

void TsuiControlButton::PaintButtonNormal(TBitmap* buf)
{
    PaintButton(m_themeId, m_picCount, m_picIndex, buf);
}

void TsuiControlButton::PaintButtonMouseOn(TBitmap* buf)
{
    PaintButton(m_themeId, m_picCount, m_picIndex + 1, buf);
}

void TsuiControlButton::PaintButtonMouseDown(TBitmap* buf)
{
    PaintButtonNormal(buf);
}

void TsuiControlButton::PaintButtonDisabled(TBitmap* buf)
{
    PaintButtonNormal(buf);
}

void TsuiControlButton::PaintPic(TCanvas* canvas, TBitmap* face)
{
    if (face->Empty()) return;
    face->SetTransparentColor(face->Canvas()->Pixels(0, 0));
    canvas->Draw(0, 0, face);
}
