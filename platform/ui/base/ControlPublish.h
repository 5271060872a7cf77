#pragma once
// Groups of properties a control class publishes in its Publish(), as the
// classic controls do: not every control has a caption, a font or mouse
// events, so TControl leaves these to the classes that use them. Include
// only from .cpp files (it brings in ClassBuilder.h).

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/base/WinControl.h"

template <class T>
void PublishCaption(TClassBuilder<T>& c)
{
    c.Property("Caption", &TControl::Caption, &TControl::SetCaption);
}

template <class T>
void PublishColorAndFont(TClassBuilder<T>& c)
{
    c.Color("Color", &TControl::Color, &TControl::SetColor);
    c.SubObject("Font", &TControl::Font, &TControl::SetFont);
    c.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
}

template <class T>
void PublishMouseEvents(TClassBuilder<T>& c)
{
    c.Property("OnClick", &TControl::OnClick);
    c.Property("OnDblClick", &TControl::OnDblClick);
    c.Property("OnMouseDown", &TControl::OnMouseDown);
    c.Property("OnMouseMove", &TControl::OnMouseMove);
    c.Property("OnMouseUp", &TControl::OnMouseUp);
    c.Property("OnMouseEnter", &TControl::OnMouseEnter);
    c.Property("OnMouseLeave", &TControl::OnMouseLeave);
}

template <class T>
void PublishKeyEvents(TClassBuilder<T>& c)
{
    c.Property("OnEnter", &TWinControl::OnEnter);
    c.Property("OnExit", &TWinControl::OnExit);
    c.Property("OnKeyDown", &TWinControl::OnKeyDown);
    c.Property("OnKeyPress", &TWinControl::OnKeyPress);
    c.Property("OnKeyUp", &TWinControl::OnKeyUp);
}
