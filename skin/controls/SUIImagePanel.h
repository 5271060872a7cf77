#pragma once
// TsuiImagePanel: the picture panel form descriptions create; it publishes
// TsuiCustomPanel's properties and the usual panel properties and events.

#include "skin/controls/SUICustomPanel.h"

class TsuiImagePanel : public TsuiCustomPanel {
    QZ_DECLARE_CLASS(TsuiImagePanel, TsuiCustomPanel)

public:
    explicit TsuiImagePanel(TComponent* owner) : TsuiCustomPanel(owner) {}
};
