#include "platform/core/StringList.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const TStringList& list)
{
    Lines lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

// Records OnChanging ("<") and OnChange (">") in order.
struct EventLog {
    explicit EventLog(TStringList& list)
    {
        list.OnChanging = [this](TObject*) { events += '<'; };
        list.OnChange = [this](TObject*) { events += '>'; };
    }
    std::string Take() { return std::exchange(events, std::string()); }
    std::string events;
};

// Counts its own destruction.
class Tracked : public TObject {
public:
    explicit Tracked(int& destroyed) : m_destroyed(destroyed) {}
    ~Tracked() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EListError& e) {
        return e.Message;
    }
    return "no error";
}

}  // namespace

TEST(StringList, EveryChangeIsBracketedByChangingAndChange)
{
    TStringList list;
    EventLog log(list);
    list.Add("a");
    list.Insert(0, "b");
    list.SetString(0, "c");
    list.SetObject(0, nullptr);
    list.Exchange(0, 1);
    list.Move(0, 1);
    list.Delete(0);
    list.Clear();
    EXPECT_EQ(log.Take(), "<><><><><><><><>");
    list.Clear();  // nothing to clear
    EXPECT_EQ(log.Take(), "");
}

TEST(StringList, UpdateBracketsReportOnceAndOnlyWhenSomethingChanged)
{
    TStringList list;
    EventLog log(list);
    list.BeginUpdate();
    list.Add("a");
    EXPECT_EQ(log.events, "<");  // at the first change
    list.BeginUpdate();
    list.Add("b");
    list.EndUpdate();
    list.Add("c");
    EXPECT_EQ(log.events, "<");
    list.EndUpdate();
    EXPECT_EQ(log.Take(), "<>");

    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(log.Take(), "");

    list.SetText("x\ny\nz\n");
    list.SetCommaText("p,q");
    EXPECT_EQ(log.Take(), "<><>");
}

TEST(StringList, HandlersSeeTheListBeforeAndAfter)
{
    TStringList list;
    std::vector<int> counts;
    list.OnChanging = [&](TObject* sender) { counts.push_back(static_cast<TStringList*>(sender)->Count()); };
    list.OnChange = [&](TObject* sender) { counts.push_back(static_cast<TStringList*>(sender)->Count()); };
    list.Add("a");
    EXPECT_EQ(counts, (std::vector<int>{0, 1}));
}

TEST(StringList, SortedListsKeepOrderAndRefusePositionalEdits)
{
    TStringList list;
    list.SetCommaText("pear,Apple,fig");
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add("banana"), 1);
    EXPECT_EQ(list.Add("zucchini"), 4);
    EXPECT_EQ(LinesOf(list), (Lines{"Apple", "banana", "fig", "pear", "zucchini"}));

    const std::string sortedError = "Operation not allowed on sorted list";
    EXPECT_EQ(ErrorOf([&] { list.Insert(0, "x"); }), sortedError);
    EXPECT_EQ(ErrorOf([&] { list.SetString(0, "x"); }), sortedError);
    EXPECT_EQ(ErrorOf([&] { list.Exchange(0, 1); }), sortedError);
    EXPECT_EQ(ErrorOf([&] { list.Move(0, 1); }), sortedError);
    EXPECT_EQ(list.Count(), 5);
}

TEST(StringList, FindUsesBinarySearchAndReportsTheInsertionPoint)
{
    TStringList list;
    list.SetSorted(true);
    list.SetCommaText("b,d,f");
    EXPECT_TRUE(list.Find("D").Found);
    EXPECT_EQ(list.Find("D").Index, 1);
    EXPECT_FALSE(list.Find("e").Found);
    EXPECT_EQ(list.Find("e").Index, 2);
    EXPECT_EQ(list.Find("z").Index, 3);
    EXPECT_EQ(list.IndexOf("F"), 2);
    EXPECT_EQ(list.IndexOf("a"), -1);
}

