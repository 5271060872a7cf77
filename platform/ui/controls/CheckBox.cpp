#include "platform/ui/controls/CheckBox.h"

#include "platform/ui/base/ControlPublish.h"

QZ_IMPLEMENT_CLASS(TCheckBox);

void TCheckBox::Publish(TClassBuilder<TCheckBox>& c)
{
    c.Creatable<TComponent>();
    PublishCaption(c);
    PublishColorAndFont(c);
    c.Property("Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment).Default(taRightJustify);
    c.Property("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(false);
    c.Property("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked).Default(false);
    c.Property("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState).Default(cbUnchecked);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
