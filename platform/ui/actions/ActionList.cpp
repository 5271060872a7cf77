#include "platform/ui/actions/ActionList.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/ListIndex.h"
#include "platform/ui/actions/CustomAction.h"
#include "platform/ui/graphics/ImageList.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TActionList);

void TActionList::Publish(TClassBuilder<TActionList>& c)
{
    c.Creatable<TComponent>();
    c.Reference("Images", &TActionList::Images, &TActionList::SetImages);
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList()
{
    for (TCustomAction* action : m_actions) action->ListGone();
}

void TActionList::SetImages(TImageList* images)
{
    if (m_images) m_images->RemoveFreeNotification(this);
    m_images = images;
    if (m_images) m_images->FreeNotification(this);
}

TCustomAction* TActionList::Actions(int index) const
{
    CheckListIndex(index, ActionCount());
    return m_actions[std::size_t(index)];
}

void TActionList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component && component == m_images) m_images = nullptr;
}

void TActionList::AddAction(TCustomAction* action)
{
    m_actions.push_back(action);
}

void TActionList::RemoveAction(TCustomAction* action)
{
    std::erase(m_actions, action);
}
