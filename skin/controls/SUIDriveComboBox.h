#pragma once
// TsuiDriveComboBox: the framework's drive combo box in the skin, painted
// exactly as TsuiComboBox (TsuiComboBoxSkinned), with DroppedDown as a
// property: reading asks the window whether its list is shown, writing
// shows or hides the list and repaints.

#include "platform/ui/lists/DriveComboBox.h"
#include "skin/controls/SUIComboBoxSkinned.h"

class TsuiDriveComboBox : public TsuiComboBoxSkinned<TDriveComboBox> {
    QZ_DECLARE_CLASS(TsuiDriveComboBox, TDriveComboBox)

public:
    explicit TsuiDriveComboBox(TComponent* owner) : TsuiComboBoxSkinned(owner) {}

    [[nodiscard]] bool DroppedDown() const;
    void SetDroppedDown(bool dropped);
};
