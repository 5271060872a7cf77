#pragma once
// TMenuWindow: one open level of a menu, a top-level pop-up window (a
// topmost tool window, never active) owned by the menu's owner window. It
// shows the visible children of one item, measured once when it opens:
// items with OnMeasureItem measure themselves on the window's canvas,
// the others take the plain size from the menu font. Items with OnDrawItem
// draw themselves; the others get the plain look (MenuWindowPaint.cpp).
//
// The window only shows; the tracking loop (MenuTracking.cpp) handles the
// input and tells it which item is selected.

#include "platform/ui/base/CustomControl.h"
#include "platform/ui/menus/MenuLayout.h"

#include <vector>

class TImageList;
class TMenuItem;

class TMenuWindow : public TCustomControl {
    QZ_DECLARE_CLASS(TMenuWindow, TCustomControl)

public:
    TMenuWindow(TMenuItem& parentItem, HWND owner);

    [[nodiscard]] TMenuItem& ParentItem() const { return m_parentItem; }
    // The items shown (the visible children), in order.
    [[nodiscard]] int ItemCount() const { return int(m_shown.size()); }
    [[nodiscard]] TMenuItem* Item(int index) const;
    [[nodiscard]] int Selected() const { return m_selected; }
    // -1 selects nothing; other indices out of range are ignored.
    void Select(int index);

    // The item under a screen point, -1 for none.
    [[nodiscard]] int ItemAtScreen(TPoint screen) const;
    [[nodiscard]] TRect ItemScreenRect(int index) const;
    [[nodiscard]] TRect ScreenRect() const;
    // The item rectangles in client coordinates.
    [[nodiscard]] const TMenuLayout& Layout() const { return m_layout; }

    // Measures the items and shows the window as a pop-up asked for at screen.
    void ShowPopup(TPoint screen);
    // Measures the items and shows the window beside the item of its parent window.
    void ShowSubmenu(const TRect& parentWindow, const TRect& itemScreen);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void Measure();
    [[nodiscard]] TSize MeasureItem(TMenuItem& item);
    void ShowAt(TPoint topLeft);
    [[nodiscard]] TImageList* Images() const;
    [[nodiscard]] bool HasImage(const TMenuItem& item) const;
    // The canvas's font and colours for an item (MenuWindowPaint.cpp).
    void PrepareCanvas(const TMenuItem& item, bool selected);
    void PaintPlainItem(const TMenuItem& item, const TRect& rect, bool selected);
    void PaintGlyph(const TMenuItem& item, const TRect& glyph);
    void PaintItemText(const TMenuItem& item, const TPlainItemParts& parts);
    void PaintArrow(const TRect& arrow);

    TMenuItem& m_parentItem;
    HWND m_owner = nullptr;
    std::vector<TMenuItem*> m_shown;
    TPlainMenuMetrics m_metrics;
    TMenuLayout m_layout;
    int m_selected = -1;
};
