#include "app/MainForm.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/Panel.h"

TfrmMain* frmMain = nullptr;

QZ_IMPLEMENT_CLASS(TfrmMain);
void TfrmMain::Publish(TClassBuilder<TfrmMain>& c)
{
    c.Creatable<TComponent>();
    c.Field("suiFrmMain", &TfrmMain::suiFrmMain);
}
