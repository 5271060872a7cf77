#include "platform/ui/edit/Memo.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/edit/MemoStrings.h"

QZ_IMPLEMENT_CLASS(TMemo);

void TMemo::Publish(TClassBuilder<TMemo>& c)
{
    c.Creatable<TComponent>();
    c.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
    c.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
    PublishColorAndFont(c);
    c.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
    c.SubObject("Lines", &TMemo::MemoLines);
    c.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    c.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
    c.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
    c.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
    c.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
    c.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
    c.Property("OnChange", &TCustomEdit::OnChange);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
