#include "platform/core/Exception.h"
#include "platform/core/FormDescriptionParser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ErrorOf(std::string_view text)
{
    try {
        (void)ParseFormDescription(text);
    } catch (const EReadError& e) {
        return e.Message;
    }
    return "";
}

// The value of the one property of "object a: TA\n  P = <value>\nend".
TFormValue ValueOf(const std::string& value)
{
    const TFormObject root = ParseFormDescription("object a: TA\n  P = " + value + "\nend\n");
    EXPECT_EQ(root.Properties.size(), 1u);
    return root.Properties.at(0).Value;
}

std::string Nested(const std::string& open, const std::string& close, int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i) text += open;
    for (int i = 0; i < depth; ++i) text += close;
    return text;
}

constexpr const char* kMainForm = R"(object frmMain: TfrmMain
  Left = 204
  Caption = 'QZ Trellin [Vostra专版]'
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Color = clBtnFace
  Position = poDesktopCenter
  Items.Strings = (
    'BLUE'
    'MACOS')
  Buttons = <
    item
      ButtonType = suiControlBox
      PicNormal.Data = {0A0B0C}
    end
    item
    end>
  OnClick = sbtnCkClick
  object sbtnOp: TsuiButton
    Caption = '浏览'
  end
end
)";

}  // namespace

