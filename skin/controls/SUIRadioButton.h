#pragma once
// TsuiRadioButton: the skin's radio button. Its picture comes from the
// style's RadioButtonImage strip, drawn with its key colour left out. A
// click only ever checks it; checking it (by the user or in code) unchecks
// every other radio button of the same GroupIndex on the same parent.
// Radio buttons on other parents are never touched.

#include "skin/controls/SUICheckBox.h"

class TsuiRadioButton : public TsuiCheckBox {
    QZ_DECLARE_CLASS(TsuiRadioButton, TsuiCheckBox)

public:
    using TsuiCheckBox::TsuiCheckBox;

    [[nodiscard]] int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int groupIndex) { m_groupIndex = groupIndex; }

protected:
    [[nodiscard]] bool GetPicTransparent() const override { return true; }
    [[nodiscard]] int GetPicThemeIndex() const override;
    void CheckStateChanged() override;
    void DoClick() override;

private:
    void UnCheckGroup();

    int m_groupIndex = 0;
};
