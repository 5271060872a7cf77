#pragma once
// TCollection: an ordered list of TCollectionItems that it owns. Items come
// from the factory given to the constructor (the classic "item class"), so a
// collection of sections makes sections. After every change the collection
// calls Update: with the item for a change of one item, with nullptr for a
// change of the whole collection (adding, deleting, moving, clearing).
// Between BeginUpdate and EndUpdate those calls are held back and the
// outermost EndUpdate calls Update(nullptr) once.

#include "platform/core/CollectionItem.h"

#include <functional>
#include <memory>
#include <vector>

enum TCollectionNotification { cnAdded, cnDeleting };

using TCollectionItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;

// The factory for item class T: TCollection(CollectionItemFactory<TMyItem>()).
template <class T>
[[nodiscard]] TCollectionItemFactory CollectionItemFactory()
{
    return [] { return std::make_unique<T>(); };
}

class TCollection : public TPersistent {
    QZ_DECLARE_CLASS(TCollection, TPersistent)

public:
    explicit TCollection(TCollectionItemFactory itemFactory);
    // Destroys the items without notifications or updates.
    ~TCollection() override;


    TCollectionItem* Add();
    // Adds an item at index (0..Count).
    TCollectionItem* Insert(int index);
    // Removes and destroys the item.
    void Delete(int index);
    void Clear();

    [[nodiscard]] int Count() const { return static_cast<int>(m_items.size()); }
    [[nodiscard]] TCollectionItem* Items(int index) const;
    // Assigns source to the item at index.
    void SetItem(int index, const TCollectionItem& source);
    // nullptr when no item has that ID.
    [[nodiscard]] TCollectionItem* FindItemID(int id) const;

    void BeginUpdate();
    void EndUpdate();

    // From another collection: clears this one and adds one item per source
    // item, assigning each through the item's Assign.
    void Assign(const TPersistent& source) override;
    // nullptr here; collections held by a component return it.
    [[nodiscard]] virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void Update(TCollectionItem* item);
    // cnAdded after an item joined, cnDeleting before one is destroyed.
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    // Calls Update(nullptr) unless updates are held back.
    void Changed();
    [[nodiscard]] int UpdateCount() const { return m_updateCount; }

private:
    friend class TCollectionItem;

    [[nodiscard]] int IndexOf(const TCollectionItem* item) const;
    void MoveItem(int from, int to);

    TCollectionItemFactory m_itemFactory;
    std::vector<std::unique_ptr<TCollectionItem>> m_items;
    int m_nextId = 0;
    int m_updateCount = 0;
};
