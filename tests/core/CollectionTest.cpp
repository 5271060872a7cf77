#include "platform/core/Collection.h"

#include "platform/core/Exception.h"
#include "platform/core/OwnedCollection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Section : public TCollectionItem {
public:
    [[nodiscard]] const char* ClassName() const override { return "Section"; }

    void Assign(const TPersistent& source) override
    {
        if (const auto* other = dynamic_cast<const Section*>(&source)) {
            SetWidth(other->m_width);
            return;
        }
        TCollectionItem::Assign(source);
    }

    [[nodiscard]] int Width() const { return m_width; }
    void SetWidth(int width)
    {
        if (width == m_width) return;
        m_width = width;
        Changed(false);
    }

private:
    int m_width = 10;
};

// Records Update and Notify calls as text: "U*" for Update(nullptr), "U<index>"
// for Update(item), "+<id>" for an added item, "-<id>" for a deleted one.
class Sections : public TCollection {
public:
    Sections() : TCollection(CollectionItemFactory<Section>()) {}

    Section* Add() { return static_cast<Section*>(TCollection::Add()); }
    [[nodiscard]] Section* Items(int index) const { return static_cast<Section*>(TCollection::Items(index)); }

    std::string Take() { return std::exchange(log, std::string()); }
    std::string log;

protected:
    void Update(TCollectionItem* item) override { log += item ? "U" + std::to_string(item->Index()) : "U*"; }
    void Notify(TCollectionItem* item, TCollectionNotification action) override
    {
        log += (action == cnAdded ? "+" : "-") + std::to_string(item->ID());
    }
};

std::vector<int> Ids(const TCollection& collection)
{
    std::vector<int> ids;
    for (int i = 0; i < collection.Count(); ++i) ids.push_back(collection.Items(i)->ID());
    return ids;
}

// Counts its own destruction and checks that it has left its collection by then.
class Tracked : public TCollectionItem {
public:
    explicit Tracked(std::vector<bool>& destroyed) : m_destroyed(destroyed) {}
    ~Tracked() override { m_destroyed.push_back(Collection() == nullptr); }

private:
    std::vector<bool>& m_destroyed;
};

}  // namespace

TEST(Collection, AddCreatesItemsThroughTheFactory)
{
    Sections sections;
    Section* first = sections.Add();
    EXPECT_STREQ(first->ClassName(), "Section");
    EXPECT_EQ(first->Width(), 10);
    EXPECT_EQ(first->Collection(), &sections);
    EXPECT_EQ(first->GetOwner(), &sections);
    EXPECT_EQ(first->DisplayName(), "Section");
    EXPECT_EQ(sections.Count(), 1);
    EXPECT_EQ(sections.Items(0), first);
    EXPECT_EQ(sections.Take(), "+0U*");
}

TEST(Collection, IdsIncreaseAndAreNeverReused)
{
    Sections sections;
    sections.Add();
    sections.Add();
    sections.Add();
    sections.Delete(2);
    sections.Add();
    EXPECT_EQ(Ids(sections), (std::vector<int>{0, 1, 3}));
    sections.Clear();
    sections.Add();
    EXPECT_EQ(Ids(sections), (std::vector<int>{4}));
    EXPECT_EQ(sections.FindItemID(4), sections.Items(0));
    EXPECT_EQ(sections.FindItemID(0), nullptr);
}

