#include "platform/ui/actions/BasicAction.h"

#include "platform/core/ClassBuilder.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TBasicAction);

void TBasicAction::Publish(TClassBuilder<TBasicAction>& c)
{
    c.Property("OnExecute", &TBasicAction::OnExecute);
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction()
{
    for (TBasicActionLink* link : m_clients) link->ActionGone();
}

bool TBasicAction::Execute()
{
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

void TBasicAction::Change()
{
    // A client's handler may unlink clients: walk a copy.
    const std::vector<TBasicActionLink*> clients = m_clients;
    for (TBasicActionLink* link : clients) {
        if (std::find(m_clients.begin(), m_clients.end(), link) == m_clients.end()) continue;
        if (link->OnChange) link->OnChange(this);
    }
}

void TBasicAction::RegisterChanges(TBasicActionLink* link)
{
    m_clients.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link)
{
    std::erase(m_clients, link);
}

TBasicActionLink::~TBasicActionLink()
{
    SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* action)
{
    if (m_action == action) return;
    if (m_action) m_action->UnRegisterChanges(this);
    m_action = action;
    if (m_action) m_action->RegisterChanges(this);
}

bool TBasicActionLink::Execute()
{
    return m_action && m_action->Execute();
}
