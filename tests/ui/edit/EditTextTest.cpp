// The editing engine of the text controls, without windows: lines, offsets,
// user changes with MaxLength and undo, changes by the program, word-wise
// moves, and the rows of word wrapping with a fixed measure.

#include "platform/core/Utf8.h"
#include "platform/ui/edit/EditText.h"

#include <gtest/gtest.h>

namespace {

// Latin letters 5 pixels, blanks 3, Chinese 10.
int FixedAdvance(char32_t cp)
{
    if (cp == U' ') return 3;
    return cp >= 0x4E00 ? 10 : 5;
}

TEditText Multi(std::string_view text)
{
    TEditText t(TEditLines::Multi);
    t.SetMeasure(FixedAdvance);
    t.SetText(text);
    return t;
}

// The text of every row.
std::vector<std::string> RowTexts(const TEditText& t)
{
    std::vector<std::string> rows;
    for (int i = 0; i < t.RowCount(); ++i) {
        const TEditRow row = t.Row(i);
        const std::string& line = t.Line(row.Line);
        const std::size_t from = Utf8::OffsetOf(line, std::size_t(row.Start));
        rows.push_back(line.substr(from, Utf8::OffsetOf(line, std::size_t(row.End)) - from));
    }
    return rows;
}

TEST(EditTextTest, LinesSplitAtEveryKindOfBreakAndJoinWithNewlines)
{
    TEditText t = Multi("one\r\ntwo\rthree\nfour\n");
    ASSERT_EQ(t.LineCount(), 5);
    EXPECT_EQ(t.Line(2), "three");
    EXPECT_EQ(t.Line(4), "");
    EXPECT_EQ(t.Text(), "one\ntwo\nthree\nfour\n");
    EXPECT_EQ(t.Length(), 19);

    TEditText single(TEditLines::Single);
    single.SetText("a\r\nb");
    EXPECT_EQ(single.LineCount(), 1);
    EXPECT_EQ(single.Text(), "a\r\nb") << "a single line keeps the breaks as characters";
}

TEST(EditTextTest, OffsetsCountCodePointsAndALineBreakAsOne)
{
    TEditText t = Multi("中文\nab");
    EXPECT_EQ(t.Length(), 5);
    EXPECT_EQ(t.OffsetOf({1, 1}), 4);
    EXPECT_EQ(t.PosOf(2), (TEditPos{0, 2}));
    EXPECT_EQ(t.PosOf(3), (TEditPos{1, 0}));
    EXPECT_EQ(t.PosOf(99), (TEditPos{1, 2}));
    EXPECT_EQ(t.PosOf(-4), (TEditPos{0, 0}));
    EXPECT_EQ(t.Clamped({7, 9}), (TEditPos{1, 2}));
    EXPECT_EQ(t.CharRight({0, 0}), (TEditPos{0, 1}));
    EXPECT_EQ(t.CharRight({0, 2}), (TEditPos{1, 0}));
    EXPECT_EQ(t.CharLeft({1, 0}), (TEditPos{0, 2}));
    t.Select({0, 1}, {1, 1});
    EXPECT_EQ(t.SelectedText(), "文\na");
}

TEST(EditTextTest, InsertReplacesTheSelectionAndLeavesTheCaretAfterIt)
{
    TEditText t = Multi("hello world");
    t.Select({0, 0}, {0, 5});
    EXPECT_TRUE(t.Insert("bye\r\nall", TEditKind::Other));
    EXPECT_EQ(t.Text(), "bye\nall world");
    EXPECT_EQ(t.Caret(), (TEditPos{1, 3}));
    EXPECT_FALSE(t.HasSelection());
    EXPECT_FALSE(t.Insert("", TEditKind::Other)) << "nothing to insert and nothing selected";
}

TEST(EditTextTest, ASingleLineTakesTextOnlyUpToItsFirstLineBreak)
{
    TEditText t(TEditLines::Single);
    EXPECT_TRUE(t.Insert("first\r\nsecond", TEditKind::Other));
    EXPECT_EQ(t.Text(), "first");
    EXPECT_FALSE(t.Insert("\nonly after the break", TEditKind::Other));
}

TEST(EditTextTest, MaxLengthCutsInsertedTextAtWholeCodePoints)
{
    TEditText t = Multi("ab");
    t.SetMaxLength(4);
    t.MoveCaret(t.End(), TSelectMode::Move);
    EXPECT_TRUE(t.Insert("中文字", TEditKind::Typing));
    EXPECT_EQ(t.Text(), "ab中文");
    EXPECT_FALSE(t.Insert("x", TEditKind::Typing)) << "full";
    t.Select({0, 0}, {0, 2});
    EXPECT_TRUE(t.Insert("xyz", TEditKind::Typing)) << "the selection makes room";
    EXPECT_EQ(t.Text(), "xy中文");
}

TEST(EditTextTest, DeletingJoinsLinesAndStopsAtTheEnds)
{
    TEditText t = Multi("ab\ncd");
    t.MoveCaret({1, 0}, TSelectMode::Move);
    EXPECT_TRUE(t.DeleteBackward());
    EXPECT_EQ(t.Text(), "abcd");
    EXPECT_EQ(t.Caret(), (TEditPos{0, 2}));
    EXPECT_TRUE(t.DeleteForward());
    EXPECT_EQ(t.Text(), "abd");
    t.MoveCaret({0, 0}, TSelectMode::Move);
    EXPECT_FALSE(t.DeleteBackward());
    t.MoveCaret(t.End(), TSelectMode::Move);
    EXPECT_FALSE(t.DeleteForward());
    t.Select({0, 0}, {0, 2});
    EXPECT_TRUE(t.DeleteForward()) << "a selection goes first";
    EXPECT_EQ(t.Text(), "d");
}

TEST(EditTextTest, UndoTakesBackTypingAsOneChangeAndASecondUndoRedoesIt)
{
    TEditText t = Multi("x");
    t.MoveCaret(t.End(), TSelectMode::Move);
    EXPECT_FALSE(t.CanUndo());
    for (const char* c : {"a", "b", "c"}) t.Insert(c, TEditKind::Typing);
    EXPECT_EQ(t.Text(), "xabc");
    EXPECT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "x");
    EXPECT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "xabc");
    EXPECT_EQ(t.SelectedText(), "abc") << "what undo brings back is selected";
}

