#pragma once
// TComponent: the base of everything a form description can create. A
// component has an owner, which frees it; it owns the components created
// with it as owner, in insertion order; it has a name unique among its
// owner's components (compared without regard to ASCII case); and it hears
// of components that join or leave (Notification) so that it can clear its
// references to them.
//
// Destruction runs in two steps. `delete` goes through TComponent's
// destroying operator delete, which first calls BeforeDestruction while the
// object is still whole (forms fire OnDestroy there, windowed controls free
// their windows and child controls, owned components are freed, the last
// first), then the destructors. A component that is not on the heap skips
// the first step; its destructors still clean up.
//
// Published fields: when a named component joins an owner whose class
// publishes a field of that name (TClassBuilder::Field), the field is set to
// the component; it is cleared when the component leaves or is renamed.

#include "platform/core/Exception.h"
#include "platform/core/Rtti.h"

#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

QZ_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
        csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TEnumSet<TComponentStateFlag>;

QZ_ENUM(TOperation, opInsert, opRemove)

// Naming and ownership errors: "A component named X already exists".
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

class TComponent : public TPersistent {
    QZ_DECLARE_CLASS(TComponent, TPersistent)

public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // Calls BeforeDestruction, then the destructors (see the header comment).
    void operator delete(TComponent* p, std::destroying_delete_t);
    // The allocation, and the release of a component whose constructor threw.
    [[nodiscard]] static void* operator new(std::size_t size);
    static void operator delete(void* p);

    [[nodiscard]] TComponent* Owner() const { return m_owner; }
    [[nodiscard]] int ComponentCount() const { return int(m_components.size()); }
    // Raises EListError for a bad index.
    [[nodiscard]] TComponent* Components(int index) const;
    // The position in the owner's list, -1 without an owner.
    [[nodiscard]] int ComponentIndex() const;

    [[nodiscard]] const std::string& Name() const { return m_name; }
    // Raises EComponentError for a name that is no identifier or that
    // another component of the owner has.
    virtual void SetName(const std::string& name);
    // How a form description nests a component that is no control inside
    // another object (a menu item inside a menu or item); most ignore it.
    virtual void SetParentComponent(TComponent* /*parent*/) {}
    [[nodiscard]] int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // The owned component of that name (ASCII case ignored), or null.
    [[nodiscard]] TComponent* FindComponent(std::string_view name) const;

    // Takes component over from its current owner; raises EComponentError
    // when its name is taken here.
    void InsertComponent(TComponent* component);
    // Releases component without freeing it; the caller owns it afterwards.
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last first.
    void DestroyComponents();

    // Asks to be told (Notification opRemove) when component goes away, and
    // tells it when this one does. Components of one owner hear of each
    // other through the owner anyway.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    [[nodiscard]] TComponentState ComponentState() const { return m_state; }
    [[nodiscard]] bool IsLoading() const { return m_state.Contains(csLoading); }
    [[nodiscard]] bool IsDestroying() const { return m_state.Contains(csDestroying); }
    // Marks this component and what it owns as going away.
    void Destroying();

protected:
    // Called once everything a form description holds was read; clears csLoading.
    virtual void Loaded();
    // Runs while the object is whole, before any destructor.
    virtual void BeforeDestruction();
    // Told when component joins (opInsert) or leaves (opRemove) the owner's
    // tree or a free-notification partner goes away. Overrides call the
    // inherited one, which passes the news on to the owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    // The owner checks a rename of one of its components.
    virtual void ValidateRename(TComponent* component, std::string_view curName, std::string_view newName);

private:
    friend class TFormReader;  // sets csLoading and csReading while it reads

    void Insert(TComponent* component);
    void Remove(TComponent* component);
    // Sets (or clears) the owner's published field of this component's name.
    void SetReference(bool enable);
    void NotifyFreeNotifies();

    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;   // owned, insertion order
    std::vector<TComponent*> m_freeNotifies;  // partners, not owned
    std::string m_name;
    int m_tag = 0;
    TComponentState m_state;
    std::shared_ptr<int> m_lifeToken = std::make_shared<int>(0);  // expires with the component

    friend class TComponentWatch;
};

// Watches a component across a callback that may free it (a click handler
// that closes its form): Alive() is false once the component was destroyed.
class TComponentWatch {
public:
    explicit TComponentWatch(const TComponent* component)
    {
        if (component) m_token = component->m_lifeToken;
    }
    [[nodiscard]] bool Alive() const { return !m_token.expired(); }

private:
    std::weak_ptr<int> m_token;
};

// True for a valid component name: a letter or '_' then letters, digits or '_'.
[[nodiscard]] bool IsValidIdent(std::string_view name);
