#pragma once
// TLabel: the label form descriptions create; it publishes TCustomLabel's
// properties and the usual control properties and mouse events.

#include "platform/ui/controls/CustomLabel.h"

class TLabel : public TCustomLabel {
    QZ_DECLARE_CLASS(TLabel, TCustomLabel)

public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
