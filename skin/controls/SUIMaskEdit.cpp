#include "skin/controls/SUIMaskEdit.h"

#include "skin/controls/SUIEditPublish.h"

QZ_IMPLEMENT_CLASS(TsuiMaskEdit);

void TsuiMaskEdit::Publish(TClassBuilder<TsuiMaskEdit>& c)
{
    c.Creatable<TComponent>();
    PublishEditSkin(c);
}
