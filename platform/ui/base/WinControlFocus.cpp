// TWinControl's tab order, focus, enter and exit.

#include "platform/ui/base/WinControl.h"

#include "platform/ui/forms/CustomForm.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <utility>

int TWinControl::TabOrder() const
{
    if (!Parent()) return -1;
    const auto& list = Parent()->m_tabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    // While reading, later siblings do not exist yet: the order waits for FixupTabList.
    if (ComponentState().Contains(csReading)) {
        m_readTabOrder = order;
        return;
    }
    if (Parent()) Parent()->UpdateTabList(this, order);
}

// Moves control to position order (clamped) in the tab list.
void TWinControl::UpdateTabList(TWinControl* control, int order)
{
    const auto it = std::find(m_tabList.begin(), m_tabList.end(), control);
    if (it == m_tabList.end()) return;
    order = std::clamp(order, 0, int(m_tabList.size()) - 1);
    if (it - m_tabList.begin() == order) return;
    m_tabList.erase(it);
    m_tabList.insert(m_tabList.begin() + order, control);
}

// The classic fix-up: each child that read a TabOrder goes to that place.
void TWinControl::FixupTabList()
{
    std::vector<TWinControl*> byOrder(m_tabList.size(), nullptr);
    for (TWinControl* child : m_tabList) {
        const int order = std::exchange(child->m_readTabOrder, -1);
        if (order >= 0 && order < int(byOrder.size())) byOrder[std::size_t(order)] = child;
    }
    for (std::size_t i = 0; i < byOrder.size(); ++i) {
        if (byOrder[i]) UpdateTabList(byOrder[i], int(i));
    }
}

void TWinControl::SetTabStop(bool tabStop)
{
    if (m_tabStop == tabStop) return;
    m_tabStop = tabStop;
    if (!m_handle) return;
    const LONG_PTR style = GetWindowLongPtr(m_handle, GWL_STYLE);
    SetWindowLongPtr(m_handle, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP)));
}

bool TWinControl::CanFocus() const
{
    const TCustomForm* form = GetParentForm(this);
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

bool TWinControl::Focused() const
{
    return m_handle && GetFocus() == m_handle;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(this)) {
        form->FocusControl(this);
        return;
    }
    ::SetFocus(Handle());
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() const
{
    std::vector<TWinControl*> list;
    AppendTabOrder(list);
    return list;
}

void TWinControl::AppendTabOrder(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : m_tabList) {
        list.push_back(child);
        child->AppendTabOrder(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, TFindNextOptions options) const
{
    const std::vector<TWinControl*> list = GetTabOrderList();
    if (list.empty()) return nullptr;
    const int count = int(list.size());
    const auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (options.GoForward ? count - 1 : 0) : int(found - list.begin());
    int i = start;
    do {
        i = options.GoForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[std::size_t(i)];
        if (candidate->CanFocus() && (!options.CheckTabStop || candidate->TabStop()) &&
            (!options.CheckParent || candidate->Parent() == this)) {
            return candidate;
        }
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, TFindNextOptions options)
{
    TWinControl* next = FindNextControl(current, options);
    if (next) next->SetFocus();
}

void TWinControl::RemoveFocus(bool removing)
{
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, removing);
}

void TWinControl::WMSetFocus(TMessage& message)
{
    DefaultHandler(message);
}

void TWinControl::WMKillFocus(TMessage& message)
{
    DefaultHandler(message);
}

void TWinControl::CMEnter(TMessage& /*message*/)
{
    DoEnter();
}

void TWinControl::CMExit(TMessage& /*message*/)
{
    DoExit();
}

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

// Everyone inside hears which control has the focus now (lParam).
void TWinControl::CMFocusChanged(TMessage& message)
{
    Broadcast(message);
}
