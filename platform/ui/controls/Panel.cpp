#include "platform/ui/controls/Panel.h"

#include "platform/ui/base/ControlPublish.h"

QZ_IMPLEMENT_CLASS(TPanel);

void TPanel::Publish(TClassBuilder<TPanel>& c)
{
    c.Creatable<TComponent>();
    PublishCaption(c);
    PublishColorAndFont(c);
    c.Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
    c.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
    c.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
    c.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
    c.Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
    c.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
    c.Property("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint).Default(true);
    c.Property("ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground).Default(true);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
