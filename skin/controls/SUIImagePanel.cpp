#include "skin/controls/SUIImagePanel.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Picture.h"

QZ_IMPLEMENT_CLASS(TsuiImagePanel);

void TsuiImagePanel::Publish(TClassBuilder<TsuiImagePanel>& c)
{
    c.Creatable<TComponent>();
    c.Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
    c.SubObject("Picture", &TsuiCustomPanel::Picture, &TsuiCustomPanel::SetPicture);
    c.Property("Transparent", &TsuiCustomPanel::Transparent, &TsuiCustomPanel::SetTransparent).Default(false);
    c.Property("AutoSize", &TsuiCustomPanel::AutoSize, &TsuiCustomPanel::SetAutoSize).Default(false);
    c.Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
    c.Property("CaptionPosX", &TsuiCustomPanel::CaptionPosX, &TsuiCustomPanel::SetCaptionPosX).Default(-1);
    c.Property("CaptionPosY", &TsuiCustomPanel::CaptionPosY, &TsuiCustomPanel::SetCaptionPosY).Default(-1);
    c.Property("DrawStyle", &TsuiCustomPanel::DrawStyle, &TsuiCustomPanel::SetDrawStyle).Default(suiNormal);
    PublishCaption(c);
    PublishColorAndFont(c);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
