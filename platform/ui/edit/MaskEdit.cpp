#include "platform/ui/edit/MaskEdit.h"

#include "platform/ui/edit/EditPublish.h"

QZ_IMPLEMENT_CLASS(TMaskEdit);

void TMaskEdit::Publish(TClassBuilder<TMaskEdit>& c)
{
    c.Creatable<TComponent>();
    c.Property("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
    PublishEditProperties(c);
}
