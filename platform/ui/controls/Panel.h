#pragma once
// TPanel: the panel form descriptions create; it publishes TCustomPanel's
// properties and the usual control properties and events.

#include "platform/ui/controls/CustomPanel.h"

class TPanel : public TCustomPanel {
    QZ_DECLARE_CLASS(TPanel, TCustomPanel)

public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
