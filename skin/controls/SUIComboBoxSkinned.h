#pragma once
// TsuiComboBoxSkinned<Base>: a framework combo box class (TCustomComboBox,
// TDriveComboBox) dressed in the skin: the skin's frame and drop-down button
// painted over the framework's after every paint and erase
// (TsuiComboBoxLook says how), the style contract (UIStyle, FileTheme) and
// the three colours. Text entry, the list, the keys, item drawing and the
// events stay the framework's. A new one starts in the style of its owner
// form's skinned form (DeepBlue without one).

#include "skin/controls/SUIComboBoxLook.h"
#include "skin/core/SUIThemes.h"

template <class Base>
class TsuiComboBoxSkinned : public Base {
public:
    explicit TsuiComboBoxSkinned(TComponent* owner) : Base(owner)
    {
        this->SetBorderWidth(0);
        SetUIStyle(GetSUIFormStyle(owner));
    }

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

    // The framework first; the look follows its messages (asked before, since a message may free the control).
    void Dispatch(TMessage& message) override
    {
        const bool follows = TsuiComboBoxLook::Follows(message.Msg);
        Base::Dispatch(message);
        if (follows) m_look.MessageHandled(message);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        Base::Notification(component, operation);
        if (operation == opRemove) m_look.ComponentRemoved(component);
    }

private:
    TsuiComboBoxLook m_look{*this};
};
