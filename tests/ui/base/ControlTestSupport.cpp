// Run-time type information and painting of the test controls in UiTestFixture.h.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"

namespace uitest {

QZ_IMPLEMENT_CLASS(TTestButton);
QZ_IMPLEMENT_CLASS(TTestGraphic);

void TTestButton::Publish(TClassBuilder<TTestButton>& c)
{
    c.Creatable<TComponent>();
    c.Property("Default", &TTestButton::Default);
    c.Property("Cancel", &TTestButton::Cancel);
    c.Property("OnClick", &TControl::OnClick);
}

void TTestGraphic::Publish(TClassBuilder<TTestGraphic>& c)
{
    c.Creatable<TComponent>();
}

void TTestGraphic::Paint()
{
    ++Paints;
    Canvas()->Brush()->SetColor(PaintColor);
    Canvas()->FillRect(ClientRect());
}

}  // namespace uitest
