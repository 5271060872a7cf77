#pragma once
// TsuiDriveComboBox: the framework's drive combo box with the same skin
// frame and button as TsuiComboBox (TsuiComboBoxLook), and DroppedDown as
// a property: reading asks the window whether its list is shown, writing
// shows or hides the list and repaints.

#include "platform/ui/lists/DriveComboBox.h"
#include "skin/controls/SUIComboBoxLook.h"

class TsuiDriveComboBox : public TDriveComboBox {
    QZ_DECLARE_CLASS(TsuiDriveComboBox, TDriveComboBox)

public:
    explicit TsuiDriveComboBox(TComponent* owner);

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_look.UIStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_look.SetUIStyle(style); }
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_look.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme) { m_look.SetFileTheme(fileTheme); }
    [[nodiscard]] TColor BorderColor() const { return m_look.BorderColor(); }
    void SetBorderColor(TColor color) { m_look.SetBorderColor(color); }
    [[nodiscard]] TColor ButtonColor() const { return m_look.ButtonColor(); }
    void SetButtonColor(TColor color) { m_look.SetButtonColor(color); }
    [[nodiscard]] TColor ArrowColor() const { return m_look.ArrowColor(); }
    void SetArrowColor(TColor color) { m_look.SetArrowColor(color); }
    [[nodiscard]] bool DroppedDown() const;
    void SetDroppedDown(bool dropped);

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TsuiComboBoxLook m_look{*this};
};
