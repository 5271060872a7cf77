#pragma once
// TStringList: the concrete string list. OnChanging and OnChange run around
// every change; inside BeginUpdate/EndUpdate they run once for the outermost
// bracket, and only when something changed in it (OnChanging at the first
// change, OnChange when the bracket closes). A sorted list keeps its order on
// every Add and finds lines by binary search; Insert, SetString, Exchange and Move
// are refused on it. With OwnsObjects the list deletes the objects of lines it
// removes and objects it replaces.

#include "platform/core/Strings.h"

#include <functional>
#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;

// < 0, 0 or > 0 as the line at index1 sorts before, with or after index2.
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
public:
    struct FindResult {
        bool Found = false;
        int Index = 0;  // the match, or where s would be inserted
    };

    TStringList() = default;
    ~TStringList() override;

    [[nodiscard]] const char* ClassName() const override { return "TStringList"; }

    // On a sorted list, Add places the line in order; an existing equal line
    // is then handled by Duplicates (dupIgnore returns its index and does not
    // take the object; dupError raises EListError).
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    [[nodiscard]] int IndexOf(const std::string& s) const override;

    // Binary search; meaningful on a sorted list only. Finds the first of equal lines.
    [[nodiscard]] FindResult Find(const std::string& s) const;
    // Both leave a sorted list as it is. The sort is stable.
    void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    [[nodiscard]] bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    [[nodiscard]] TDuplicates Duplicates() const { return m_duplicates; }
    void SetDuplicates(TDuplicates duplicates) { m_duplicates = duplicates; }
    [[nodiscard]] bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool caseSensitive);
    [[nodiscard]] bool OwnsObjects() const { return m_ownsObjects; }
    void SetOwnsObjects(bool ownsObjects) { m_ownsObjects = ownsObjects; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    [[nodiscard]] std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    [[nodiscard]] TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    [[nodiscard]] int GetCount() const override;
    void SetUpdateState(bool updating) override;
    [[nodiscard]] int CompareStrings(const std::string& a, const std::string& b) const override;

    virtual void Changing();
    virtual void Changed();

private:
    struct Item {
        std::string String;
        TObject* Object = nullptr;
    };

    void InsertItem(int index, const std::string& s, TObject* object);
    void CheckUnsorted() const;
    void Release(TObject* object) const;
    // Puts the lines in the order compare gives, regardless of Sorted.
    void Reorder(const std::function<bool(int index1, int index2)>& less);
    void SortByCompareStrings();

    std::vector<Item> m_items;
    bool m_sorted = false;
    TDuplicates m_duplicates = dupIgnore;
    bool m_caseSensitive = false;
    bool m_ownsObjects = false;
    bool m_changePending = false;  // a change happened inside the open update bracket
};