TEST(Collection, InsertPlacesTheNewItemAndUpdatesOnce)
{
    Sections sections;
    sections.Add();
    sections.Add();
    sections.Take();
    TCollectionItem* inserted = sections.Insert(1);
    EXPECT_EQ(inserted->Index(), 1);
    EXPECT_EQ(Ids(sections), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(sections.Take(), "+2U*");
    EXPECT_EQ(sections.Insert(3)->Index(), 3);
    EXPECT_THROW(sections.Insert(5), EListError);
    EXPECT_THROW(sections.Insert(-1), EListError);
}

TEST(Collection, SetIndexMovesTheItem)
{
    Sections sections;
    for (int i = 0; i < 4; ++i) sections.Add();
    sections.Take();
    sections.Items(0)->SetIndex(3);
    EXPECT_EQ(Ids(sections), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(sections.Take(), "U*");
    sections.Items(1)->SetIndex(1);
    EXPECT_EQ(sections.Take(), "");
    try {
        sections.Items(0)->SetIndex(4);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message, "List index out of bounds (4)");
    }
}

TEST(Collection, DeleteNotifiesThenDestroysTheDetachedItem)
{
    std::vector<bool> destroyed;
    TCollection collection([&] { return std::make_unique<Tracked>(destroyed); });
    collection.Add();
    collection.Add();
    collection.Delete(0);
    EXPECT_EQ(destroyed, (std::vector<bool>{true}));
    EXPECT_EQ(collection.Count(), 1);
    EXPECT_THROW(collection.Delete(1), EListError);
}

TEST(Collection, ClearDeletesEveryItemWithOneUpdate)
{
    Sections sections;
    sections.Add();
    sections.Add();
    sections.Take();
    sections.Clear();
    EXPECT_EQ(sections.Count(), 0);
    EXPECT_EQ(sections.Take(), "-1-0U*");
    sections.Clear();
    EXPECT_EQ(sections.Take(), "");
}

TEST(Collection, ItemChangesUpdateWithTheItem)
{
    Sections sections;
    sections.Add();
    Section* second = sections.Add();
    sections.Take();
    second->SetWidth(30);
    EXPECT_EQ(sections.Take(), "U1");
    second->SetWidth(30);  // no change, no update
    EXPECT_EQ(sections.Take(), "");
}

TEST(Collection, UpdatesAreHeldBackUntilTheOutermostEndUpdate)
{
    Sections sections;
    sections.BeginUpdate();
    sections.Add()->SetWidth(1);
    sections.BeginUpdate();
    sections.Add();
    sections.EndUpdate();
    sections.Delete(0);
    EXPECT_EQ(sections.Take(), "+0+1-0");
    sections.EndUpdate();
    EXPECT_EQ(sections.Take(), "U*");
    // The classic collection reports the bracket even when nothing changed.
    sections.BeginUpdate();
    sections.EndUpdate();
    EXPECT_EQ(sections.Take(), "U*");
}

TEST(Collection, AssignCopiesItemByItem)
{
    Sections source;
    source.Add()->SetWidth(5);
    source.Add()->SetWidth(7);
    Sections dest;
    dest.Add();
    dest.Add();
    dest.Add();
    dest.Take();
    dest.Assign(source);
    ASSERT_EQ(dest.Count(), 2);
    EXPECT_EQ(dest.Items(0)->Width(), 5);
    EXPECT_EQ(dest.Items(1)->Width(), 7);
    EXPECT_NE(dest.Items(0), source.Items(0));
    EXPECT_EQ(dest.Take(), "-2-1-0+3+4U*");

    dest.SetItem(0, *source.Items(1));
    EXPECT_EQ(dest.Items(0)->Width(), 7);
    EXPECT_THROW(dest.SetItem(2, *source.Items(0)), EListError);
}

TEST(Collection, AssignRefusesItemsThatDoNotKnowEachOther)
{
    Sections sections;
    sections.Add();
    TCollection plain(CollectionItemFactory<TCollectionItem>());
    plain.Add();
    EXPECT_THROW(sections.Assign(plain), EConvertError);
    EXPECT_THROW(sections.Assign(TCollectionItem()), EConvertError);
}

TEST(Collection, MissingFactoryIsRefused)
{
    TCollection collection(nullptr);
    EXPECT_THROW(collection.Add(), EInvalidOperation);
    TCollection empty([] { return std::unique_ptr<TCollectionItem>(); });
    EXPECT_THROW(empty.Add(), EInvalidOperation);
    EXPECT_EQ(empty.Count(), 0);
}

TEST(Collection, DestroyingTheCollectionDestroysDetachedItems)
{
    std::vector<bool> destroyed;
    {
        TCollection collection([&] { return std::make_unique<Tracked>(destroyed); });
        collection.Add();
        collection.Add();
    }
    EXPECT_EQ(destroyed, (std::vector<bool>{true, true}));
}

TEST(Collection, OwnedCollectionReportsItsOwner)
{
    TPersistent owner;
    TOwnedCollection collection(&owner, CollectionItemFactory<TCollectionItem>());
    EXPECT_EQ(collection.GetOwner(), &owner);
    EXPECT_EQ(TCollection(nullptr).GetOwner(), nullptr);
}
