#include "skin/frame/SUITitleBarButtons.h"

#include "platform/core/ClassBuilder.h"
#include "skin/frame/SUITitleBar.h"

QZ_IMPLEMENT_CLASS(TsuiTitleBarButtons);

void TsuiTitleBarButtons::Publish(TClassBuilder<TsuiTitleBarButtons>& c)
{
    c.Collection(&TCollection::Clear, &TsuiTitleBarButtons::Add);
}

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* titleBar)
    : TOwnedCollection(titleBar, CollectionItemFactory<TsuiTitleBarButton>()), m_titleBar(titleBar)
{
}

TsuiTitleBarButton* TsuiTitleBarButtons::Add()
{
    return static_cast<TsuiTitleBarButton*>(TCollection::Add());
}

TsuiTitleBarButton* TsuiTitleBarButtons::Items(int index) const
{
    return static_cast<TsuiTitleBarButton*>(TCollection::Items(index));
}

bool TsuiTitleBarButtons::HasType(TsuiTitleBarBtnType type) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Items(i)->ButtonType() == type) return true;
    }
    return false;
}

void TsuiTitleBarButtons::Update(TCollectionItem* item)
{
    TOwnedCollection::Update(item);
    if (m_titleBar) m_titleBar->Repaint();
}
