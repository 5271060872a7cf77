#pragma once
// TCustomComboBox: a text field with a drop-down button and a drop-down
// list of Items, in the classic look: a sunken edge, the button with its
// down arrow at the right, the item field left of it.
//
// Styles. csDropDownList shows the selected item; the whole control opens
// the list. csDropDown has an edit field (a TEdit child) for any text and
// only the button opens the list. csSimple has the edit field on top and
// the list always shown below it, filling the rest of the control.
// csOwnerDrawFixed and csOwnerDrawVariable behave as the list style but
// leave the drawing of the item field and of each row to DrawItem
// (OnDrawItem, on Canvas); csOwnerDrawVariable asks OnMeasureItem for the
// height of each row when the list opens and when the items change.
// CharCase and MaxLength apply to the edit field.
//
// The list (TComboListBox) is a pop-up window at the exact screen position
// below the combo box, or above it when the work area has no room below; it
// shows DropDownCount rows at most and scrolls beyond. While it is open the
// combo box keeps the keyboard focus and the list holds the mouse capture.
//
// Keys. Closed: Up, Down (and in the list style Page Up, Page Down, Home,
// End and the first letter of an item) change the selection; F4, Alt+Down
// and Alt+Up open the list. Open: the same keys move the list's
// highlight, Enter, F4, Alt+Down, Alt+Up and Tab pick it, Escape closes the
// list without a change. Closed, Enter and Escape are left to the form (its
// default and cancel buttons).
//
// Events. OnClick and then OnChange when the user changes the selection
// (also by picking in the list) and, in csDropDown, OnChange when the user
// edits the text; setting ItemIndex or Text in code fires nothing.
// OnDropDown before the list opens, OnCloseUp after it closed.
//
// The combo box answers CB_GETCOMBOBOXINFO, CB_GETDROPPEDSTATE and
// CB_SHOWDROPDOWN (ComboBoxInfo.h), so painting over it (the skin) can find
// its parts. TComboBox publishes the properties for form descriptions.
//
// The code is split by topic:
//   ComboBox.cpp          construction, properties, selection and text, layout, the edit field, painting
//   ComboBoxInput.cpp     keys, mouse and messages
//   ComboBoxDropDown.cpp  opening and closing the list, keys while it is open

#include "platform/ui/base/CustomControl.h"
#include "platform/ui/edit/CharCase.h"
#include "platform/ui/lists/OwnerDrawState.h"

#include <memory>
#include <string>
#include <vector>

class TComboListBox;
class TCustomEdit;
class TStrings;

QZ_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

// Where a combo box's parts lie in its client area.
struct TComboBoxLayout {
    TRect Item;    // the text field
    TRect Button;  // the drop-down button
};

class TCustomComboBox : public TCustomControl {
    QZ_DECLARE_CLASS(TCustomComboBox, TCustomControl)

public:
    static constexpr int kDefaultWidth = 145;       // pixels
    static constexpr int kDefaultHeight = 21;       // pixels
    static constexpr int kDefaultDropDownCount = 8;  // rows
    static constexpr int kEdge = 2;                 // pixels, the sunken edge
    static constexpr int kButtonWidth = 17;         // pixels, a scroll-bar arrow and one
    static constexpr int kSimpleEditHeight = kDefaultHeight;  // pixels, csSimple's edit part

    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    [[nodiscard]] TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    [[nodiscard]] TStrings* Items() const;
    // Copies the lines of items.
    void SetItems(TStrings* items);
    // -1 for none; out-of-range values select nothing. The text follows.
    [[nodiscard]] int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    // Rows the open list shows at most; at least 1.
    [[nodiscard]] int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int count);
    // The height of the list's rows in pixels; 0 (the default) takes the font's cell height.
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int height);
    [[nodiscard]] bool Sorted() const;
    void SetSorted(bool sorted);
    [[nodiscard]] bool DroppedDown() const { return m_dropped; }
    void SetDroppedDown(bool dropped);
    // The edit field's case folding and length limit (code points; 0 for none).
    [[nodiscard]] TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    [[nodiscard]] int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int maxLength);
    // The styles with an edit field (csDropDown, csSimple) and those drawn by DrawItem.
    [[nodiscard]] bool HasEditField() const;
    [[nodiscard]] bool IsOwnerDrawn() const;

    // The parts in the current client area.
    [[nodiscard]] TComboBoxLayout Layout() const;
    // The parts in a client area of the given size; csSimple has no button
    // and its item field is the edit part on top.
    [[nodiscard]] static TComboBoxLayout LayoutFor(TSize client, TComboBoxStyle style = csDropDown);

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void Dispatch(TMessage& message) override;

