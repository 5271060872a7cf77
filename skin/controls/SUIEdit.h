#pragma once
// TsuiEdit: the framework's single-line edit with the skin's two-pixel frame.

#include "platform/ui/edit/Edit.h"
#include "skin/controls/SUIEditSkin.h"

extern template class TsuiEditSkin<TEdit>;

class TsuiEdit : public TsuiEditSkin<TEdit> {
    QZ_DECLARE_CLASS(TsuiEdit, TEdit)

public:
    explicit TsuiEdit(TComponent* owner) : TsuiEditSkin<TEdit>(owner) {}
};
