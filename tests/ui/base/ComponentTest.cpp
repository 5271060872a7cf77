// TComponent: ownership and the order owned components are freed in,
// names, notifications, free notifications, published fields and the two
// steps of destruction.

#include "platform/core/ClassBuilder.h"
#include "platform/core/PropertyAccess.h"
#include "platform/ui/base/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

// Logs what it hears and keeps a reference it must drop when the other goes.
class TProbe : public TComponent {
    QZ_DECLARE_CLASS(TProbe, TComponent)

public:
    explicit TProbe(TComponent* owner, std::string label = "") : TComponent(owner), Label(std::move(label)) {}
    ~TProbe() override { g_events.push_back("free " + Label); }

    std::string Label;
    TComponent* Reference = nullptr;

    void SetReferenceTo(TComponent* other)
    {
        Reference = other;
        if (other) other->FreeNotification(this);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        const auto* probe = dynamic_cast<TProbe*>(component);
        g_events.push_back(Label + (operation == opInsert ? " +" : " -") + (probe ? probe->Label : "?"));
        if (operation == opRemove && component == Reference) Reference = nullptr;
        TComponent::Notification(component, operation);
    }
    void BeforeDestruction() override
    {
        g_events.push_back("before " + Label);
        TComponent::BeforeDestruction();
    }
};

QZ_IMPLEMENT_CLASS(TProbe);
void TProbe::Publish(TClassBuilder<TProbe>& c)
{
    c.Creatable<TComponent>();
}

// An owner class with a published field, as a form class has.
class TFieldOwner : public TComponent {
    QZ_DECLARE_CLASS(TFieldOwner, TComponent)

public:
    explicit TFieldOwner(TComponent* owner) : TComponent(owner) {}
    TProbe* btnOk = nullptr;
};

QZ_IMPLEMENT_CLASS(TFieldOwner);
void TFieldOwner::Publish(TClassBuilder<TFieldOwner>& c)
{
    c.Field("btnOk", &TFieldOwner::btnOk);
}

class ComponentTest : public ::testing::Test {
protected:
    ComponentTest() { g_events.clear(); }
};

TEST_F(ComponentTest, OwnerKeepsComponentsInInsertionOrder)
{
    TComponent owner(nullptr);
    auto* a = new TProbe(&owner, "a");
    auto* b = new TProbe(&owner, "b");
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(0), a);
    EXPECT_EQ(owner.Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(a->Owner(), &owner);
    EXPECT_THROW((void)owner.Components(2), EListError);
}

