#include "platform/core/StringList.h"

#include "platform/core/Exception.h"
#include "platform/core/ListIndex.h"
#include "platform/core/SysUtils.h"

#include <algorithm>
#include <numeric>
#include <utility>

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    for (const Item& item : m_items) Release(item.Object);
}

int TStringList::Add(const std::string& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object)
{
    if (!m_sorted) {
        const int index = GetCount();
        InsertItem(index, s, object);
        return index;
    }
    const FindResult found = Find(s);
    if (found.Found) {
        if (m_duplicates == dupIgnore) return found.Index;
        if (m_duplicates == dupError) throw EListError("String list does not allow duplicates");
    }
    InsertItem(found.Index, s, object);
    return found.Index;
}

void TStringList::Insert(int index, const std::string& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object)
{
    CheckUnsorted();
    CheckListIndex(index, GetCount() + 1);
    InsertItem(index, s, object);
}

void TStringList::Delete(int index)
{
    CheckListIndex(index, GetCount());
    Changing();
    TObject* const object = m_items[index].Object;
    m_items.erase(m_items.begin() + index);
    Release(object);
    Changed();
}

void TStringList::Clear()
{
    if (m_items.empty()) return;
    Changing();
    const std::vector<Item> removed = std::move(m_items);
    m_items.clear();
    for (const Item& item : removed) Release(item.Object);
    Changed();
}

void TStringList::Exchange(int index1, int index2)
{
    CheckUnsorted();
    CheckListIndex(index1, GetCount());
    CheckListIndex(index2, GetCount());
    Changing();
    std::swap(m_items[index1], m_items[index2]);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    CheckUnsorted();
    CheckListIndex(curIndex, GetCount());
    CheckListIndex(newIndex, GetCount());
    if (curIndex == newIndex) return;
    Changing();
    Item item = std::move(m_items[curIndex]);
    m_items.erase(m_items.begin() + curIndex);
    m_items.insert(m_items.begin() + newIndex, std::move(item));
    Changed();
}

int TStringList::IndexOf(const std::string& s) const
{
    if (!m_sorted) return TStrings::IndexOf(s);
    const FindResult found = Find(s);
    return found.Found ? found.Index : -1;
}

TStringList::FindResult TStringList::Find(const std::string& s) const
{
    const auto it = std::lower_bound(m_items.begin(), m_items.end(), s, [this](const Item& item, const std::string& value) {
        return CompareStrings(item.String, value) < 0;
    });
    return {it != m_items.end() && CompareStrings(it->String, s) == 0, static_cast<int>(it - m_items.begin())};
}

void TStringList::Sort()
{
    if (!m_sorted) SortByCompareStrings();
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (m_sorted || GetCount() < 2) return;
    Changing();
    Reorder([&](int index1, int index2) { return compare(*this, index1, index2) < 0; });
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == m_sorted) return;
    if (sorted) SortByCompareStrings();
    m_sorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == m_caseSensitive) return;
    m_caseSensitive = caseSensitive;
    if (m_sorted) SortByCompareStrings();
}

std::string TStringList::Get(int index) const
{
    return m_items[index].String;
}

void TStringList::Put(int index, const std::string& s)
{
    CheckUnsorted();
    Changing();
    m_items[index].String = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const
{
    return m_items[index].Object;
}

void TStringList::PutObject(int index, TObject* object)
{
    Changing();
    TObject* const previous = std::exchange(m_items[index].Object, object);
    if (previous != object) Release(previous);
    Changed();
}

int TStringList::GetCount() const
{
    return static_cast<int>(m_items.size());
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating || !m_changePending) return;
    m_changePending = false;
    if (const TNotifyEvent handler = OnChange) handler(this);
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const
{
    return m_caseSensitive ? a.compare(b) : CompareText(a, b);
}

void TStringList::Changing()
{
    if (UpdateCount() > 0) {
        if (m_changePending) return;
        m_changePending = true;
    }
    // Copies, so that a handler may replace itself while it runs.
    if (const TNotifyEvent handler = OnChanging) handler(this);
}

void TStringList::Changed()
{
    if (UpdateCount() > 0) return;
    if (const TNotifyEvent handler = OnChange) handler(this);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object)
{
    Changing();
    m_items.insert(m_items.begin() + index, Item{s, object});
    Changed();
}

void TStringList::CheckUnsorted() const
{
    if (m_sorted) throw EListError("Operation not allowed on sorted list");
}

void TStringList::Release(TObject* object) const
{
    if (m_ownsObjects) delete object;
}

void TStringList::Reorder(const std::function<bool(int index1, int index2)>& less)
{
    // Sorting a permutation leaves the lines in place while compare reads
    // them, and leaves them untouched if compare throws.
    std::vector<int> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<Item> items;
    items.reserve(m_items.size());
    for (const int index : order) items.push_back(std::move(m_items[index]));
    m_items = std::move(items);
}

void TStringList::SortByCompareStrings()
{
    if (GetCount() < 2) return;
    Changing();
    Reorder([this](int index1, int index2) {
        return CompareStrings(m_items[index1].String, m_items[index2].String) < 0;
    });
    Changed();
}
