#include "skin/frame/SUITitleBarSections.h"

#include "platform/core/ClassBuilder.h"
#include "skin/frame/SUITitleBar.h"

QZ_IMPLEMENT_CLASS(TsuiTitleBarSections);

void TsuiTitleBarSections::Publish(TClassBuilder<TsuiTitleBarSections>& c)
{
    c.Collection(&TCollection::Clear, &TsuiTitleBarSections::Add);
}

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar* titleBar)
    : TOwnedCollection(titleBar, CollectionItemFactory<TsuiTitleBarSection>()), m_titleBar(titleBar)
{
}

TsuiTitleBarSection* TsuiTitleBarSections::Add()
{
    return static_cast<TsuiTitleBarSection*>(TCollection::Add());
}

TsuiTitleBarSection* TsuiTitleBarSections::Items(int index) const
{
    return static_cast<TsuiTitleBarSection*>(TCollection::Items(index));
}

void TsuiTitleBarSections::Update(TCollectionItem* item)
{
    TOwnedCollection::Update(item);
    if (m_titleBar) m_titleBar->Repaint();
}
