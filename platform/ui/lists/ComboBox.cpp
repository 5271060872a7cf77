// TCustomComboBox: construction, properties, the selection and the text,
// the layout, the edit field and painting.

#include "platform/ui/lists/ComboBox.h"

#include "platform/core/Strings.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/lists/ComboListBox.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/lists/ListBoxStrings.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <utility>

QZ_IMPLEMENT_CLASS(TCustomComboBox);
QZ_IMPLEMENT_CLASS(TComboBox);

void TCustomComboBox::Publish(TClassBuilder<TCustomComboBox>& /*c*/) {}

void TComboBox::Publish(TClassBuilder<TComboBox>& c)
{
    c.Creatable<TComponent>();
    c.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown);
    PublishColorAndFont(c);
    c.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
        .Default(kDefaultDropDownCount);
    c.Property("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight);
    c.Property("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1);
    c.Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false);
    c.Property("Text", &TControl::Text, &TControl::SetText);
    PublishItems(c);
    c.Property("OnChange", &TCustomComboBox::OnChange);
    c.Property("OnDropDown", &TCustomComboBox::OnDropDown);
    c.Property("OnCloseUp", &TCustomComboBox::OnCloseUp);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomControl(owner), m_list(std::make_unique<TComboListBox>(*this))
{
    // No csCaptureMouse: the open list takes the capture. OnClick means a
    // selection change, so no csClickEvents either.
    SetControlStyle({csSetCaption, csOpaque});
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetColor(clWindow);
    SetTabStop(true);
    m_list->SetFont(Font());
    m_list->SetColor(Color());
    UpdateEdit();
}

TCustomComboBox::~TCustomComboBox() = default;

// --- properties ---------------------------------------------------------------------

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    if (m_style == style) return;
    const std::string text = CurrentText();
    m_style = style;
    UpdateEdit();
    if (m_edit) SetEditText(text);
    Invalidate();
}

TStrings* TCustomComboBox::Items() const
{
    return m_list->Items();
}

void TCustomComboBox::SetItems(TStrings* items)
{
    m_list->SetItems(items);
}

void TCustomComboBox::SetItemIndex(int index)
{
    // While a description is read the items may come after the index.
    if (ComponentState().Contains(csLoading)) {
        m_readItemIndex = index;
        return;
    }
    ChangeItemIndex(index);
}

void TCustomComboBox::ChangeItemIndex(int index)
{
    if (index < 0 || index >= Items()->Count()) index = -1;
    if (m_itemIndex == index) return;
    m_itemIndex = index;
    if (m_edit && index >= 0) {
        SetEditText(Items()->Strings(index));
        m_edit->SelectAll();
    }
    Invalidate();
}

void TCustomComboBox::SetDropDownCount(int count)
{
    m_dropDownCount = std::max(count, 1);
}

int TCustomComboBox::ItemHeight() const
{
    return m_list->ItemHeight();
}

void TCustomComboBox::SetItemHeight(int height)
{
    m_list->SetItemHeight(height);
}

bool TCustomComboBox::Sorted() const
{
    return m_list->Sorted();
}

void TCustomComboBox::SetSorted(bool sorted)
{
    m_list->SetSorted(sorted);
}

void TCustomComboBox::Loaded()
{
    TCustomControl::Loaded();
    if (m_readItemIndex >= 0) {
        ChangeItemIndex(std::exchange(m_readItemIndex, -1));
    } else if (!m_readText.empty()) {
        SetText(std::exchange(m_readText, {}));
    }
}

std::string TCustomComboBox::CurrentText() const
{
    if (m_edit) return m_edit->Text();
    return m_itemIndex >= 0 ? Items()->Strings(m_itemIndex) : std::string();
}

bool TCustomComboBox::SelectByUser(int index)
{
    if (index < 0 || index == m_itemIndex) return true;
    ChangeItemIndex(index);
    const TComponentWatch watch(this);
    Click();
    if (!watch.Alive()) return false;
    Change();
    return watch.Alive();
}

void TCustomComboBox::ListItemsChanged()
{
    if (m_itemIndex >= Items()->Count()) m_itemIndex = -1;
    Invalidate();
}

