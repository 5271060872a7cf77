// TStrings written once on top of its primitives: these tests drive it through
// a subclass that implements only Get, GetCount, Insert, Delete, Clear and
// SetUpdateState, as a control's Lines will.

#include "platform/core/Strings.h"

#include "platform/core/Exception.h"
#include "platform/core/FileStream.h"
#include "platform/core/ListIndex.h"
#include "platform/core/MemoryStream.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class PrimitiveLines : public TStrings {
public:
    void Insert(int index, const std::string& s) override
    {
        CheckListIndex(index, GetCount() + 1);
        lines.insert(lines.begin() + index, s);
    }
    void Delete(int index) override
    {
        CheckListIndex(index, GetCount());
        lines.erase(lines.begin() + index);
    }
    void Clear() override { lines.clear(); }

    std::vector<std::string> lines;
    std::vector<bool> updateStates;

protected:
    [[nodiscard]] std::string Get(int index) const override { return lines[index]; }
    [[nodiscard]] int GetCount() const override { return static_cast<int>(lines.size()); }
    void SetUpdateState(bool updating) override { updateStates.push_back(updating); }
};

using Lines = std::vector<std::string>;

std::string ListIndexMessage(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EListError& e) {
        return e.Message;
    }
    return "no error";
}

}  // namespace

