#include "platform/ui/graphics/Icon.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/Resources.h"
#include "platform/ui/graphics/Bitmap.h"

QZ_IMPLEMENT_CLASS(TIcon);

void TIcon::Publish(TClassBuilder<TIcon>&) {}

TIcon::TIcon() : m_image(std::make_unique<TBitmap>())
{
    m_image->SetTransparentColor(kKeyColor);
    m_image->SetTransparent(true);
    m_image->OnChange = [this](TObject*) { Changed(); };
}

TIcon::~TIcon() = default;

bool TIcon::Empty() const
{
    return m_image->Empty();
}

int TIcon::Width() const
{
    return m_image->Width();
}

int TIcon::Height() const
{
    return m_image->Height();
}

void TIcon::SetWidth(int)
{
    throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::SetHeight(int)
{
    throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::LoadFromStream(TStream& stream)
{
    m_image->LoadFromStream(stream);
}

void TIcon::SaveToStream(TStream& stream) const
{
    m_image->SaveToStream(stream);
}

void TIcon::LoadFromResourceName(HINSTANCE, const std::string& name)
{
    LoadFromMemory(LoadResource(TResourceKind::Icon, name));
}

void TIcon::Assign(const TPersistent& source)
{
    const auto* icon = dynamic_cast<const TIcon*>(&source);
    if (!icon) {
        inherited::Assign(source);
        return;
    }
    if (icon != this) m_image->Assign(*icon->m_image);
}

void TIcon::AssignTo(TPersistent& dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
        bitmap->Assign(*m_image);
        return;
    }
    inherited::AssignTo(dest);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) const
{
    m_image->Draw(canvas, rect);
}
