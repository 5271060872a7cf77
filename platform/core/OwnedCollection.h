#pragma once
// TOwnedCollection: a collection that reports the component holding it as
// its owner (title bars keep their sections and buttons in one).

#include "platform/core/Collection.h"

class TOwnedCollection : public TCollection {
public:
    // owner is not owned; it holds this collection and outlives it.
    TOwnedCollection(TPersistent* owner, TCollectionItemFactory itemFactory)
        : TCollection(std::move(itemFactory)), m_owner(owner)
    {
    }

    [[nodiscard]] const char* ClassName() const override { return "TOwnedCollection"; }
    [[nodiscard]] TPersistent* GetOwner() const override { return m_owner; }

private:
    TPersistent* m_owner = nullptr;
};
