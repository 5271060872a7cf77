#pragma once
// TsuiMaskEdit: the framework's masked edit with the skin's two-pixel frame.

#include "platform/ui/edit/MaskEdit.h"
#include "skin/controls/SUIEditSkin.h"

extern template class TsuiEditSkin<TMaskEdit>;

class TsuiMaskEdit : public TsuiEditSkin<TMaskEdit> {
    QZ_DECLARE_CLASS(TsuiMaskEdit, TMaskEdit)

public:
    explicit TsuiMaskEdit(TComponent* owner) : TsuiEditSkin<TMaskEdit>(owner) {}
};
