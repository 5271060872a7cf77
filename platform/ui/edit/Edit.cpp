#include "platform/ui/edit/Edit.h"

#include "platform/ui/edit/EditPublish.h"

QZ_IMPLEMENT_CLASS(TEdit);

void TEdit::Publish(TClassBuilder<TEdit>& c)
{
    c.Creatable<TComponent>();
    PublishEditProperties(c);
}
