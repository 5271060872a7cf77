#include "platform/core/CollectionItem.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Collection.h"
#include "platform/core/ListIndex.h"

QZ_IMPLEMENT_CLASS(TCollectionItem);

void TCollectionItem::Publish(TClassBuilder<TCollectionItem>& /*c*/) {}

int TCollectionItem::Index() const
{
    return m_collection ? m_collection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int index)
{
    if (!m_collection) return;
    const int current = Index();
    CheckListIndex(index, m_collection->Count());
    if (current == index) return;
    m_collection->MoveItem(current, index);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return m_collection;
}

void TCollectionItem::Changed(bool allItems)
{
    if (m_collection && m_collection->UpdateCount() == 0) m_collection->Update(allItems ? nullptr : this);
}
