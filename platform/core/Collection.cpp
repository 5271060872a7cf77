#include "platform/core/Collection.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/ListIndex.h"
#include "platform/core/UpdateGuard.h"

#include <algorithm>

// Published so that collection classes derive their run-time type information from it.
QZ_IMPLEMENT_CLASS(TCollection);

void TCollection::Publish(TClassBuilder<TCollection>& /*c*/) {}

TCollection::TCollection(TCollectionItemFactory itemFactory) : m_itemFactory(std::move(itemFactory)) {}

TCollection::~TCollection()
{
    for (const auto& item : m_items) item->m_collection = nullptr;
}

TCollectionItem* TCollection::Add()
{
    std::unique_ptr<TCollectionItem> item = m_itemFactory ? m_itemFactory() : nullptr;
    if (!item) throw EInvalidOperation(std::string(ClassName()) + " has no item factory");
    TCollectionItem* const added = item.get();
    added->m_collection = this;
    added->m_id = m_nextId++;
    m_items.push_back(std::move(item));
    Notify(added, cnAdded);
    Changed();
    return added;
}

TCollectionItem* TCollection::Insert(int index)
{
    CheckListIndex(index, Count() + 1);
    UpdateGuard guard(*this);
    TCollectionItem* const item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index)
{
    CheckListIndex(index, Count());
    TCollectionItem* const item = m_items[index].get();
    Notify(item, cnDeleting);
    // The handler may have changed the list; find the item again.
    const int position = IndexOf(item);
    if (position < 0) return;
    std::unique_ptr<TCollectionItem> removed = std::move(m_items[position]);
    m_items.erase(m_items.begin() + position);
    removed->m_collection = nullptr;
    removed.reset();
    Changed();
}

void TCollection::Clear()
{
    if (m_items.empty()) return;
    UpdateGuard guard(*this);
    while (!m_items.empty()) Delete(Count() - 1);
}

TCollectionItem* TCollection::Items(int index) const
{
    CheckListIndex(index, Count());
    return m_items[index].get();
}

void TCollection::SetItem(int index, const TCollectionItem& source)
{
    Items(index)->Assign(source);
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    const auto it = std::find_if(m_items.begin(), m_items.end(), [id](const auto& item) { return item->ID() == id; });
    return it == m_items.end() ? nullptr : it->get();
}

void TCollection::BeginUpdate()
{
    ++m_updateCount;
}

void TCollection::EndUpdate()
{
    if (m_updateCount == 0) return;
    --m_updateCount;
    Changed();
}

void TCollection::Assign(const TPersistent& source)
{
    const auto* collection = dynamic_cast<const TCollection*>(&source);
    if (!collection) {
        TPersistent::Assign(source);
        return;
    }
    if (collection == this) return;
    UpdateGuard guard(*this);
    Clear();
    for (const auto& item : collection->m_items) Add()->Assign(*item);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed()
{
    if (m_updateCount == 0) Update(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    const auto it = std::find_if(m_items.begin(), m_items.end(), [item](const auto& p) { return p.get() == item; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TCollection::MoveItem(int from, int to)
{
    std::unique_ptr<TCollectionItem> item = std::move(m_items[from]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
}
