#include "platform/ui/controls/Label.h"

#include "platform/ui/base/ControlPublish.h"

QZ_IMPLEMENT_CLASS(TLabel);

void TLabel::Publish(TClassBuilder<TLabel>& c)
{
    c.Creatable<TComponent>();
    PublishCaption(c);
    PublishColorAndFont(c);
    c.Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify);
    c.Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
    c.Reference("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
    c.Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop);
    c.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
    c.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
    c.Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);
    PublishMouseEvents(c);
}