TEST_F(ComponentTest, OwnerFreesTheLastFirstAndTellsTheOthers)
{
    auto owner = std::make_unique<TProbe>(nullptr, "owner");
    new TProbe(owner.get(), "a");
    new TProbe(owner.get(), "b");
    g_events.clear();
    owner.reset();
    // Each component leaving is announced to the owner and all it still holds.
    const std::vector<std::string> expected{"before owner", "owner -b", "b -b",     "a -b",
                                            "before b",     "free b",   "owner -a", "a -a",
                                            "before a",     "free a",   "free owner"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(ComponentTest, DeleteRunsBeforeDestructionOnTheWholeObjectFirst)
{
    auto* probe = new TProbe(nullptr, "p");
    delete probe;
    EXPECT_EQ(g_events, (std::vector<std::string>{"before p", "free p"}));
}

TEST_F(ComponentTest, ComponentsOffTheHeapSkipBeforeDestructionButStillFreeWhatTheyOwn)
{
    {
        TComponent owner(nullptr);
        new TProbe(&owner, "a");
    }
    EXPECT_EQ(g_events, (std::vector<std::string>{"a -a", "before a", "free a"}));
}

TEST_F(ComponentTest, DestroyingMarksOwnedComponentsToo)
{
    TComponent owner(nullptr);
    auto* child = new TProbe(&owner, "c");
    owner.Destroying();
    EXPECT_TRUE(owner.IsDestroying());
    EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
}

TEST_F(ComponentTest, InsertingAndRemovingNotifyTheOwnerThenItsComponentsLastFirst)
{
    TProbe owner(nullptr, "owner");
    new TProbe(&owner, "a");
    auto* b = new TProbe(nullptr, "b");
    g_events.clear();
    owner.InsertComponent(b);
    owner.RemoveComponent(b);
    EXPECT_EQ(b->Owner(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);
    const std::vector<std::string> expected{"owner +b", "b +b", "a +b", "owner -b", "b -b", "a -b"};
    EXPECT_EQ(g_events, expected);
    delete b;
}

// A component made with an owner joins it from TComponent's constructor,
// before its own class is built: the others learn its address, not its class.
TEST_F(ComponentTest, ComponentsJoiningFromTheirConstructorAreAnnouncedByAddress)
{
    TProbe owner(nullptr, "owner");
    g_events.clear();
    new TProbe(&owner, "a");
    EXPECT_EQ(g_events, (std::vector<std::string>{"owner +?"}));
}

TEST_F(ComponentTest, InsertComponentTakesOverFromTheOldOwner)
{
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* c = new TProbe(&first, "c");
    second.InsertComponent(c);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(c->Owner(), &second);
}

TEST_F(ComponentTest, FreeNotificationClearsReferencesAcrossOwners)
{
    TComponent ownerA(nullptr);
    TComponent ownerB(nullptr);
    auto* theme = new TProbe(&ownerA, "theme");
    auto* user = new TProbe(&ownerB, "user");
    user->SetReferenceTo(theme);
    delete theme;
    EXPECT_EQ(user->Reference, nullptr);
    // The partner that goes first unsubscribes itself: freeing the other tells nobody.
    g_events.clear();
    delete user;
    EXPECT_EQ(g_events, (std::vector<std::string>{"before user", "free user"}));
}

TEST_F(ComponentTest, SiblingReferencesAreClearedThroughTheOwner)
{
    TComponent owner(nullptr);
    auto* theme = new TProbe(&owner, "theme");
    auto* user = new TProbe(&owner, "user");
    user->SetReferenceTo(theme);
    delete theme;
    EXPECT_EQ(user->Reference, nullptr);
}

struct NameCase {
    const char* name;
    bool valid;
};

class ComponentNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ComponentNameTest, NamesMustBeIdentifiers)
{
    TComponent c(nullptr);
    if (GetParam().valid) {
        c.SetName(GetParam().name);
        EXPECT_EQ(c.Name(), GetParam().name);
    } else {
        EXPECT_THROW(c.SetName(GetParam().name), EComponentError);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ComponentNameTest,
                         ::testing::Values(NameCase{"btnOk", true}, NameCase{"_x1", true}, NameCase{"", true},
                                           NameCase{"1abc", false}, NameCase{"a b", false}, NameCase{"a.b", false},
                                           NameCase{"按钮", false}));

TEST_F(ComponentTest, NamesAreUniqueAmongTheOwnersComponentsWithoutRegardToCase)
{
    TComponent owner(nullptr);
    auto* a = new TProbe(&owner, "a");
    auto* b = new TProbe(&owner, "b");
    a->SetName("btnOk");
    try {
        b->SetName("BTNOK");
        FAIL() << "a duplicate name was taken";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message, "A component named BTNOK already exists");
    }
    EXPECT_EQ(b->Name(), "");
    // Changing only the letter case of one's own name is fine.
    a->SetName("BtnOK");
    EXPECT_EQ(owner.FindComponent("btnok"), a);
    EXPECT_EQ(owner.FindComponent("nothing"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST_F(ComponentTest, NamedComponentsBindAndUnbindTheOwnersPublishedField)
{
    TFieldOwner owner(nullptr);
    auto* probe = new TProbe(&owner, "p");
    EXPECT_EQ(owner.btnOk, nullptr);
    probe->SetName("BTNOK");
    EXPECT_EQ(owner.btnOk, probe);
    probe->SetName("other");
    EXPECT_EQ(owner.btnOk, nullptr);
    probe->SetName("btnOk");
    delete probe;
    EXPECT_EQ(owner.btnOk, nullptr);
}

TEST_F(ComponentTest, AFieldOfAnotherClassRefusesTheComponent)
{
    TFieldOwner owner(nullptr);
    auto* plain = new TComponent(&owner);
    EXPECT_THROW(plain->SetName("btnOk"), EComponentError);
    EXPECT_EQ(plain->Name(), "");
    EXPECT_EQ(owner.btnOk, nullptr);
    // Nor may a named component of another class join such an owner.
    TComponent elsewhere(nullptr);
    auto* named = new TComponent(&elsewhere);
    named->SetName("btnOk");
    EXPECT_THROW(owner.InsertComponent(named), EComponentError);
    EXPECT_EQ(named->Owner(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);
    delete named;
}

TEST_F(ComponentTest, NameAndTagArePublished)
{
    TProbe probe(nullptr, "p");
    SetPropValue(probe, "Name", std::string("x1"));
    SetPropValue(probe, "Tag", std::int64_t(7));
    EXPECT_EQ(probe.Name(), "x1");
    EXPECT_EQ(probe.Tag(), 7);
}

TEST_F(ComponentTest, WatchSeesTheComponentGo)
{
    auto* probe = new TProbe(nullptr, "p");
    const TComponentWatch watch(probe);
    EXPECT_TRUE(watch.Alive());
    delete probe;
    EXPECT_FALSE(watch.Alive());
}

}  // namespace