TEST(FormDescriptionParser, ReadsTheTreeInFileOrderWithLines)
{
    const TFormObject root = ParseFormDescription(kMainForm);
    EXPECT_EQ(root.Name, "frmMain");
    EXPECT_EQ(root.ClassName, "TfrmMain");
    EXPECT_EQ(root.Line, 1);
    ASSERT_EQ(root.Properties.size(), 9u);
    const char* names[] = {"Left",     "Caption",       "Font.Name", "Font.Style", "Color",
                           "Position", "Items.Strings", "Buttons",   "OnClick"};
    for (std::size_t i = 0; i < std::size(names); ++i) EXPECT_EQ(root.Properties[i].Name, names[i]);
    EXPECT_EQ(root.Properties[0].Value.Integer, 204);
    EXPECT_EQ(root.Properties[1].Value.Text, "QZ Trellin [Vostra专版]");
    EXPECT_EQ(root.Properties[3].Value.Kind, TFormValueKind::Set);
    EXPECT_TRUE(root.Properties[3].Value.Items.empty());
    EXPECT_EQ(root.Properties[4].Value.Text, "clBtnFace");
    EXPECT_EQ(root.Properties[6].Line, 8);
    ASSERT_EQ(root.Properties[6].Value.Items.size(), 2u);
    EXPECT_EQ(root.Properties[6].Value.Items[1].Text, "MACOS");
    EXPECT_EQ(root.Properties[6].Value.Items[1].Line, 10);

    const TFormValue& buttons = root.Properties[7].Value;
    ASSERT_EQ(buttons.CollectionItems.size(), 2u);
    EXPECT_EQ(buttons.CollectionItems[0].Line, 12);
    ASSERT_EQ(buttons.CollectionItems[0].Properties.size(), 2u);
    EXPECT_EQ(buttons.CollectionItems[0].Properties[1].Name, "PicNormal.Data");
    EXPECT_EQ(buttons.CollectionItems[0].Properties[1].Value.Bytes, (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(buttons.CollectionItems[0].Properties[1].Line, 14);
    EXPECT_TRUE(buttons.CollectionItems[1].Properties.empty());
    EXPECT_EQ(root.Properties[8].Value.Kind, TFormValueKind::Identifier);

    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Name, "sbtnOp");
    EXPECT_EQ(root.Children[0].ClassName, "TsuiButton");
    EXPECT_EQ(root.Children[0].Line, 19);
    EXPECT_EQ(root.Children[0].Properties.at(0).Value.Text, "浏览");
}

TEST(FormDescriptionParser, Numbers)
{
    EXPECT_EQ(ValueOf("-12").Integer, -12);
    EXPECT_EQ(ValueOf("$00FF00FF").Integer, 0x00FF00FF);
    EXPECT_EQ(ValueOf("-$10").Integer, -16);
    EXPECT_EQ(ValueOf("9223372036854775807").Integer, INT64_MAX);
    EXPECT_EQ(ValueOf("-9223372036854775808").Integer, INT64_MIN);
    EXPECT_EQ(ValueOf("$7FFFFFFFFFFFFFFF").Integer, INT64_MAX);
    EXPECT_EQ(ValueOf("1.5").Kind, TFormValueKind::Float);
    EXPECT_DOUBLE_EQ(ValueOf("-2.5E2").Float, -250.0);
    EXPECT_DOUBLE_EQ(ValueOf("3e-1").Float, 0.3);
}

TEST(FormDescriptionParser, Strings)
{
    EXPECT_EQ(ValueOf("'it''s'").Text, "it's");
    EXPECT_EQ(ValueOf("''").Text, "");
    EXPECT_EQ(ValueOf("'a'#13#10'b'").Text, "a\r\nb");
    EXPECT_EQ(ValueOf("#27983#35272").Text, "浏览");
    EXPECT_EQ(ValueOf("'one ' +\n    'two' + #33").Text, "one two!");
    EXPECT_EQ(ValueOf("'// not a comment'").Text, "// not a comment");
}

TEST(FormDescriptionParser, IdentifiersSetsListsAndBinary)
{
    EXPECT_EQ(ValueOf("frmOther.sbtnOp").Text, "frmOther.sbtnOp");
    const TFormValue set = ValueOf("[fsBold, fsItalic]");
    ASSERT_EQ(set.Items.size(), 2u);
    EXPECT_EQ(set.Items[1].Text, "fsItalic");
    const TFormValue list = ValueOf("(1 'two' three (4) [])");
    ASSERT_EQ(list.Items.size(), 5u);
    EXPECT_EQ(list.Items[2].Kind, TFormValueKind::Identifier);
    EXPECT_EQ(list.Items[3].Items.at(0).Integer, 4);
    EXPECT_TRUE(ValueOf("()").Items.empty());
    EXPECT_EQ(ValueOf("{ 0a0B\n  ff }").Bytes, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
    EXPECT_TRUE(ValueOf("{}").Bytes.empty());
    EXPECT_TRUE(ValueOf("<>").CollectionItems.empty());
}

TEST(FormDescriptionParser, AcceptsCommentsAByteOrderMarkAndUnnamedObjects)
{
    const TFormObject root = ParseFormDescription("\xEF\xBB\xBF// a form\nOBJECT TA // unnamed\n  A = 1 // one\nEnd");
    EXPECT_EQ(root.Name, "");
    EXPECT_EQ(root.ClassName, "TA");
    EXPECT_EQ(root.Properties.at(0).Line, 3);
}

struct BadDescription {
    const char* Text;
    const char* Error;
};

class FormDescriptionParserErrors : public testing::TestWithParam<BadDescription> {};

TEST_P(FormDescriptionParserErrors, NameTheirLine)
{
    EXPECT_EQ(ErrorOf(GetParam().Text), GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(
    All, FormDescriptionParserErrors,
    testing::Values(
        BadDescription{"", "Line 1: 'object' expected but the end of the text found"},
        BadDescription{"object a: TA\n  A = 'open\nend", "Line 2: Unterminated string"},
        BadDescription{"object a: TA\n  A = 'open", "Line 2: Unterminated string"},
        BadDescription{"object a: TA\n  A = 1\n", "Line 3: 'end' expected for the object of line 1 but the end of the text found"},
        BadDescription{"object a: TA\n  A = (1\n  2\n", "Line 4: Value expected but the end of the text found"},
        BadDescription{"object a: TA\n  A = <item\n", "Line 3: 'end' expected for the item of line 2 but the end of the text found"},
        BadDescription{"object a: TA\n  A = <5>\nend", "Line 2: 'item' or '>' expected but a number found"},
        BadDescription{"object a: TA\n  A = {00\n 11", "Line 2: Unterminated binary data"},
        BadDescription{"object a: TA\n  A = {00\n 1}\nend", "Line 2: Binary data has an odd number of hex digits"},
        BadDescription{"object a: TA\n  A = {00\n 1g}\nend", "Line 3: Unexpected 'g' in binary data"},
        BadDescription{"object a: TA\n\n  A = 9223372036854775808\nend", "Line 3: Number out of range"},
        BadDescription{"object a: TA\n  A = -9223372036854775809\nend", "Line 2: Number out of range"},
        BadDescription{"object a: TA\n  A = $10000000000000000\nend", "Line 2: Number out of range"},
        BadDescription{"object a: TA\n  A = 1E999\nend", "Line 2: Number out of range"},
        BadDescription{"object a: TA\n  A = 12px\nend", "Line 2: Invalid number"},
        BadDescription{"object a: TA\n  A = $\nend", "Line 2: Hex digits expected after '$'"},
        BadDescription{"object a: TA\n  A = #\nend", "Line 2: Character code expected after '#'"},
        BadDescription{"object a: TA\n  A = #1114112\nend", "Line 2: Character code out of range"},
        BadDescription{"object a: TA\n  A = #55296\nend", "Line 2: Character code out of range"},
        BadDescription{"object a: TA\n  A = #00000000065\nend", "Line 2: Character code out of range"},
        BadDescription{"object a: TA\n  A = '\xC3('\nend", "Line 2: Invalid UTF-8 in a string"},
        BadDescription{"object a: TA\n  A = 'x' + 1\nend", "Line 2: String expected after '+'"},
        BadDescription{"object a: TA\n  A 1\nend", "Line 2: '=' expected but a number found"},
        BadDescription{"object a: TA\n  A =\nend", "Line 3: Value expected but 'end' found"},
        BadDescription{"object a: TA\n  A = [a b]\nend", "Line 2: ',' or ']' expected but 'b' found"},
        BadDescription{"object a: TA\n  A = [1]\nend", "Line 2: Set element expected but a number found"},
        BadDescription{"object a: TA\n  A = @\nend", "Line 2: Unexpected '@'"},
        BadDescription{"object a: TA\n  A = \x01\nend", "Line 2: Unexpected character $01"},
        BadDescription{"object a: TA\n  Font. = 1\nend", "Line 2: Property name expected but '=' found"},
        BadDescription{"object a: TA\n  object b: TB\n  end\n  A = 1\nend", "Line 4: Properties must come before child objects"},
        BadDescription{"object a: TA\nend\nobject b: TB\nend", "Line 3: Unexpected 'object' after the last 'end'"},
        BadDescription{"object a: TA\n  inherited b: TB\n  end\nend", "Line 2: 'inherited' objects are not supported"},
        BadDescription{"inline a: TA\nend", "Line 1: 'inline' objects are not supported"},
        BadDescription{"object a:\nend", "Line 2: Class name expected but 'end'"
                                         " found"}));

TEST(FormDescriptionParser, NestingDeeperThanTheLimitIsRefused)
{
    std::string objects;
    for (int i = 0; i < kMaxFormNesting; ++i) objects += "object a: TA\n";
    for (int i = 0; i < kMaxFormNesting; ++i) objects += "end\n";
    EXPECT_NO_THROW((void)ParseFormDescription(objects));
    EXPECT_EQ(ErrorOf("object a: TA\n" + objects + "end"), "Line 65: Nesting too deep");

    EXPECT_NO_THROW((void)ValueOf(Nested("(", ")", kMaxFormNesting - 1)));
    EXPECT_EQ(ErrorOf("object a: TA\n A = " + Nested("(", ")", 100000) + "\nend"), "Line 2: Nesting too deep");
    EXPECT_EQ(ErrorOf("object a: TA\n A = " + Nested("<item A = ", " end>", 40) + "\nend"),
              "Line 2: Nesting too deep");
}

TEST(FormDescriptionParser, SizeAndValueCountAreLimited)
{
    std::string many = "object a: TA\n A = (";
    for (std::size_t i = 0; i < kMaxFormValues; ++i) many += "1 ";
    EXPECT_EQ(ErrorOf(many + ")\nend"), "Line 2: Too many values");

    const std::string huge(kMaxFormDescriptionSize + 1, ' ');
    EXPECT_EQ(ErrorOf(huge), "Form description too large: 16777217 bytes");
}
