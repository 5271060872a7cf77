#pragma once
// TCustomCheckBox: a box with a check mark and a caption beside it. State
// is unchecked, checked or grayed (grayed only by code, or by clicks when
// AllowGrayed). A click, Space or the caption's accelerator toggles it:
// unchecked -> checked (or grayed with AllowGrayed) -> unchecked, grayed
// -> checked. Every change of State fires OnClick, from the user or from
// code (Checked, State), except while the form description is read.
// Alignment taRightJustify puts the caption right of the box,
// taLeftJustify left of it. The focused check box frames its caption
// with a dotted rectangle; a disabled one shows a grey box and etched text.

#include "platform/ui/controls/ButtonControl.h"

QZ_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

// Where a check box draws its parts, in client coordinates.
struct TCheckBoxLayout {
    TRect Box;   // the square of the box
    TRect Text;  // the strip the caption is drawn in, centred vertically
};

class TCustomCheckBox : public TButtonControl {
    QZ_DECLARE_CLASS(TCustomCheckBox, TButtonControl)

public:
    static constexpr int kDefaultWidth = 97;   // pixels
    static constexpr int kDefaultHeight = 17;  // pixels
    static constexpr int kBoxSize = 13;        // pixels, the box's side
    static constexpr int kTextGap = 4;         // pixels between box and caption

    explicit TCustomCheckBox(TComponent* owner);

    // taLeftJustify or taRightJustify; taCenter counts as taRightJustify.
    [[nodiscard]] TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    [[nodiscard]] bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool allow) { m_allowGrayed = allow; }
    [[nodiscard]] TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState state);
    [[nodiscard]] bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    // Moves to the state a click gives.
    virtual void Toggle();

    [[nodiscard]] TCheckBoxLayout Layout() const;

    void Dispatch(TMessage& message) override;

protected:
    void ButtonClicked() override { Toggle(); }
    void Paint() override;

private:
    void CMDialogChar(TMessage& message);
    [[nodiscard]] UINT BoxState(const TButtonState& state) const;

    TAlignment m_alignment = taRightJustify;
    bool m_allowGrayed = false;
    TCheckBoxState m_state = cbUnchecked;
};
