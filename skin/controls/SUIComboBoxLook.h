#pragma once
// TsuiComboBoxLook: what every skinned combo box adds to the framework's
// combo box, kept in one place so that the combo box and the drive combo
// box share it: the style contract (UIStyle, FileTheme), the three colours,
// and DrawButton, which paints the skin's frame and drop-down button over
// what the framework painted.
//
// DrawButton, after every paint and erase of the control:
//   1. two rings over the framework's sunken edge: BorderColor outside,
//      the control's Color inside it;
//   2. while the list is open, a ring of BorderColor round the list window,
//      drawn on the screen;
//   3. the button: MacOS and WinXP (the UIStyle property itself, not the
//      style it resolves to) stretch their button bitmap over it; every other
//      style fills it with ButtonColor and draws a BorderColor line down its
//      left edge from one pixel above its top;
//   4. unless WinXP, the arrow (ComboArrowOrigin): a triangle seven pixels
//      wide and four rows high in ArrowColor, or engraved (white one pixel
//      right and down, grey on top) while the control is disabled.
// There is no hot or pressed look.

#include "platform/core/Color.h"
#include "platform/core/Rect.h"
#include "platform/ui/base/Controls.h"
#include "platform/win/WinTypes.h"
#include "skin/controls/SUISkinnedControl.h"
#include "skin/core/UIStyle.h"

class TCanvas;
class TWinControl;

// Where the arrow's top-left corner goes for a button rectangle (client
// coordinates). The height is measured from the client area's top, not
// the button's, as the skin has always placed it.
[[nodiscard]] constexpr TPoint ComboArrowOrigin(const TRect& button)
{
    return {(button.Right - button.Left) / 2 + button.Left - 3, (button.Bottom - button.Top) / 2};
}

class TsuiComboBoxLook {
public:
    // combo is the framework combo box the look belongs to; it outlives the look.
    explicit TsuiComboBoxLook(TWinControl& combo);

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_link.Style(); }
    // Resets ArrowColor to black and takes BorderColor and ButtonColor from the style.
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_link.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    [[nodiscard]] TColor ButtonColor() const { return m_buttonColor; }
    void SetButtonColor(TColor color);
    [[nodiscard]] TColor ArrowColor() const { return m_arrowColor; }
    void SetArrowColor(TColor color);

    // From the combo box's Notification: its file theme going away means DeepBlue.
    void ComponentRemoved(TComponent* component);
    // The messages the look follows: paint, erase, enabled changes. The
    // combo box asks before its Dispatch (the message may free it) and hands
    // them to MessageHandled after the framework handled them.
    [[nodiscard]] static bool Follows(UINT msg);
    // Paints over each paint and erase; repaints when enabled changes.
    void MessageHandled(const TMessage& message) const;

    // Paints over the control: on dc when given (a paint or erase context
    // of the client area), else on a context of the client area made here.
    void DrawButton(HDC dc) const;

private:
    void Paint(TCanvas& canvas) const;
    void FrameOpenList() const;
    void DrawArrow(TCanvas& canvas, TPoint origin) const;
    void SetColor(TColor& field, TColor color);

    TWinControl& m_combo;
    TsuiStyleLink m_link;
    TColor m_borderColor = clBlack;
    TColor m_buttonColor = clBlack;
    TColor m_arrowColor = clBlack;
};
