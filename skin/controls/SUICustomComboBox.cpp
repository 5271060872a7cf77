#include "skin/controls/SUICustomComboBox.h"

#include "platform/core/ClassBuilder.h"

QZ_IMPLEMENT_CLASS(TsuiCustomComboBox);

void TsuiCustomComboBox::Publish(TClassBuilder<TsuiCustomComboBox>& /*c*/) {}
