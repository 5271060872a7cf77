#pragma once
// TMemo: the memo form descriptions create; it publishes TCustomMemo's
// properties (Lines as "Lines.Strings = (...)") and the usual control
// properties and events.

#include "platform/ui/edit/CustomMemo.h"

class TMemo : public TCustomMemo {
    QZ_DECLARE_CLASS(TMemo, TCustomMemo)

public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};
