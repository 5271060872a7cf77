#pragma once
// TForm: the form class applications derive their forms from. It publishes
// what form descriptions set on a form.

#include "platform/ui/forms/CustomForm.h"

class TForm : public TCustomForm {
    QZ_DECLARE_CLASS(TForm, TCustomForm)

public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};
