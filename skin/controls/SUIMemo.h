#pragma once
// TsuiMemo: the framework's memo with the skin's two-pixel frame.

#include "platform/ui/edit/Memo.h"
#include "skin/controls/SUIEditSkin.h"

extern template class TsuiEditSkin<TMemo>;

class TsuiMemo : public TsuiEditSkin<TMemo> {
    QZ_DECLARE_CLASS(TsuiMemo, TMemo)

public:
    explicit TsuiMemo(TComponent* owner) : TsuiEditSkin<TMemo>(owner) {}
};
