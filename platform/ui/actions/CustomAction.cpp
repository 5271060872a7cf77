#include "platform/ui/actions/CustomAction.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/actions/ActionList.h"

QZ_IMPLEMENT_CLASS(TCustomAction);
QZ_IMPLEMENT_CLASS(TAction);

void TCustomAction::Publish(TClassBuilder<TCustomAction>& /*c*/) {}

void TAction::Publish(TClassBuilder<TAction>& c)
{
    c.Creatable<TComponent>();
    c.Property("Caption", &TAction::Caption, &TAction::SetCaption);
    c.Property("Checked", &TAction::Checked, &TAction::SetChecked).Default(false);
    c.Property("Enabled", &TAction::Enabled, &TAction::SetEnabled).Default(true);
    c.Property("Hint", &TAction::Hint, &TAction::SetHint);
    c.Property("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex).Default(-1);
    c.Property("Visible", &TAction::Visible, &TAction::SetVisible).Default(true);
}

TCustomAction::TCustomAction(TComponent* owner) : TBasicAction(owner) {}

TCustomAction::~TCustomAction()
{
    SetActionList(nullptr);
}

namespace {

// Stores value and reports whether it changed.
template <class T>
bool Store(T& field, const T& value)
{
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

void TCustomAction::SetCaption(const std::string& caption)
{
    if (Store(m_caption, caption)) Change();
}

void TCustomAction::SetEnabled(bool enabled)
{
    if (Store(m_enabled, enabled)) Change();
}

void TCustomAction::SetChecked(bool checked)
{
    if (Store(m_checked, checked)) Change();
}

void TCustomAction::SetVisible(bool visible)
{
    if (Store(m_visible, visible)) Change();
}

void TCustomAction::SetHint(const std::string& hint)
{
    if (Store(m_hint, hint)) Change();
}

void TCustomAction::SetImageIndex(int index)
{
    if (Store(m_imageIndex, index)) Change();
}

bool TCustomAction::Execute()
{
    return m_enabled && TBasicAction::Execute();
}

void TCustomAction::SetActionList(TActionList* list)
{
    if (m_actionList == list) return;
    if (m_actionList) m_actionList->RemoveAction(this);
    m_actionList = list;
    if (m_actionList) m_actionList->AddAction(this);
}

void TCustomAction::SetParentComponent(TComponent* parent)
{
    if (auto* list = dynamic_cast<TActionList*>(parent)) SetActionList(list);
}