TEST(StringList, DuplicatesDecideWhatAnEqualLineDoes)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(list.Add("A"), 0);  // dupIgnore is the default
    EXPECT_EQ(list.Count(), 2);

    list.SetDuplicates(dupError);
    EXPECT_EQ(ErrorOf([&] { list.Add("B"); }), "String list does not allow duplicates");
    EXPECT_EQ(list.Count(), 2);

    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("B"), 1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Find("b").Index, 1);  // the first of equal lines

    // Duplicates apply to sorted lists only.
    TStringList unsorted;
    unsorted.SetDuplicates(dupError);
    unsorted.Add("x");
    EXPECT_NO_THROW(unsorted.Add("x"));
}

TEST(StringList, CaseSensitivityChangesLookupsAndOrder)
{
    TStringList list;
    list.SetCommaText("b,B,a,A");
    EXPECT_FALSE(list.CaseSensitive());
    EXPECT_EQ(list.IndexOf("B"), 0);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("B"), 1);
    EXPECT_EQ(list.IndexOf("c"), -1);
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{"A", "B", "a", "b"}));
    list.SetCaseSensitive(false);  // a sorted list sorts again (stably)
    EXPECT_EQ(LinesOf(list), (Lines{"A", "a", "B", "b"}));
    EXPECT_EQ(list.Values("x"), "");
}

TEST(StringList, SortAndCustomSortLeaveSortedListsAlone)
{
    TStringList list;
    list.SetCommaText("ccc,a,bb");
    EventLog log(list);
    list.CustomSort([](TStringList& l, int i, int j) {
        return static_cast<int>(l[i].size()) - static_cast<int>(l[j].size());
    });
    EXPECT_EQ(LinesOf(list), (Lines{"a", "bb", "ccc"}));
    EXPECT_EQ(log.Take(), "<>");
    list.SetString(0, "z");
    list.Sort();
    EXPECT_EQ(LinesOf(list), (Lines{"bb", "ccc", "z"}));
    list.SetSorted(true);
    log.Take();

    list.CustomSort([](TStringList&, int i, int j) { return j - i; });
    EXPECT_EQ(LinesOf(list), (Lines{"bb", "ccc", "z"}));
    EXPECT_EQ(log.Take(), "");
}

TEST(StringList, ObjectsTravelWithTheirLines)
{
    TStringList list;
    TObject first;
    TObject second;
    list.AddObject("one", &first);
    list.AddObject("two", &second);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Objects(0), &second);
    list.Move(0, 1);
    EXPECT_EQ(list.Objects(1), &second);
    EXPECT_EQ(list.IndexOfObject(&second), 1);
    list.SetSorted(true);
    list.AddObject("a", nullptr);
    EXPECT_EQ(list.Objects(2), &second);  // "two" sorts after "one"
}

TEST(StringList, OwnsObjectsDeletesWhatItRemoves)
{
    int destroyed = 0;
    {
        TStringList list;
        list.SetOwnsObjects(true);
        list.AddObject("a", new Tracked(destroyed));
        list.AddObject("b", new Tracked(destroyed));
        list.AddObject("c", new Tracked(destroyed));
        list.AddObject("d", new Tracked(destroyed));
        list.Delete(0);
        EXPECT_EQ(destroyed, 1);
        list.SetObject(0, new Tracked(destroyed));  // replaces b's object
        EXPECT_EQ(destroyed, 2);
        list.SetObject(0, list.Objects(0));  // the same object stays
        EXPECT_EQ(destroyed, 2);
        list.SetString(0, "renamed");  // keeps its object
        EXPECT_EQ(destroyed, 2);
        list.Clear();
        EXPECT_EQ(destroyed, 5);
        list.AddObject("e", new Tracked(destroyed));
    }
    EXPECT_EQ(destroyed, 6);

    TStringList borrowing;  // the default: objects are not owned
    Tracked kept(destroyed);
    borrowing.AddObject("x", &kept);
    borrowing.Clear();
    EXPECT_EQ(destroyed, 6);
}

TEST(StringList, AssignCopiesLinesIntoASortedList)
{
    TStringList source;
    source.SetCommaText("b,a,b");
    TStringList dest;
    dest.SetSorted(true);
    EventLog log(dest);
    dest.Assign(source);
    EXPECT_EQ(LinesOf(dest), (Lines{"a", "b"}));
    EXPECT_EQ(log.Take(), "<>");
}
