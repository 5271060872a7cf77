#include "skin/controls/SUIRadioButton.h"

#include "platform/core/ClassBuilder.h"
#include "skin/core/ThemeElements.h"

QZ_IMPLEMENT_CLASS(TsuiRadioButton);

void TsuiRadioButton::Publish(TClassBuilder<TsuiRadioButton>& c)
{
    c.Creatable<TComponent>();
    c.Property("GroupIndex", &TsuiRadioButton::GroupIndex, &TsuiRadioButton::SetGroupIndex).Default(0);
}

int TsuiRadioButton::GetPicThemeIndex() const
{
    return SuiThemeId::RadioButtonImage;
}

void TsuiRadioButton::CheckStateChanged()
{
    if (Checked()) UnCheckGroup();
}

void TsuiRadioButton::DoClick()
{
    if (!Checked()) SetChecked(true);
}

void TsuiRadioButton::UnCheckGroup()
{
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TsuiRadioButton*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->GroupIndex() == m_groupIndex) sibling->SetChecked(false);
    }
}
