#include "skin/controls/SUIComboBox.h"

#include "platform/ui/lists/ComboBoxPublish.h"
#include "skin/controls/SUIComboBoxPublish.h"

QZ_IMPLEMENT_CLASS(TsuiComboBox);

void TsuiComboBox::Publish(TClassBuilder<TsuiComboBox>& c)
{
    c.Creatable<TComponent>();
    PublishComboBoxLook(c);
    PublishComboBoxProperties(c);
}
