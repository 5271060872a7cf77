#pragma once
// TsuiComboBox: the skinned combo box form descriptions create; it
// publishes the skin's properties and the framework combo box's.

#include "skin/controls/SUICustomComboBox.h"

class TsuiComboBox : public TsuiCustomComboBox {
    QZ_DECLARE_CLASS(TsuiComboBox, TsuiCustomComboBox)

public:
    explicit TsuiComboBox(TComponent* owner) : TsuiCustomComboBox(owner) {}
};
