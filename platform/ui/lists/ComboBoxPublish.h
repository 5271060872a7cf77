#pragma once
// The properties and events every published combo box shares (TComboBox
// and the skinned ones). Include only from .cpp files.

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/lists/ListBoxStrings.h"

template <class T>
void PublishComboBoxProperties(TClassBuilder<T>& c)
{
    c.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown);
    c.Property("CharCase", &TCustomComboBox::CharCase, &TCustomComboBox::SetCharCase).Default(ecNormal);
    PublishColorAndFont(c);
    c.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
        .Default(TCustomComboBox::kDefaultDropDownCount);
    c.Property("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight);
    c.Property("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1);
    c.Property("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
    c.Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false);
    c.Property("Text", &TControl::Text, &TControl::SetText);
    PublishItems(c);
    c.Property("OnChange", &TCustomComboBox::OnChange);
    c.Property("OnDropDown", &TCustomComboBox::OnDropDown);
    c.Property("OnCloseUp", &TCustomComboBox::OnCloseUp);
    c.Property("OnDrawItem", &TCustomComboBox::OnDrawItem);
    c.Property("OnMeasureItem", &TCustomComboBox::OnMeasureItem);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
