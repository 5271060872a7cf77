// The framework's component classes that form descriptions may name.

#include "platform/core/ClassRegistry.h"
#include "platform/ui/Form.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

void RegisterStandardClasses()
{
    for (const TClassInfo* info : {&TForm::StaticClassInfo(), &TPanel::StaticClassInfo(), &TTimer::StaticClassInfo()}) {
        RegisterClass(*info);
    }
}
