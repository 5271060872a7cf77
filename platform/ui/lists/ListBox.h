#pragma once
// TCustomListBox: a one-column list of strings in the classic look. One item
// can be selected (ItemIndex); the selected item is shown in clHighlight and
// the focused control draws a focus rectangle round it. Items are ItemHeight
// pixels high (0: the font's cell height) unless a subclass measures each
// item (ItemHeightOf). Rows that do not fit scroll with
// the window system's standard vertical scroll bar, which shows only while
// there is something to scroll; the wheel scrolls three rows a notch.
//
// The user selects with the mouse (pressing or dragging over an item), the
// arrows, Page Up and Page Down, Home, End and the first letter of an item.
// Every selection change by the user fires OnClick; a double click on an
// item fires OnDblClick. Setting ItemIndex in code fires nothing.
//
// TListBox publishes the properties for form descriptions.

#include "platform/ui/base/CustomControl.h"

#include <memory>

class TCanvas;
class TListBoxStrings;
class TStrings;

class TCustomListBox : public TCustomControl {
    QZ_DECLARE_CLASS(TCustomListBox, TCustomControl)

public:
    static constexpr int kDefaultWidth = 121;   // pixels
    static constexpr int kDefaultHeight = 97;   // pixels
    static constexpr int kWheelRows = 3;        // rows per wheel notch
    static constexpr int kTextIndent = 2;       // pixels left of an item's text

    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    [[nodiscard]] TStrings* Items() const;
    // Copies the lines of items.
    void SetItems(TStrings* items);
    [[nodiscard]] int Count() const;
    void Clear();

    // -1 for none. Out-of-range values select nothing. Scrolls the item into view.
    [[nodiscard]] int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    // Pixels; 0 (the default) takes the font's cell height.
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int height);
    [[nodiscard]] bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    // The first visible item; clamped so that the last page stays full.
    [[nodiscard]] int TopIndex() const { return m_topIndex; }
    void SetTopIndex(int index);
    // bsSingle (the default) gives the sunken client edge; bsNone none.
    [[nodiscard]] TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

    // The item at a client point, -1 where there is none.
    [[nodiscard]] int ItemAtPos(TPoint pos) const;
    // An item's row in client coordinates (also for rows scrolled out of view).
    [[nodiscard]] TRect ItemRect(int index) const;
    // Whole rows the client area shows, at least one.
    [[nodiscard]] int VisibleRows() const;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Loaded() override;
    void Paint() override;
    void Resize() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

    // Selects index as the user's choice: scrolls it into view and fires
    // OnClick when the selection changed. False when the control was freed
    // by the event.
    bool SelectByUser(int index);
    // Moves the selection as a navigation key says; false for other keys.
    bool NavigateByKey(WORD key);
    // Selects the next item starting with ch; false when there is none.
    bool SearchByChar(char32_t ch);
    // Sets the selection without events, then scrolls it into view.
    void ChangeSelection(int index);
    // The item under a client point, the nearest row for points above or
    // below the rows; -1 for an empty list.
    [[nodiscard]] int NearestItem(TPoint pos) const;
    // Scrolls so that index is fully visible.
    void MakeVisible(int index);
    // The standard scroll bar follows Count, VisibleRows and TopIndex.
    void UpdateScrollBar();
    // After every change of Items: the selection and the scroll bar follow.
    virtual void ItemsChanged();
    // The height of one item's row; ItemHeight unless a subclass measures items.
    [[nodiscard]] virtual int ItemHeightOf(int index) const;
    // Paints one item into its row on Canvas().
    virtual void DrawItem(int index, const TRect& rect);
    // The standard look of an item: its text, in highlight colours when selected.
    void DrawItemText(TCanvas& canvas, int index, const TRect& rect, bool selected) const;

private:
    void WMGetDlgCode(TMessage& message);
    void WMVScroll(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void WMFocusChanged(TMessage& message);
    // The largest TopIndex that still fills the client area.
    [[nodiscard]] int MaxTopIndex() const;
    // Whole rows the client area shows from first on, at least one.
    [[nodiscard]] int RowsFitting(int first) const;
    [[nodiscard]] int RowAtY(int y) const;
    // An item's row if first were the top row.
    [[nodiscard]] TRect ItemRectFrom(int first, int index) const;

    std::unique_ptr<TListBoxStrings> m_items;
    int m_itemIndex = -1;
    int m_readItemIndex = -1;  // ItemIndex as read, applied once the items are there
    int m_itemHeight = 0;      // pixels; 0: from the font
    mutable int m_fontHeight = 0;  // pixels, the font's cell height once measured
    bool m_sorted = false;
    int m_topIndex = 0;
    int m_wheelRest = 0;  // wheel delta not yet turned into rows
    TBorderStyle m_borderStyle = bsSingle;
};

class TListBox : public TCustomListBox {
    QZ_DECLARE_CLASS(TListBox, TCustomListBox)

public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};
