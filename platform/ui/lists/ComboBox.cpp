// TCustomComboBox: construction, properties, the selection and the text,
// the layout, the edit field and painting.

#include "platform/ui/lists/ComboBox.h"

#include "platform/core/Strings.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/lists/ComboListBox.h"
#include "platform/ui/lists/ComboBoxPublish.h"
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
    PublishComboBoxProperties(c);
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

// csSimple's list is a child control, which its parent would free: it
// leaves first, since the combo box owns it.
TCustomComboBox::~TCustomComboBox()
{
    if (m_list->Parent()) m_list->SetParent(nullptr);
}

void TCustomComboBox::BeforeDestruction()
{
    if (m_list->Parent()) m_list->SetParent(nullptr);
    TCustomControl::BeforeDestruction();
}

// --- properties ---------------------------------------------------------------------

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    if (m_style == style) return;
    const std::string text = CurrentText();
    CloseList(TDropEnd::Cancel);
    m_style = style;
    UpdateEdit();
    UpdateListParent();
    MeasureItems();
    if (m_edit) SetEditText(text);
    Invalidate();
}

bool TCustomComboBox::HasEditField() const
{
    return m_style == csDropDown || m_style == csSimple;
}

bool TCustomComboBox::IsOwnerDrawn() const
{
    return m_style == csOwnerDrawFixed || m_style == csOwnerDrawVariable;
}

void TCustomComboBox::SetCharCase(TEditCharCase charCase)
{
    if (m_charCase == charCase) return;
    m_charCase = charCase;
    if (m_edit) m_edit->SetCharCase(charCase);
}

void TCustomComboBox::SetMaxLength(int maxLength)
{
    m_maxLength = std::max(maxLength, 0);
    if (m_edit) m_edit->SetMaxLength(m_maxLength);
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
    if (m_style == csSimple) m_list->SetItemIndex(index);
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
    MeasureItems();
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

TComboBoxLayout TCustomComboBox::LayoutFor(TSize client, TComboBoxStyle style)
{
    if (style == csSimple) {
        const int bottom = std::min(client.cy, kSimpleEditHeight);
        const TRect inside{kEdge, kEdge, std::max(client.cx - kEdge, kEdge), std::max(bottom - kEdge, kEdge)};
        return {inside, TRect{inside.Right, inside.Top, inside.Right, inside.Top}};
    }
    const TRect inside{kEdge, kEdge, std::max(client.cx - kEdge, kEdge), std::max(client.cy - kEdge, kEdge)};
    const TRect button{std::max(inside.Right - kButtonWidth, inside.Left), inside.Top, inside.Right, inside.Bottom};
    const TRect item{inside.Left + 1, inside.Top + 1, std::max(button.Left - 1, inside.Left + 1),
                     std::max(inside.Bottom - 1, inside.Top + 1)};
    return {item, button};
}

TComboBoxLayout TCustomComboBox::Layout() const
{
    const TRect client = ClientRect();
    return LayoutFor({client.Width(), client.Height()}, m_style);
}

void TCustomComboBox::Resize()
{
    PlaceEdit();
    PlaceSimpleList();
    TCustomControl::Resize();
}

// --- the edit field -------------------------------------------------------------------

// The edit styles have an edit child in the item field; the list styles none.
void TCustomComboBox::UpdateEdit()
{
    if (!HasEditField()) {
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
    m_edit->SetCharCase(m_charCase);
    m_edit->SetMaxLength(m_maxLength);
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
    if (m_style == csSimple) m_list->SetItemIndex(m_itemIndex);
    Change();
}

// --- painting ---------------------------------------------------------------------------

void TCustomComboBox::Paint()
{
    TCanvas& canvas = *Canvas();
    const TComboBoxLayout layout = Layout();
    // csSimple frames only its edit part; its list has its own edge.
    const int height = m_style == csSimple ? std::min(ClientHeight(), kSimpleEditHeight) : ClientHeight();
    RECT rect = TRect::FromSize(0, 0, ClientWidth(), height);
    const HDC dc = canvas.Handle();
    DrawEdge(dc, rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(rect);
    if (m_style == csSimple) return;
    RECT button = layout.Button;
    const UINT pushed = m_buttonPressed ? UINT(DFCS_PUSHED) : 0u;
    DrawFrameControl(canvas.Handle(), button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | pushed | (Enabled() ? 0u : UINT(DFCS_INACTIVE)));
    if (m_edit) return;
    PaintItemField(layout.Item);
}

// The list styles' item field: the selected item, highlighted with a focus
// rectangle while focused; owner-drawn styles draw it through DrawItem.
void TCustomComboBox::PaintItemField(const TRect& field)
{
    TCanvas& canvas = *Canvas();
    const bool highlight = Focused();
    if (IsOwnerDrawn()) {
        TOwnerDrawState state{odComboBoxEdit};
        if (highlight) state.Include(odSelected).Include(odFocused);
        if (!Enabled()) state.Include(odGrayed).Include(odDisabled);
        canvas.SetFont(Font());
        canvas.Brush()->SetColor(highlight ? clHighlight : Color());
        canvas.Font()->SetColor(!Enabled() ? clGrayText : highlight ? clHighlightText : Font()->Color());
        DrawItem(m_itemIndex, field, state);
        if (highlight) canvas.DrawFocusRect(field);
        return;
    }
    if (highlight) {
        canvas.Brush()->SetColor(clHighlight);
        canvas.FillRect(field);
    }
    canvas.SetFont(Font());
    canvas.Font()->SetColor(!Enabled() ? clGrayText : highlight ? clHighlightText : Font()->Color());
    canvas.Brush()->SetStyle(bsClear);
    RECT textRect{field.Left + 1, field.Top, field.Right - 1, field.Bottom};
    DrawText(canvas.Handle(), CurrentText(), -1, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Brush()->SetStyle(bsSolid);
    if (highlight) canvas.DrawFocusRect(field);
}
