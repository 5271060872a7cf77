#pragma once
// TBasicAction: a command that controls share. Executing it runs OnExecute;
// every change of its properties is told to the controls linked to it
// through their TBasicActionLink, which also learns when the action goes.

#include "platform/ui/base/Component.h"

#include <functional>
#include <vector>

class TBasicActionLink;

class TBasicAction : public TComponent {
    QZ_DECLARE_CLASS(TBasicAction, TComponent)

public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;

    TNotifyEvent OnExecute;

    // Runs OnExecute (sender: the action); false when there is none.
    virtual bool Execute();

protected:
    // Tells every linked client that the action changed.
    void Change();

private:
    friend class TBasicActionLink;
    void RegisterChanges(TBasicActionLink* link);
    void UnRegisterChanges(TBasicActionLink* link);

    std::vector<TBasicActionLink*> m_clients;  // not owned; each unregisters itself
};

// A client's hold on an action: set the action, hear of its changes
// (OnChange), execute it. The link forgets the action when it goes.
class TBasicActionLink {
public:
    TBasicActionLink() = default;
    ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    [[nodiscard]] TBasicAction* Action() const { return m_action; }
    void SetAction(TBasicAction* action);
    // Executes the action; false without one.
    bool Execute();

    // Called with the action after each of its changes.
    std::function<void(TBasicAction*)> OnChange;

private:
    friend class TBasicAction;
    void ActionGone() { m_action = nullptr; }

    TBasicAction* m_action = nullptr;
};
