#pragma once
// TCollectionItem: one element of a TCollection. The collection creates, owns
// and destroys its items; an item knows its collection, its position and an
// ID that its collection never hands out again.

#include "platform/core/Rtti.h"

#include <string>

class TCollection;

class TCollectionItem : public TPersistent {
    QZ_DECLARE_CLASS(TCollectionItem, TPersistent)

public:

    [[nodiscard]] TCollection* Collection() const { return m_collection; }
    [[nodiscard]] int ID() const { return m_id; }
    // The position in the collection; -1 while the item belongs to none
    // (in its constructor and destructor).
    [[nodiscard]] int Index() const;
    // Moves the item; raises EListError for a position outside the collection.
    void SetIndex(int index);
    [[nodiscard]] virtual std::string DisplayName() const { return ClassName(); }
    // The collection, as the owner in the persistence chain.
    [[nodiscard]] virtual TPersistent* GetOwner() const;

protected:
    // Tells the collection that this item changed; allItems reports a change
    // that affects the whole collection (the collection's Update gets nullptr).
    void Changed(bool allItems);

private:
    friend class TCollection;

    TCollection* m_collection = nullptr;
    int m_id = 0;
};