TEST(Strings, AddInsertAndAccessThroughPrimitives)
{
    PrimitiveLines list;
    EXPECT_EQ(list.Add("b"), 0);
    list.Append("d");
    list.Insert(0, "a");
    list.Insert(2, "c");
    EXPECT_EQ(list.lines, (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Strings(1), "b");
    EXPECT_EQ(list[3], "d");
    list.SetString(1, "B");  // the default Put: delete and insert
    EXPECT_EQ(list.lines, (Lines{"a", "B", "c", "d"}));
    EXPECT_EQ(list.Objects(0), nullptr);
}

TEST(Strings, IndexErrorsNameTheIndex)
{
    PrimitiveLines list;
    list.Add("only");
    EXPECT_EQ(ListIndexMessage([&] { (void)list.Strings(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ListIndexMessage([&] { (void)list[-1]; }), "List index out of bounds (-1)");
    EXPECT_EQ(ListIndexMessage([&] { list.SetString(5, "x"); }), "List index out of bounds (5)");
    EXPECT_EQ(ListIndexMessage([&] { (void)list.Names(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ListIndexMessage([&] { list.Move(0, 1); }), "List index out of bounds (1)");
    EXPECT_EQ(ListIndexMessage([&] { list.Exchange(3, 0); }), "List index out of bounds (3)");
}

TEST(Strings, IndexOfIgnoresAsciiCase)
{
    PrimitiveLines list;
    list.SetText("Alpha\nBeta\nbeta\n");
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.IndexOf("gamma"), -1);
    EXPECT_EQ(list.IndexOfObject(nullptr), 0);
}

TEST(Strings, NameValueLinesSplitAtTheFirstSeparator)
{
    PrimitiveLines list;
    list.SetText("Color=Blue\nplain line\nPath=a=b\n=empty name\n");
    EXPECT_EQ(list.Names(0), "Color");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Values("color"), "Blue");
    EXPECT_EQ(list.Values("PATH"), "a=b");
    EXPECT_EQ(list.Values("plain line"), "");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOfName("path"), 2);
    EXPECT_EQ(list.IndexOfName(""), 3);
    EXPECT_EQ(list.ValueFromIndex(1), "");
    EXPECT_EQ(list.ValueFromIndex(2), "a=b");
}

TEST(Strings, SetValueReplacesAppendsAndDeletes)
{
    PrimitiveLines list;
    list.SetText("A=1\nB=2\n");
    list.SetValue("b", "20");
    list.SetValue("C", "3");
    EXPECT_EQ(list.lines, (Lines{"A=1", "b=20", "C=3"}));
    list.SetValue("A", "");
    list.SetValue("absent", "");
    EXPECT_EQ(list.lines, (Lines{"b=20", "C=3"}));
}

TEST(Strings, NameValueSeparatorIsConfigurable)
{
    PrimitiveLines list;
    list.SetNameValueSeparator(':');
    list.Add("Key:Value=x");
    EXPECT_EQ(list.Values("key"), "Value=x");
    list.SetValue("Other", "1");
    EXPECT_EQ(list.lines.back(), "Other:1");
}

struct TextCase {
    const char* name;
    std::string text;
    Lines lines;
};

class StringsSetText : public testing::TestWithParam<TextCase> {};

TEST_P(StringsSetText, SplitsAtEveryKindOfLineBreak)
{
    PrimitiveLines list;
    list.Add("replaced");
    list.SetText(GetParam().text);
    EXPECT_EQ(list.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, StringsSetText,
    testing::Values(TextCase{"Empty", "", {}}, TextCase{"OneLine", "a", {"a"}},
                    TextCase{"TrailingBreakAddsNoLine", "a\n", {"a"}}, TextCase{"LoneBreak", "\n", {""}},
                    TextCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, TextCase{"Cr", "a\rb", {"a", "b"}},
                    TextCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                    TextCase{"EmptyLinesKept", "a\n\n\nb", {"a", "", "", "b"}},
                    TextCase{"Utf8", "\xE4\xB8\xAD\n\xE6\x96\x87", {"\xE4\xB8\xAD", "\xE6\x96\x87"}}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(Strings, TextEndsEveryLineWithALineFeed)
{
    PrimitiveLines list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a");
    list.Add("");
    list.Add("c");
    EXPECT_EQ(list.Text(), "a\n\nc\n");
}

TEST(Strings, CommaTextQuotesWhatWouldNotReadBack)
{
    PrimitiveLines list;
    list.lines = {"plain", "two words", "a,b", "say \"hi\"", "", "\xE4\xB8\xAD"};
    EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",,\xE4\xB8\xAD");
    list.lines = {""};
    EXPECT_EQ(list.CommaText(), "\"\"");
    list.lines = {};
    EXPECT_EQ(list.CommaText(), "");
}

TEST(Strings, CommaTextRoundTrips)
{
    PrimitiveLines list;
    const Lines cases[] = {{"plain", "two words", "a,b", "say \"hi\"", "", "x"}, {""}, {"", ""}, {"tab\there"}};
    for (const Lines& lines : cases) {
        list.lines = lines;
        PrimitiveLines copy;
        copy.SetCommaText(list.CommaText());
        EXPECT_EQ(copy.lines, lines) << list.CommaText();
    }
}

struct CommaCase {
    const char* name;
    std::string text;
    Lines lines;
};

class StringsSetCommaText : public testing::TestWithParam<CommaCase> {};

TEST_P(StringsSetCommaText, ParsesLikeTheClassicFramework)
{
    PrimitiveLines list;
    list.SetCommaText(GetParam().text);
    EXPECT_EQ(list.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, StringsSetCommaText,
    testing::Values(CommaCase{"Empty", "", {}}, CommaCase{"OnlyBlanks", "   ", {}},
                    CommaCase{"BlanksSplitUnquotedText", "a b,c", {"a", "b", "c"}},
                    CommaCase{"BlanksAroundCommas", " a , b ", {"a", "b"}},
                    CommaCase{"EmptyItems", "a,,b", {"a", "", "b"}},
                    CommaCase{"TrailingComma", "a,", {"a", ""}},
                    CommaCase{"LeadingComma", ",a", {"", "a"}},
                    CommaCase{"QuotedKeepsBlanks", "\"a b\",c", {"a b", "c"}},
                    CommaCase{"DoubledQuotes", "\"x\"\"y\"", {"x\"y"}},
                    CommaCase{"UnclosedQuoteRunsToTheEnd", "\"abc, d", {"abc, d"}},
                    CommaCase{"TextAfterClosingQuote", "\"a\"b,c", {"a", "b", "c"}},
                    CommaCase{"NulBytesAreBlanks", std::string("a\0b", 3), {"a", "b"}}),
    [](const testing::TestParamInfo<CommaCase>& info) { return info.param.name; });

TEST(Strings, UpdateStateFollowsTheOutermostBracket)
{
    PrimitiveLines list;
    list.BeginUpdate();
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(list.updateStates, (std::vector<bool>{true}));
    list.EndUpdate();
    list.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ(list.updateStates, (std::vector<bool>{true, false}));
}

TEST(Strings, BatchOperationsRunInsideOneBracket)
{
    PrimitiveLines list;
    list.SetText("a\nb\nc\n");
    list.SetCommaText("x,y");
    PrimitiveLines other;
    other.AddStrings(list);
    EXPECT_EQ(list.updateStates, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(other.updateStates, (std::vector<bool>{true, false}));
}

TEST(Strings, ExchangeAndMoveReorderLines)
{
    PrimitiveLines list;
    list.SetCommaText("a,b,c,d");
    list.Exchange(0, 3);
    EXPECT_EQ(list.lines, (Lines{"d", "b", "c", "a"}));
    list.Move(0, 2);
    EXPECT_EQ(list.lines, (Lines{"b", "c", "d", "a"}));
    list.Move(3, 0);
    EXPECT_EQ(list.lines, (Lines{"a", "b", "c", "d"}));
}

TEST(Strings, AssignCopiesLinesAndSeparatorAndRefusesOtherClasses)
{
    PrimitiveLines source;
    source.SetText("k:v\nz\n");
    source.SetNameValueSeparator(':');
    PrimitiveLines dest;
    dest.Add("old");
    dest.Assign(source);
    EXPECT_EQ(dest.lines, source.lines);
    EXPECT_EQ(dest.Values("K"), "v");
    dest.Assign(dest);
    EXPECT_EQ(dest.lines, source.lines);

    class Unrelated : public TPersistent {};
    EXPECT_THROW(dest.Assign(Unrelated()), EConvertError);
}

TEST(Strings, AddStringsToItselfDoublesTheList)
{
    PrimitiveLines list;
    list.SetText("a\nb\n");
    list.AddStrings(list);
    EXPECT_EQ(list.lines, (Lines{"a", "b", "a", "b"}));
}

TEST(Strings, EqualsComparesLinesExactly)
{
    PrimitiveLines a;
    PrimitiveLines b;
    a.SetText("x\ny\n");
    b.SetText("x\ny\n");
    EXPECT_TRUE(a.Equals(b));
    b.SetText("x\nY\n");
    EXPECT_FALSE(a.Equals(b));
    b.SetText("x\n");
    EXPECT_FALSE(a.Equals(b));
}

TEST(Strings, LoadSkipsTheBomAndSanitisesAndSaveWritesPlainUtf8)
{
    TMemoryStream stream;
    const std::string bytes = "\xEF\xBB\xBF\xE4\xB8\xAD\r\nbad\xFF\n";
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    PrimitiveLines list;
    list.LoadFromStream(stream);
    EXPECT_EQ(list.lines, (Lines{"\xE4\xB8\xAD", "bad\xEF\xBF\xBD"}));

    TMemoryStream saved;
    list.SaveToStream(saved);
    saved.SetPosition(0);
    EXPECT_EQ(saved.ReadToEnd(), "\xE4\xB8\xAD\nbad\xEF\xBF\xBD\n");
}

TEST(Strings, LoadReadsFromTheStreamPosition)
{
    TMemoryStream stream;
    stream.WriteBuffer("skip\nkeep\n", 10);
    stream.SetPosition(5);
    PrimitiveLines list;
    list.LoadFromStream(stream);
    EXPECT_EQ(list.lines, (Lines{"keep"}));
}

TEST(Strings, FileRoundTripAndLimits)
{
    TempDir dir;
    PrimitiveLines list;
    list.SetText("one\n\xE4\xBA\x8C\n");
    list.SaveToFile(dir.File("lines.txt"));
    EXPECT_EQ(TempDir::Read(dir.File("lines.txt")), "one\n\xE4\xBA\x8C\n");
    PrimitiveLines loaded;
    loaded.LoadFromFile(dir.File("lines.txt"));
    EXPECT_EQ(loaded.lines, list.lines);

    EXPECT_THROW(loaded.LoadFromFile(dir.File("missing")), EFOpenError);
    const std::string huge = dir.Write("huge.txt", "");
    ASSERT_EQ(::truncate(huge.c_str(), kMaxLoadSize + 1), 0);
    EXPECT_THROW(loaded.LoadFromFile(huge), EReadError);
    EXPECT_EQ(loaded.lines, list.lines);
}
