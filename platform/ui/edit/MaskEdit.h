#pragma once
// TMaskEdit: the masked edit box form descriptions create; it publishes
// EditMask besides the edit box's properties. EditMask is written before
// Text, so that a stored Text is read into the mask.

#include "platform/ui/edit/CustomMaskEdit.h"

class TMaskEdit : public TCustomMaskEdit {
    QZ_DECLARE_CLASS(TMaskEdit, TCustomMaskEdit)

public:
    explicit TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
};
