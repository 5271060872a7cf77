#pragma once
// TEdit: the edit box form descriptions create; it publishes TCustomEdit's
// properties and the usual control properties and events. PasswordChar is
// written as a one-character string ('*'; '' for none).

#include "platform/ui/edit/CustomEdit.h"

class TEdit : public TCustomEdit {
    QZ_DECLARE_CLASS(TEdit, TCustomEdit)

public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
