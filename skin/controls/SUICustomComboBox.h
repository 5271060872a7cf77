#pragma once
// TsuiCustomComboBox: the framework's combo box in the skin
// (TsuiComboBoxSkinned); TsuiComboBox publishes it.

#include "platform/ui/lists/ComboBox.h"
#include "skin/controls/SUIComboBoxSkinned.h"

class TsuiCustomComboBox : public TsuiComboBoxSkinned<TCustomComboBox> {
    QZ_DECLARE_CLASS(TsuiCustomComboBox, TCustomComboBox)

public:
    explicit TsuiCustomComboBox(TComponent* owner) : TsuiComboBoxSkinned(owner) {}
};
