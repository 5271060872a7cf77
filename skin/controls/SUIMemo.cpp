#include "skin/controls/SUIMemo.h"

#include "skin/controls/SUIEditPublish.h"

QZ_IMPLEMENT_CLASS(TsuiMemo);

void TsuiMemo::Publish(TClassBuilder<TsuiMemo>& c)
{
    c.Creatable<TComponent>();
    PublishEditSkin(c);
}
