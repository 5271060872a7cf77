// TControl's linked action: what the control shows of it and how it
// hears of its changes.

#include "platform/ui/actions/CustomAction.h"
#include "platform/ui/base/Control.h"

TBasicAction* TControl::Action() const
{
    return m_actionLink ? m_actionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* action)
{
    if (!action) {
        m_actionLink.reset();
        return;
    }
    if (!m_actionLink) {
        m_actionLink = std::make_unique<TBasicActionLink>();
        m_actionLink->OnChange = [this](TBasicAction* sender) { ActionChange(sender, false); };
    }
    m_actionLink->SetAction(action);
    // While a form description is read, what it sets on the control wins.
    ActionChange(action, IsLoading());
}

void TControl::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    const auto* action = dynamic_cast<const TCustomAction*>(sender);
    if (!action) return;
    if (!checkDefaults || Caption().empty()) SetCaption(action->Caption());
    if (!checkDefaults || Enabled()) SetEnabled(action->Enabled());
    if (!checkDefaults || Hint().empty()) SetHint(action->Hint());
    if (!checkDefaults || Visible()) SetVisible(action->Visible());
}
