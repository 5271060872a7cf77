#include "platform/ui/graphics/GraphicsObject.h"

#include "platform/core/ClassBuilder.h"

QZ_IMPLEMENT_CLASS(TGraphicsObject);

void TGraphicsObject::Publish(TClassBuilder<TGraphicsObject>&) {}

void TGraphicsObject::Changed()
{
    if (OnChange) OnChange(this);
}
