#pragma once
// Splits a form description into tokens: identifiers, numbers, strings
// (quoted pieces and #NNN code points already joined and decoded) and
// punctuation. `//` starts a comment that runs to the end of the line.
// Binary blocks are read on request, since their hex digits are no tokens.
// Errors raise EReadError "Line N: ...".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TFormTokenKind { End, Identifier, Integer, Float, String, Symbol };

struct TFormToken {
    TFormTokenKind Kind = TFormTokenKind::End;
    int Line = 1;
    std::string Text;  // Identifier: the name; String: the decoded UTF-8 text
    std::int64_t Integer = 0;
    double Float = 0;
    char Symbol = 0;  // one of = : . , [ ] ( ) < > { } +
};

class TFormDescriptionLexer {
public:
    explicit TFormDescriptionLexer(std::string_view text);

    [[nodiscard]] const TFormToken& Peek();
    TFormToken Next();
    // The bytes of a binary block whose '{' was just taken, up to and
    // including the closing '}'.
    [[nodiscard]] std::vector<std::uint8_t> ReadBinary();

    [[noreturn]] static void Fail(int line, std::string_view message);

private:
    TFormToken Lex();
    void SkipBlanksAndComments();
    TFormToken LexNumber();
    TFormToken LexString();
    void LexQuoted(std::string& out);
    void LexCodePoint(std::string& out);
    [[nodiscard]] bool AtEnd() const { return m_pos >= m_text.size(); }
    [[nodiscard]] char At(std::size_t offset = 0) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    std::optional<TFormToken> m_peeked;
};