void TCustomComboBox::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp) OnCloseUp(this);
}

// --- geometry -------------------------------------------------------------------------

TComboBoxLayout TCustomComboBox::LayoutFor(TSize client)
{
    const TRect inside{kEdge, kEdge, std::max(client.cx - kEdge, kEdge), std::max(client.cy - kEdge, kEdge)};
    const TRect button{std::max(inside.Right - kButtonWidth, inside.Left), inside.Top, inside.Right, inside.Bottom};
    const TRect item{inside.Left + 1, inside.Top + 1, std::max(button.Left - 1, inside.Left + 1),
                     std::max(inside.Bottom - 1, inside.Top + 1)};
    return {item, button};
}

TComboBoxLayout TCustomComboBox::Layout() const
{
    const TRect client = ClientRect();
    return LayoutFor({client.Width(), client.Height()});
}

void TCustomComboBox::Resize()
{
    PlaceEdit();
    TCustomControl::Resize();
}

// --- the edit field -------------------------------------------------------------------

// csDropDown has an edit child in the item field; the list style has none.
void TCustomComboBox::UpdateEdit()
{
    if (m_style == csDropDownList) {
        delete std::exchange(m_edit, nullptr);
        return;
    }
    if (m_edit) return;
    m_edit = new TCustomEdit(nullptr);
    m_edit->SetBorderStyle(bsNone);
    // Tab stops at the combo box, which hands the focus on.
    m_edit->SetTabStop(false);
    m_edit->SetParentFont(true);
    m_edit->SetParentColor(true);
    m_edit->OnChange = [this](TObject*) { EditChanged(); };
    // The edit field has the focus in this style: its losing it counts.
    const TWndMethod editProc = m_edit->WindowProc;
    m_edit->WindowProc = [this, editProc](TMessage& message) {
        editProc(message);
        if (message.Msg == WM_KILLFOCUS) FocusLeft(reinterpret_cast<HWND>(message.WParam));
    };
    m_edit->SetParent(this);
    PlaceEdit();
}

void TCustomComboBox::PlaceEdit()
{
    if (!m_edit) return;
    const TRect item = Layout().Item;
    m_edit->SetBounds(item.Left, item.Top, item.Width(), item.Height());
}

void TCustomComboBox::SetEditText(const std::string& text)
{
    m_settingEditText = true;
    m_edit->SetText(text);
    m_settingEditText = false;
}

// The user typed: the item of that text (if any) is selected, and OnChange fires.
void TCustomComboBox::EditChanged()
{
    if (m_settingEditText) return;
    m_itemIndex = Items()->IndexOf(m_edit->Text());
    Change();
}

// --- painting ---------------------------------------------------------------------------

void TCustomComboBox::Paint()
{
    TCanvas& canvas = *Canvas();
    const TComboBoxLayout layout = Layout();
    RECT rect = ClientRect();
    const HDC dc = canvas.Handle();
    DrawEdge(dc, rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(rect);
    RECT button = layout.Button;
    const UINT pushed = m_buttonPressed ? UINT(DFCS_PUSHED) : 0u;
    DrawFrameControl(canvas.Handle(), button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | pushed | (Enabled() ? 0u : UINT(DFCS_INACTIVE)));
    if (m_edit) return;
    // The list style: the selected text, highlighted with a focus rectangle while focused.
    const bool highlight = Focused();
    if (highlight) {
        canvas.Brush()->SetColor(clHighlight);
        canvas.FillRect(layout.Item);
    }
    canvas.SetFont(Font());
    canvas.Font()->SetColor(!Enabled() ? clGrayText : highlight ? clHighlightText : Font()->Color());
    canvas.Brush()->SetStyle(bsClear);
    RECT textRect{layout.Item.Left + 1, layout.Item.Top, layout.Item.Right - 1, layout.Item.Bottom};
    DrawText(canvas.Handle(), CurrentText(), -1, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Brush()->SetStyle(bsSolid);
    if (highlight) canvas.DrawFocusRect(layout.Item);
}
