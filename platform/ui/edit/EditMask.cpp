#include "platform/ui/edit/EditMask.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <algorithm>

namespace {

constexpr char32_t kFieldSeparator = U';';
constexpr char32_t kEscape = U'\\';

// The three fields of a mask; an escaped ';' belongs to the picture.
struct TMaskFields {
    std::u32string Picture;
    std::u32string SaveLiterals;
    std::u32string Blank;
};

TMaskFields SplitFields(const std::u32string& mask)
{
    TMaskFields fields;
    std::u32string* field = &fields.Picture;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char32_t ch = mask[i];
        if (ch == kEscape && field == &fields.Picture && i + 1 < mask.size()) {
            field->push_back(ch);
            field->push_back(mask[++i]);
        } else if (ch == kFieldSeparator && field != &fields.Blank) {
            field = field == &fields.Picture ? &fields.SaveLiterals : &fields.Blank;
        } else {
            field->push_back(ch);
        }
    }
    return fields;
}

bool IsDigit(char32_t ch)
{
    return ch >= U'0' && ch <= U'9';
}

}  // namespace

TEditMask::TEditMask(std::string_view mask)
{
    const TMaskFields fields = SplitFields(Utf8::DecodeAll(mask));
    if (!fields.SaveLiterals.empty()) m_saveLiterals = fields.SaveLiterals != U"0";
    if (!fields.Blank.empty() && fields.Blank[0] >= U' ') m_blank = fields.Blank[0];

    TEditCharCase charCase = ecNormal;
    const std::u32string& picture = fields.Picture;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char32_t ch = picture[i];
        TPosition pos{.Case = charCase};
        switch (ch) {
        case U'>': charCase = ecUpperCase; continue;
        case U'<':
            if (i + 1 < picture.size() && picture[i + 1] == U'>') {
                ++i;
                charCase = ecNormal;
            } else {
                charCase = ecLowerCase;
            }
            continue;
        case U'!': m_leadingBlanks = true; continue;
        case U'L': pos.Accept = TAccept::Letter; pos.Required = true; break;
        case U'l': pos.Accept = TAccept::Letter; break;
        case U'A': pos.Accept = TAccept::AlphaNumeric; pos.Required = true; break;
        case U'a': pos.Accept = TAccept::AlphaNumeric; break;
        case U'C': pos.Accept = TAccept::Any; pos.Required = true; break;
        case U'c': pos.Accept = TAccept::Any; break;
        case U'0': pos.Accept = TAccept::Digit; pos.Required = true; break;
        case U'9': pos.Accept = TAccept::Digit; break;
        case U'#': pos.Accept = TAccept::DigitOrSign; break;
        case U'_': pos.Literal = U' '; break;
        case kEscape: pos.Literal = i + 1 < picture.size() ? picture[++i] : kEscape; break;
        default: pos.Literal = ch; break;
        }
        if (int(m_positions.size()) == kMaxPositions) {
            throw EInvalidOperation("Edit mask too long: more than " + std::to_string(kMaxPositions) + " positions");
        }
        m_positions.push_back(pos);
    }
}

bool TEditMask::IsLiteral(int index) const
{
    return Position(index).Accept == TAccept::Literal;
}

std::optional<char32_t> TEditMask::Accepts(int index, char32_t ch) const
{
    if (index < 0 || index >= Count() || IsLiteral(index) || ch == m_blank || ch < U' ') return std::nullopt;
    const TPosition& pos = Position(index);
    // A blank skips an optional position; it is a character only where any character goes.
    if (ch == U' ' && pos.Accept != TAccept::Any) {
        if (pos.Required) return std::nullopt;
        return m_blank;
    }
    const char32_t folded = FoldCase(ch, pos.Case);
    bool fits = false;
    switch (pos.Accept) {
    case TAccept::Letter: fits = IsLetterChar(folded); break;
    case TAccept::AlphaNumeric: fits = IsLetterChar(folded) || IsDigit(folded); break;
    case TAccept::Any: fits = true; break;
    case TAccept::Digit: fits = IsDigit(folded); break;
    case TAccept::DigitOrSign: fits = IsDigit(folded) || folded == U'+' || folded == U'-'; break;
    case TAccept::Literal: break;
    }
    if (!fits) return std::nullopt;
    return folded;
}

