// CharCase: the one-to-one case mappings in a table of letter pairs and
// code points that must stay, and an edit box folding typed, pasted and
// set text, and its own text when CharCase changes.

#include "tests/ui/edit/EditTestSupport.h"

#include "platform/ui/edit/CharCase.h"
#include "platform/ui/edit/Edit.h"

namespace uitest {
namespace {

struct CasePair {
    char32_t Upper;
    char32_t Lower;
};

class CaseMappingTest : public ::testing::TestWithParam<CasePair> {};

TEST_P(CaseMappingTest, CapitalAndSmallLetterMapOntoEachOther)
{
    const CasePair p = GetParam();
    EXPECT_EQ(UpperCaseOf(p.Lower), p.Upper);
    EXPECT_EQ(LowerCaseOf(p.Upper), p.Lower);
    EXPECT_TRUE(IsLetterChar(p.Upper) && IsLetterChar(p.Lower));
}

INSTANTIATE_TEST_SUITE_P(Scripts, CaseMappingTest,
                         ::testing::Values(CasePair{U'A', U'a'}, CasePair{U'Z', U'z'}, CasePair{U'É', U'é'},
                                           CasePair{U'Þ', U'þ'}, CasePair{U'Ÿ', U'ÿ'}, CasePair{U'Ā', U'ā'},
                                           CasePair{U'Ł', U'ł'}, CasePair{U'Ž', U'ž'}, CasePair{U'Ŋ', U'ŋ'},
                                           CasePair{U'Α', U'α'}, CasePair{U'Ω', U'ω'}, CasePair{U'Я', U'я'},
                                           CasePair{U'Ё', U'ё'}, CasePair{U'Ａ', U'ａ'}));

class CaseKeptTest : public ::testing::TestWithParam<char32_t> {};

TEST_P(CaseKeptTest, CodePointsWithoutASimplePairStayAsTheyAre)
{
    EXPECT_EQ(UpperCaseOf(GetParam()), GetParam());
    EXPECT_EQ(LowerCaseOf(GetParam()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Others, CaseKeptTest,
                         ::testing::Values(U'ß', U'×', U'÷', U'İ', U'ı', U'ĸ', U'中', U'1', U'_', U'@', U'[',
                                           char32_t(0x3A2)));

TEST(CaseFoldTest, FinalSigmaCapitalisesButSigmaLowersToTheMedialForm)
{
    EXPECT_EQ(FoldCase("ΟΔΟΣ", ecLowerCase), "οδοσ");
    EXPECT_EQ(FoldCase("οδος", ecUpperCase), "ΟΔΟΣ");
    EXPECT_EQ(FoldCase("Straße 中文", ecUpperCase), "STRAßE 中文");
}

class EditCharCaseTest : public EditTestBase {};

TEST_F(EditCharCaseTest, TypedPastedAndSetTextIsFoldedAndChangingTheCaseFoldsTheText)
{
    auto* edit = Add<TEdit>({10, 10, 200, 31});
    edit->SetCharCase(ecUpperCase);
    Focus(edit);
    Type("abc é");
    SetClipboardText("ÿ中x");
    Ctrl('V');
    EXPECT_EQ(edit->Text(), "ABC ÉŸ中X");
    edit->SetText("mixed Ñ");
    EXPECT_EQ(edit->Text(), "MIXED Ñ");
    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->Text(), "mixed ñ");
    edit->SetCharCase(ecNormal);
    PressKey(VK_END);
    Type("Q");
    EXPECT_EQ(edit->Text(), "mixed ñQ");
}

}  // namespace
}  // namespace uitest
