#include "skin/controls/SUIEdit.h"

#include "skin/controls/SUIEditPublish.h"

QZ_IMPLEMENT_CLASS(TsuiEdit);

void TsuiEdit::Publish(TClassBuilder<TsuiEdit>& c)
{
    c.Creatable<TComponent>();
    PublishEditSkin(c);
}