TEST(EditTextTest, UndoRestoresReplacedAndDeletedText)
{
    TEditText t = Multi("one two");
    t.Select({0, 4}, {0, 7});
    t.Insert("2", TEditKind::Typing);
    t.Insert("2", TEditKind::Typing);
    EXPECT_EQ(t.Text(), "one 22");
    t.Undo();
    EXPECT_EQ(t.Text(), "one two");
    t.MoveCaret({0, 3}, TSelectMode::Move);
    t.DeleteBackward();
    t.DeleteBackward();
    EXPECT_EQ(t.Text(), "o two");
    t.Undo();
    EXPECT_EQ(t.Text(), "on two") << "each deletion is a change of its own";
}

TEST(EditTextTest, ChangesByTheProgramKeepTheCaretInPlaceAndForgetUndo)
{
    TEditText t = Multi("abc\ndef");
    t.MoveCaret({1, 1}, TSelectMode::Move);
    t.Insert("x", TEditKind::Typing);
    ASSERT_TRUE(t.CanUndo());
    t.Replace(0, 0, "new\n");
    EXPECT_EQ(t.Text(), "new\nabc\ndxef");
    EXPECT_EQ(t.Caret(), (TEditPos{2, 2})) << "moved along with its text";
    EXPECT_FALSE(t.CanUndo());
    t.Replace(t.Length(), t.Length(), "\ntail");
    EXPECT_EQ(t.Caret(), (TEditPos{2, 2}));
    t.Replace(8, 12, "");
    EXPECT_EQ(t.Text(), "new\nabc\n\ntail");
    EXPECT_EQ(t.Caret(), (TEditPos{2, 0})) << "inside the removed part: to its start";
    t.SetText("reset");
    EXPECT_EQ(t.Caret(), (TEditPos{0, 0}));
}

