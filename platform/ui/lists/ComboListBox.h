#pragma once
// TComboListBox: the drop-down list of a combo box, a list box in a
// top-level pop-up window (a tool window: no task-bar entry, never active,
// never focused) owned by the combo box's form.
//
// While open it holds the mouse capture, so every mouse message comes here:
// the item under the pointer is highlighted, a release on an item picks
// it, a press outside the list closes it, a press on its scroll bar runs the
// window system's scroll-bar tracking. Keys come here first too (the
// capture window hears CN_KEYDOWN and CN_CHAR); the list hands them to its
// combo box. Losing the capture to another window closes the list.
//
// In csSimple the list is instead a child of the combo box below its edit
// field, always shown: a press on a row selects it, dragging follows the
// pointer, and the edit field keeps the focus. Rows are drawn and measured
// by the combo box (owner-drawn styles).

#include "platform/ui/lists/ListBox.h"

class TCustomComboBox;

class TComboListBox : public TCustomListBox {
    QZ_DECLARE_CLASS(TComboListBox, TCustomListBox)

public:
    explicit TComboListBox(TCustomComboBox& combo);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void ItemsChanged() override;
    [[nodiscard]] int ItemHeightOf(int index) const override;
    void DrawItem(int index, const TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    friend class TCustomComboBox;

    void WMCaptureChanged(TMessage& message);
    void CNKeyDown(TMessage& message);
    void CNChar(TMessage& message);
    // Lets the window system track a press on the scroll bar, then takes the capture back.
    void TrackScrollBar(TPoint screen);
    [[nodiscard]] bool Simple() const { return Parent() != nullptr; }

    TCustomComboBox& m_combo;
    bool m_trackingBar = false;  // the scroll bar holds the capture for a while
};
