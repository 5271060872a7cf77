#pragma once
// TCheckBox: the check box form descriptions create; it publishes
// TCustomCheckBox's properties and the usual control properties and events.

#include "platform/ui/controls/CustomCheckBox.h"

class TCheckBox : public TCustomCheckBox {
    QZ_DECLARE_CLASS(TCheckBox, TCustomCheckBox)

public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};
