// TMaskEdit driven through the headless desktop: a table of masks and
// typed keys with the EditText, Text and validity they give; paste
// filtering, setting Text and EditText, deleting and undo; the check on
// leaving the control; reading one from a form description.

#include "tests/ui/edit/EditTestSupport.h"

#include "platform/core/Utf8.h"
#include "platform/ui/edit/Edit.h"
#include "platform/ui/edit/EditMask.h"
#include "platform/ui/edit/MaskEdit.h"
#include "platform/ui/forms/FormReader.h"

namespace uitest {
namespace {

class MaskEditTest : public EditTestBase {
protected:
    void SetUp() override
    {
        EditTestBase::SetUp();
        edit = Add<TMaskEdit>({10, 10, 160, 31});
        other = Add<TEdit>({10, 40, 160, 61});
    }
    // Types keys: '⌫' Backspace, '⌦' Delete, '←' Left, '⇤' Home; anything else as text.
    void Keys(const std::string& script)
    {
        for (const char32_t cp : Utf8::DecodeAll(script)) {
            switch (cp) {
            case U'⌫': PressKey(VK_BACK); break;
            case U'⌦': PressKey(VK_DELETE); break;
            case U'←': PressKey(VK_LEFT); break;
            case U'⇤': PressKey(VK_HOME); break;
            default: Type(Utf8::Encode(cp)); break;
            }
        }
    }
    [[nodiscard]] bool Valid()
    {
        try {
            edit->ValidateEdit();
            return true;
        } catch (const EMaskEditError&) {
            return false;
        }
    }
    TMaskEdit* edit = nullptr;
    TEdit* other = nullptr;
};

struct TypingCase {
    const char* Mask;
    const char* Keys;
    const char* EditText;
    const char* Text;
    bool Valid;
};

class MaskEditTypingTest : public MaskEditTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(MaskEditTypingTest, TypedKeysFillTheMaskPositionsThatTakeThem)
{
    const TypingCase& c = GetParam();
    edit->SetEditMask(c.Mask);
    Focus(edit);
    Keys(c.Keys);
    EXPECT_EQ(edit->EditText(), c.EditText);
    EXPECT_EQ(edit->Text(), c.Text);
    EXPECT_EQ(Valid(), c.Valid);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskEditTypingTest,
    ::testing::Values(
        TypingCase{"000-0000;1;_", "5551234", "555-1234", "555-1234", true},
        TypingCase{"000-0000;0;_", "5551234", "555-1234", "5551234", true},
        TypingCase{"000-0000;1;_", "55x5", "555-____", "555-", false},
        TypingCase{"(999)000;1;*", "12345", "(123)45*", "(123)45", false},
        TypingCase{"00:00", "12:34", "12:34", "12:34", true},
        TypingCase{">LL<ll", "abCD", "ABcd", "ABcd", true},
        TypingCase{">LL<>ll", "abCD", "ABCD", "ABCD", true},
        TypingCase{"LL", "a1b", "ab", "ab", true},
        TypingCase{"AAl", "中1é", "中1é", "中1é", true},
        TypingCase{"0000;1;_", "12⌫3", "13__", "13", false},
        TypingCase{"0000", "1234⇤⌦", "_234", " 234", false},
        TypingCase{"!9999", "12", "12__", "12  ", true},
        TypingCase{"#99", "-5", "-5_", "-5", true},
        TypingCase{"9#9", "1 2", "1_2", "1 2", true},
        TypingCase{"\\L0", "L5", "L5", "L5", true},
        TypingCase{"cc_c", "a b", "a  b", "a  b", true},
        TypingCase{"Cc;0;#", "x", "x#", "x", true},
        TypingCase{"C0", "", "__", "", false}));

TEST_F(MaskEditTest, PasteKeepsOnlyWhatFitsAndSetTextFillsTheInputPositions)
{
    edit->SetEditMask("000-0000;0;_");
    Focus(edit);
    SetClipboardText("tel: 555 12-34 x");
    Ctrl('V');
    EXPECT_EQ(edit->EditText(), "555-1234");
    edit->SetText("55a");
    EXPECT_EQ(edit->EditText(), "55_-____") << "a refused character leaves its position blank";
    edit->SetEditText("12-3456");
    EXPECT_EQ(edit->EditText(), "12_-456_") << "EditText is read position by position";
    edit->SetEditMask("");
    EXPECT_EQ(edit->Text(), "12 456") << "without a mask the value stays as text";
}

TEST_F(MaskEditTest, DeletingASelectionLeavesBlanksAndUndoBringsItBack)
{
    edit->SetEditMask("00/00/0000");
    Focus(edit);
    Keys("31122026");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    PressKey(VK_DELETE);
    EXPECT_EQ(edit->EditText(), "3_/_2/2026");
    EXPECT_EQ(edit->SelStart(), 1);
    Type("0");
    EXPECT_EQ(edit->SelStart(), 3);
    Type("1");
    EXPECT_EQ(edit->EditText(), "30/12/2026") << "typing overwrites from the caret, skipping the literal";
    Ctrl('Z');
    EXPECT_EQ(edit->EditText(), "30/_2/2026") << "undo takes back the last change";
    Ctrl('Z');
    EXPECT_EQ(edit->EditText(), "30/12/2026") << "and a second undo redoes it";
    edit->SetReadOnly(true);
    Keys("9⌫");
    EXPECT_EQ(edit->EditText(), "30/12/2026");
}

TEST_F(MaskEditTest, LeavingWithARequiredBlankKeepsTheFocusAndShowsTheError)
{
    edit->SetEditMask("00:00");
    Focus(edit);
    Keys("123");
    Focus(other);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(messageBoxes[0].find("Invalid input value: position 5 needs a digit"), std::string::npos)
        << messageBoxes[0];
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 4);
    Type("4");
    Focus(other);
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(messageBoxes.size(), 1u);
}

TEST_F(MaskEditTest, AnUntouchedOrClearedFieldLeavesFreely)
{
    edit->SetEditMask("00:00");
    Focus(edit);
    Focus(other);
    EXPECT_TRUE(other->Focused());
    Focus(edit);
    Keys("1⌫");
    Focus(other);
    EXPECT_TRUE(other->Focused());
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(MaskEditTest, AnOverlongMaskIsRefusedAndTheOldOneStays)
{
    edit->SetEditMask("00");
    EXPECT_THROW(edit->SetEditMask(std::string(TEditMask::kMaxPositions + 1, '0')), EInvalidOperation);
    EXPECT_EQ(edit->EditMask(), "00");
    EXPECT_EQ(edit->EditText(), "__");
}

TEST_F(MaskEditTest, AFormDescriptionSetsTheMaskBeforeTheText)
{
    RegisterClass(TMaskEdit::StaticClassInfo());
    ReadForm(*form, "object f: TForm\n"
                    "  object m: TMaskEdit\n"
                    "    EditMask = '>LL-0000;0;_'\n"
                    "    Text = 'ab12'\n  end\nend\n");
    auto* read = dynamic_cast<TMaskEdit*>(form->FindComponent("m"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->EditText(), "AB-12__");
    EXPECT_EQ(read->Text(), "AB12");
}

}  // namespace
}  // namespace uitest