protected:
    virtual void Change();
    // Fire OnDropDown and OnCloseUp.
    virtual void DropDown();
    virtual void CloseUp();
    // Draws an item of an owner-drawn style on Canvas: OnDrawItem, else the
    // item's text. index is -1 for an empty item field.
    virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
    // OnMeasureItem, for csOwnerDrawVariable.
    virtual void MeasureItem(int index, int& height);

    void BeforeDestruction() override;
    void DestroyWnd() override;
    void Loaded() override;
    void Paint() override;
    void Resize() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    friend class TComboListBox;

    enum class TDropEnd { Pick, Cancel };

    // --- the list (ComboBoxDropDown.cpp) -----------------------------------------
    void OpenList();
    void CloseList(TDropEnd end);
    // Where the open list goes on the screen.
    [[nodiscard]] TRect ListBounds() const;
    // The mouse button that opened the list was let go.
    void ListButtonReleased();
    // A key while the list is open; true when it was used.
    bool DroppedKey(WORD key, TShiftState shift);
    bool DroppedChar(char32_t ch);
    void ListItemsChanged();
    // The top-level window the list belongs to (nullptr before the combo box has a window).
    [[nodiscard]] HWND ListOwner() const;

    // --- selection and text (ComboBox.cpp) -----------------------------------------
    // As the user's choice: OnClick and OnChange when it changed. False when
    // the control was freed by an event.
    bool SelectByUser(int index);
    void ChangeItemIndex(int index);
    [[nodiscard]] std::string CurrentText() const;

    // --- owner drawing and csSimple's list (ComboBoxOwnerDraw.cpp) ---------------------
    // Draws a row of the list on the list's canvas.
    void DrawListItem(TCanvas& listCanvas, int index, const TRect& rect, bool selected);
    [[nodiscard]] int ListItemHeight(int index) const;
    // csOwnerDrawVariable's rows measured anew.
    void MeasureItems();
    // csSimple's list is a child below the edit field; the others' a pop-up.
    void UpdateListParent();
    void PlaceSimpleList();
    void PaintItemField(const TRect& field);

    // --- the edit field of csDropDown and csSimple (ComboBox.cpp) ------------------------
    void UpdateEdit();
    void PlaceEdit();
    // Shows text in the edit field without taking it for the user's typing.
    void SetEditText(const std::string& text);
    void EditChanged();

    // --- keys and messages (ComboBoxInput.cpp) -------------------------------------------
    // Navigation keys of the closed combo box; true when used.
    bool ClosedKey(WORD key, TShiftState shift);

    void WMGetDlgCode(TMessage& message);
    void WMGetText(TMessage& message);
    void WMGetTextLength(TMessage& message);
    void WMSetText(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void WMFocusChanged(TMessage& message);
    // The combo box or its edit field lost the focus to next.
    void FocusLeft(HWND next);
    void CMChildKey(TMessage& message);
    void CMCancelList(TMessage& message);
    void CMLookChanged(TMessage& message);
    void CBGetComboBoxInfo(TMessage& message);
    void CBShowDropDown(TMessage& message);

    std::unique_ptr<TComboListBox> m_list;
    TCustomEdit* m_edit = nullptr;  // csDropDown and csSimple; a child control, freed with the combo box
    TComboBoxStyle m_style = csDropDown;
    int m_itemIndex = -1;
    int m_readItemIndex = -1;  // ItemIndex as read, applied once the items are there
    std::string m_readText;    // Text as read, applied once the items are there
    int m_dropDownCount = kDefaultDropDownCount;
    TEditCharCase m_charCase = ecNormal;
    int m_maxLength = 0;
    std::vector<int> m_itemHeights;  // csOwnerDrawVariable's measured rows
    bool m_dropped = false;
    bool m_buttonPressed = false;
    bool m_settingEditText = false;  // the edit's text changes from code, not the user
    int m_wheelRest = 0;             // wheel delta not yet turned into steps
};

class TComboBox : public TCustomComboBox {
    QZ_DECLARE_CLASS(TComboBox, TCustomComboBox)

public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};
