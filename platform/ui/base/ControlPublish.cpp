// Run-time type information of TControl and TWinControl.

#include "platform/ui/base/ControlPublish.h"

#include "platform/core/FormDescription.h"
#include "platform/ui/base/SizeConstraints.h"

QZ_IMPLEMENT_CLASS(TControl);
QZ_IMPLEMENT_CLASS(TWinControl);

void TControl::Publish(TClassBuilder<TControl>& c)
{
    c.Property("Left", &TControl::Left, &TControl::SetLeft);
    c.Property("Top", &TControl::Top, &TControl::SetTop);
    c.Property("Width", &TControl::Width, &TControl::SetWidth);
    c.Property("Height", &TControl::Height, &TControl::SetHeight);
    c.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    c.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors);
    c.SubObject("Constraints", &TControl::Constraints, &TControl::SetConstraints);
    c.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    c.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    c.Property("Hint", &TControl::Hint, &TControl::SetHint);
    c.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
    c.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    c.Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    c.Property("OnResize", &TControl::OnResize);
    c.Property("OnCanResize", &TControl::OnCanResize);
    c.Property("OnConstrainedResize", &TControl::OnConstrainedResize);
    // Cursors are numbers with names ("crHandPoint"); the reader takes either.
    c.DefinedProperty("Cursor", &TControl::ReadCursor);
}

void TControl::ReadCursor(const TFormValue& value)
{
    if (value.Kind == TFormValueKind::Integer) {
        SetCursor(TCursor(value.Integer));
        return;
    }
    const std::optional<TCursor> cursor =
        value.Kind == TFormValueKind::Identifier ? IdentToCursor(value.Text) : std::nullopt;
    if (!cursor) throw EPropertyError("Invalid property value for Cursor: " + value.Text);
    SetCursor(*cursor);
}

void TWinControl::Publish(TClassBuilder<TWinControl>& c)
{
    c.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    c.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
}
