#pragma once
// TEditMask: the mask language of the masked edit, apart from any window.
//
// A mask has up to three fields separated by ';':
//   the picture;save literals;blank
// "save literals" is 0 or 1 (default 1): whether Text keeps the literal
// characters. "blank" is the character that shows an empty input position
// (default '_'). A ';' inside the picture must be escaped.
//
// The picture, one position per character unless said otherwise:
//   L  letter, required          l  letter, optional
//   A  letter or digit, required a  letter or digit, optional
//   C  any character, required   c  any character, optional
//   0  digit, required           9  digit, optional
//   #  digit, '+' or '-', optional
//   >  the following letters in capitals (no position)
//   <  the following letters in small letters (no position)
//   <> no case folding from here on (no position)
//   !  Text drops leading blanks instead of trailing ones (no position)
//   \  the next character is a literal
//   _  a literal blank (a space)
//   anything else (':', '/', '-', '(', Chinese characters ...) is a literal.
//
// EditText is what the control shows: every literal, and for each input
// position its character or the blank character. Text is the value: blank
// positions as spaces, the literals only when saved, and the blanks at the
// end (or, with '!', at the start) left out.

#include "platform/ui/edit/CharCase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TEditMask {
public:
    static constexpr int kMaxPositions = 1024;  // longer pictures are refused
    static constexpr char32_t kDefaultBlank = U'_';

    enum class TAccept { Literal, Letter, AlphaNumeric, Any, Digit, DigitOrSign };

    struct TPosition {
        TAccept Accept = TAccept::Literal;
        char32_t Literal = 0;  // the literal's character
        bool Required = false;
        TEditCharCase Case = ecNormal;
    };

    TEditMask() = default;
    // Raises EInvalidOperation for a picture of more than kMaxPositions positions.
    explicit TEditMask(std::string_view mask);

    [[nodiscard]] bool Empty() const { return m_positions.empty(); }
    [[nodiscard]] int Count() const { return int(m_positions.size()); }
    [[nodiscard]] const TPosition& Position(int index) const { return m_positions[std::size_t(index)]; }
    [[nodiscard]] bool IsLiteral(int index) const;
    [[nodiscard]] bool SaveLiterals() const { return m_saveLiterals; }
    [[nodiscard]] char32_t Blank() const { return m_blank; }

    // The character as position index takes it (case folded), or nothing.
    [[nodiscard]] std::optional<char32_t> Accepts(int index, char32_t ch) const;
    // The first input position at or after index (Count() when none).
    [[nodiscard]] int NextInput(int index) const;
    // The last input position before index (-1 when none).
    [[nodiscard]] int PreviousInput(int index) const;

    // EditText with every input position blank.
    [[nodiscard]] std::u32string BlankEditText() const;
    // EditText from a value given as Text: with saved literals the value is
    // read position by position, else its characters fill the input
    // positions in order. Characters a position refuses leave it blank.
    [[nodiscard]] std::u32string EditTextOf(std::u32string_view text) const;
    // EditText from text that should already look like EditText; positions
    // that do not fit become blank, literals are put back.
    [[nodiscard]] std::u32string Conformed(std::u32string_view editText) const;
    [[nodiscard]] std::u32string TextOf(std::u32string_view editText) const;
    // The first required position that is blank, or nothing when every one is filled.
    [[nodiscard]] std::optional<int> FirstMissing(std::u32string_view editText) const;
    // No input position is filled.
    [[nodiscard]] bool IsAllBlank(std::u32string_view editText) const;

    // Characters typed or pasted at caret: each goes into the next input
    // position that takes it; a character equal to the literal at its
    // place steps over it. Returns the new caret, or nothing when the first
    // character fits nowhere. Characters after one that fits nowhere are dropped.
    [[nodiscard]] std::optional<int> Fill(std::u32string& editText, int caret, std::u32string_view chars) const;

private:
    [[nodiscard]] bool IsFilled(std::u32string_view editText, int index) const;

    std::vector<TPosition> m_positions;
    bool m_saveLiterals = true;
    char32_t m_blank = kDefaultBlank;
    bool m_leadingBlanks = false;  // '!'
};
