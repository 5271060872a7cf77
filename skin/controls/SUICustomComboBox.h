#pragma once
// TsuiCustomComboBox: the framework's combo box with the skin's frame and
// drop-down button painted over it after every paint and erase
// (TsuiComboBoxLook says how). Text entry, the list, the keys, item
// drawing and the events stay the framework's. A new one starts in the
// style of its owner form's skinned form (DeepBlue without one).

#include "platform/ui/lists/ComboBox.h"
#include "skin/controls/SUIComboBoxLook.h"

class TsuiCustomComboBox : public TCustomComboBox {
    QZ_DECLARE_CLASS(TsuiCustomComboBox, TCustomComboBox)

public:
    explicit TsuiCustomComboBox(TComponent* owner);

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

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TsuiComboBoxLook m_look{*this};
};