TEST(EditTextTest, WordMovesStepOverRunsOfOneClass)
{
    TEditText t = Multi("foo_bar, 中文 x\nnext");
    EXPECT_EQ(t.WordRight({0, 0}), (TEditPos{0, 7}));
    EXPECT_EQ(t.WordRight({0, 7}), (TEditPos{0, 9}));
    EXPECT_EQ(t.WordRight({0, 9}), (TEditPos{0, 12}));
    EXPECT_EQ(t.WordRight({0, 13}), (TEditPos{1, 0})) << "at the line's end: to the next line";
    EXPECT_EQ(t.WordLeft({0, 12}), (TEditPos{0, 9}));
    EXPECT_EQ(t.WordLeft({0, 9}), (TEditPos{0, 7}));
    EXPECT_EQ(t.WordLeft({1, 0}), (TEditPos{0, 13}));
    t.SelectWordAt({0, 2});
    EXPECT_EQ(t.SelectedText(), "foo_bar");
    t.SelectWordAt({0, 10});
    EXPECT_EQ(t.SelectedText(), "中文");
    t.SelectWordAt({1, 4});
    EXPECT_EQ(t.SelectedText(), "next") << "at the line's end: the word before";
}

TEST(EditTextTest, WithoutWrappingEachLineIsOneRow)
{
    TEditText t = Multi("ab\n\n中文 x");
    ASSERT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Row(2).Width, 28);
    EXPECT_EQ(t.Layout().MaxWidth(), 28);
    EXPECT_EQ(t.XOf({2, 2}), 20);
    EXPECT_EQ(t.PosAt(2, 14), (TEditPos{2, 1}));
    EXPECT_EQ(t.PosAt(2, 15), (TEditPos{2, 2})) << "the nearer boundary";
    EXPECT_EQ(t.PosAt(2, 999), (TEditPos{2, 4}));
    EXPECT_EQ(t.PosAt(-3, 0), (TEditPos{0, 0}));
}

TEST(EditTextTest, WrappingBreaksAfterBlanksWhichHangAtTheRowsEnd)
{
    TEditText t = Multi("aaa bbb ccc");
    t.SetWrapWidth(40);  // 8 letters
    EXPECT_EQ(RowTexts(t), (std::vector<std::string>{"aaa bbb ", "ccc"}));
    t.SetWrapWidth(20);
    EXPECT_EQ(RowTexts(t), (std::vector<std::string>{"aaa ", "bbb ", "ccc"}));
    EXPECT_FALSE(t.Row(0).LastOfLine);
    EXPECT_TRUE(t.Row(2).LastOfLine);
    EXPECT_EQ(t.RowOf({0, 4}), 1) << "where two rows meet the later shows the position";
    EXPECT_EQ(t.RowEnd({0, 0}), (TEditPos{0, 3})) << "before the blank the row broke at";
    EXPECT_EQ(t.RowHome({0, 6}), (TEditPos{0, 4}));
    EXPECT_EQ(t.RowsAway({0, 1}, 2, 5), (TEditPos{0, 9}));
    EXPECT_EQ(t.RowsAway({0, 1}, -5, 5), (TEditPos{0, 1}));
}

TEST(EditTextTest, WordsWiderThanARowAndChineseBreakAnywhere)
{
    TEditText t = Multi("abcdefghij");
    t.SetWrapWidth(22);
    EXPECT_EQ(RowTexts(t), (std::vector<std::string>{"abcd", "efgh", "ij"}));
    t.SetText("中文字符测试");
    EXPECT_EQ(RowTexts(t), (std::vector<std::string>{"中文", "字符", "测试"}));
    t.SetText("ab中文");
    EXPECT_EQ(RowTexts(t), (std::vector<std::string>{"ab中", "文"}));
    t.SetWrapWidth(1);
    EXPECT_EQ(t.RowCount(), 4) << "at least one character a row";
}

TEST(EditTextTest, EditsAndUndoKeepTheRowsInStep)
{
    TEditText t = Multi("aaa bbb\nccc");
    t.SetWrapWidth(20);
    ASSERT_EQ(t.RowCount(), 3);
    t.MoveCaret({1, 3}, TSelectMode::Move);
    t.Insert(" ddd eee", TEditKind::Typing);
    EXPECT_EQ(RowTexts(t), (std::vector<std::string>{"aaa ", "bbb", "ccc ", "ddd ", "eee"}));
    t.Undo();
    EXPECT_EQ(t.RowCount(), 3);
}

TEST(EditTextTest, TabsReachTheNextStopOfEightBlanks)
{
    TEditText t = Multi("a\tb");
    EXPECT_EQ(t.XOf({0, 2}), 24);
    EXPECT_EQ(t.XOf({0, 3}), 29);
}

}  // namespace
