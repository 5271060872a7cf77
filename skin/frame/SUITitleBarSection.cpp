#include "skin/frame/SUITitleBarSection.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Collection.h"
#include "platform/ui/graphics/Graphic.h"
#include "platform/ui/graphics/Picture.h"
#include "skin/frame/SUIRefusal.h"

QZ_IMPLEMENT_CLASS(TsuiTitleBarSection);

void TsuiTitleBarSection::Publish(TClassBuilder<TsuiTitleBarSection>& c)
{
    c.Property("AutoSize", &TsuiTitleBarSection::AutoSize, &TsuiTitleBarSection::SetAutoSize).Default(false);
    c.Property("Width", &TsuiTitleBarSection::Width, &TsuiTitleBarSection::SetWidth).Default(kDefaultWidth);
    c.Property("Align", &TsuiTitleBarSection::Align, &TsuiTitleBarSection::SetAlign).Default(suiLeft);
    c.SubObject("Picture", &TsuiTitleBarSection::Picture, &TsuiTitleBarSection::SetPicture);
    c.Property("Stretch", &TsuiTitleBarSection::Stretch, &TsuiTitleBarSection::SetStretch).Default(false);
}

TsuiTitleBarSection::TsuiTitleBarSection() : m_picture(std::make_unique<TPicture>()) {}

TsuiTitleBarSection::~TsuiTitleBarSection() = default;

void TsuiTitleBarSection::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TsuiTitleBarSection*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetWidth(other->m_width);
    SetAlign(other->m_align);
    SetPicture(other->m_picture.get());
    SetStretch(other->m_stretch);
    SetAutoSize(other->m_autoSize);
}

void TsuiTitleBarSection::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_picture->Graphic()) m_width = m_picture->Width();
    Changed(false);
}

void TsuiTitleBarSection::SetWidth(int width)
{
    m_width = width;
    Changed(false);
}

bool TsuiTitleBarSection::CollectionHasClient() const
{
    const TCollection* sections = Collection();
    if (!sections) return m_align == suiClient;
    for (int i = 0; i < sections->Count(); ++i) {
        const auto* section = static_cast<const TsuiTitleBarSection*>(sections->Items(i));
        if (section->m_align == suiClient) return true;
    }
    return false;
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align)
{
    if (align == suiClient && CollectionHasClient()) {
        ShowRefusal("Sorry, only one section's Align property can be \"suiClient\"");
        return;
    }
    if (align == suiClient) m_stretch = true;
    m_align = align;
    Changed(false);
}

void TsuiTitleBarSection::SetPicture(TPicture* picture)
{
    if (picture) m_picture->Assign(*picture);
    else m_picture->SetGraphic(nullptr);
    if (picture && m_autoSize) m_width = m_picture->Width();
    Changed(false);
}

void TsuiTitleBarSection::SetStretch(bool stretch)
{
    m_stretch = stretch || m_align == suiClient;
    Changed(false);
}
