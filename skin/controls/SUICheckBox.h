#pragma once
// TsuiCheckBox: the skin's two-state check box. A state picture cut from
// the style's CheckBoxImage strip (four frames: checked, unchecked,
// checked disabled, unchecked disabled) sits at the left, vertically
// centred, followed by the caption as plain text ('&' is shown, though
// Alt and the letter after it still click). Every click, Space or Enter
// release and accelerator toggles it. With AutoSize (the default) the
// control takes the size of picture and caption from the moment its window
// exists and whenever either changes; a new one is 93 x 17.
// State is a view of Checked: cbGrayed reads and writes as cbUnchecked.

#include "platform/ui/base/CustomControl.h"
#include "platform/ui/controls/CustomCheckBox.h"
#include "skin/controls/SUISkinnedControl.h"

class TBitmap;

class TsuiCheckBox : public TCustomControl {
    QZ_DECLARE_CLASS(TsuiCheckBox, TCustomControl)

public:
    static constexpr int kDefaultWidth = 93;   // pixels
    static constexpr int kDefaultHeight = 17;  // pixels

    explicit TsuiCheckBox(TComponent* owner);

    [[nodiscard]] bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    [[nodiscard]] TCheckBoxState State() const { return m_checked ? cbChecked : cbUnchecked; }
    void SetState(TCheckBoxState state) { SetChecked(state == cbChecked); }
    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_style.Style(); }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_style.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    void SetAutoSize2(bool autoSize);

    // The frame (from 1) of the four-frame strip the control shows now.
    [[nodiscard]] int StateFrame() const;

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    // The state picture leaves out its key colour.
    [[nodiscard]] virtual bool GetPicTransparent() const { return false; }
    // The theme element of the state strip.
    [[nodiscard]] virtual int GetPicThemeIndex() const;
    // After Checked changed.
    virtual void CheckStateChanged() {}
    virtual void Toggle() {}
    // What a click does to Checked.
    virtual void DoClick();

    void Paint() override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    // The state picture into picture.
    void LoadPicture(TBitmap* picture) const;
    // Picture and caption decide the size (AutoSize).
    void AdjustSize();
    void CMDialogChar(TMessage& message);
    void Changed();

    TsuiStyleLink m_style{this};
    bool m_checked = false;
    bool m_transparent = false;
    bool m_autoSize = true;
};