int TEditMask::NextInput(int index) const
{
    index = std::max(index, 0);
    while (index < Count() && IsLiteral(index)) ++index;
    return std::min(index, Count());
}

int TEditMask::PreviousInput(int index) const
{
    index = std::min(index, Count()) - 1;
    while (index >= 0 && IsLiteral(index)) --index;
    return index;
}

std::u32string TEditMask::BlankEditText() const
{
    std::u32string out;
    out.reserve(m_positions.size());
    for (const TPosition& pos : m_positions) out.push_back(pos.Accept == TAccept::Literal ? pos.Literal : m_blank);
    return out;
}

std::u32string TEditMask::Conformed(std::u32string_view editText) const
{
    std::u32string out = BlankEditText();
    for (int i = 0; i < Count() && i < int(editText.size()); ++i) {
        if (const auto ch = Accepts(i, editText[std::size_t(i)])) out[std::size_t(i)] = *ch;
    }
    return out;
}

std::u32string TEditMask::EditTextOf(std::u32string_view text) const
{
    if (m_saveLiterals) {
        // Leading blanks that the value dropped come back in front.
        if (m_leadingBlanks && int(text.size()) < Count()) {
            return Conformed(std::u32string(std::size_t(Count()) - text.size(), U' ') + std::u32string(text));
        }
        return Conformed(text);
    }
    const int inputs = int(std::count_if(m_positions.begin(), m_positions.end(),
                                         [](const TPosition& p) { return p.Accept != TAccept::Literal; }));
    std::u32string value(text.substr(0, std::size_t(inputs)));
    if (m_leadingBlanks) value.insert(0, std::size_t(inputs) - value.size(), U' ');
    std::u32string out = BlankEditText();
    std::size_t next = 0;
    for (int i = 0; i < Count() && next < value.size(); ++i) {
        if (IsLiteral(i)) continue;
        if (const auto ch = Accepts(i, value[next])) out[std::size_t(i)] = *ch;
        ++next;
    }
    return out;
}

bool TEditMask::IsFilled(std::u32string_view editText, int index) const
{
    return index < int(editText.size()) && editText[std::size_t(index)] != m_blank;
}

std::u32string TEditMask::TextOf(std::u32string_view editText) const
{
    std::u32string out;
    for (int i = 0; i < Count(); ++i) {
        if (IsLiteral(i)) {
            if (m_saveLiterals) out.push_back(Position(i).Literal);
        } else {
            out.push_back(IsFilled(editText, i) ? editText[std::size_t(i)] : U' ');
        }
    }
    if (m_leadingBlanks) {
        out.erase(0, std::min(out.find_first_not_of(U' '), out.size()));
    } else {
        const std::size_t last = out.find_last_not_of(U' ');
        out.erase(last == std::u32string::npos ? 0 : last + 1);
    }
    return out;
}

std::optional<int> TEditMask::FirstMissing(std::u32string_view editText) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Position(i).Required && !IsFilled(editText, i)) return i;
    }
    return std::nullopt;
}

bool TEditMask::IsAllBlank(std::u32string_view editText) const
{
    for (int i = 0; i < Count(); ++i) {
        if (!IsLiteral(i) && IsFilled(editText, i)) return false;
    }
    return true;
}

std::optional<int> TEditMask::Fill(std::u32string& editText, int caret, std::u32string_view chars) const
{
    bool placed = false;
    for (const char32_t ch : chars) {
        // The literal at the caret, or the one just stepped over, is typed as itself.
        if (caret < Count() && IsLiteral(caret) && Position(caret).Literal == ch) {
            caret = NextInput(caret + 1);
            placed = true;
            continue;
        }
        if (caret > 0 && caret <= Count() && IsLiteral(caret - 1) && Position(caret - 1).Literal == ch) {
            placed = true;
            continue;
        }
        const int input = NextInput(caret);
        if (input >= Count()) break;
        const auto fitted = Accepts(input, ch);
        if (!fitted) continue;
        editText[std::size_t(input)] = *fitted;
        caret = NextInput(input + 1);
        placed = true;
    }
    if (!placed) return std::nullopt;
    return caret;
}
