#include "platform/core/FormDescriptionLexer.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSymbols = "=:.,[]()<>{}+";
constexpr int kMaxCodePointDigits = 7;  // #1114111 is the largest code point
constexpr std::uint64_t kMaxMagnitude = std::uint64_t(std::numeric_limits<std::int64_t>::max());

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

int HexValue(char c)
{
    if (IsDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

std::string DescribeChar(char c)
{
    if (c > ' ' && c < 0x7F) return std::string("'") + c + "'";
    char text[8];
    std::snprintf(text, sizeof text, "$%02X", unsigned(static_cast<unsigned char>(c)));
    return std::string("character ") + text;
}

}  // namespace

TFormDescriptionLexer::TFormDescriptionLexer(std::string_view text) : m_text(text)
{
    if (m_text.substr(0, kByteOrderMark.size()) == kByteOrderMark) m_pos = kByteOrderMark.size();
}

void TFormDescriptionLexer::Fail(int line, std::string_view message)
{
    throw EReadError("Line " + std::to_string(line) + ": " + std::string(message));
}

char TFormDescriptionLexer::At(std::size_t offset) const
{
    return m_pos + offset < m_text.size() ? m_text[m_pos + offset] : '\0';
}

const TFormToken& TFormDescriptionLexer::Peek()
{
    if (!m_peeked) m_peeked = Lex();
    return *m_peeked;
}

TFormToken TFormDescriptionLexer::Next()
{
    if (!m_peeked) return Lex();
    TFormToken token = std::move(*m_peeked);
    m_peeked.reset();
    return token;
}

void TFormDescriptionLexer::SkipBlanksAndComments()
{
    while (!AtEnd()) {
        const char c = At();
        if (c == '\n') {
            ++m_line;
            ++m_pos;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++m_pos;
        } else if (c == '/' && At(1) == '/') {
            while (!AtEnd() && At() != '\n') ++m_pos;
        } else {
            return;
        }
    }
}

TFormToken TFormDescriptionLexer::Lex()
{
    SkipBlanksAndComments();
    TFormToken token;
    token.Line = m_line;
    if (AtEnd()) return token;
    const char c = At();
    if (IsIdentStart(c)) {
        const std::size_t start = m_pos;
        while (IsIdentChar(At())) ++m_pos;
        token.Kind = TFormTokenKind::Identifier;
        token.Text = m_text.substr(start, m_pos - start);
        return token;
    }
    if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(At(1)) || At(1) == '$'))) return LexNumber();
    if (c == '\'' || c == '#') return LexString();
    if (kSymbols.find(c) != std::string_view::npos) {
        ++m_pos;
        token.Kind = TFormTokenKind::Symbol;
        token.Symbol = c;
        return token;
    }
    Fail(m_line, "Unexpected " + DescribeChar(c));
}

TFormToken TFormDescriptionLexer::LexNumber()
{
    TFormToken token;
    token.Line = m_line;
    const std::size_t start = m_pos;
    const bool negative = At() == '-';
    if (negative) ++m_pos;
    const bool hex = At() == '$';
    if (hex) ++m_pos;
    const std::size_t digitsStart = m_pos;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    const std::uint64_t base = hex ? 16 : 10;
    while (hex ? IsHexDigit(At()) : IsDigit(At())) {
        const std::uint64_t digit = std::uint64_t(HexValue(At()));
        overflow = overflow || magnitude > (kMaxMagnitude + 1 - digit) / base;
        if (!overflow) magnitude = magnitude * base + digit;
        ++m_pos;
    }
    if (m_pos == digitsStart) Fail(m_line, "Hex digits expected after '$'");
    const bool fraction = !hex && At() == '.' && IsDigit(At(1));
    const bool exponent = !hex && (At() == 'e' || At() == 'E');
    if (fraction || exponent) {
        if (fraction) {
            ++m_pos;
            while (IsDigit(At())) ++m_pos;
        }
        if (At() == 'e' || At() == 'E') {
            ++m_pos;
            if (At() == '+' || At() == '-') ++m_pos;
            if (!IsDigit(At())) Fail(m_line, "Digits expected in the exponent");
            while (IsDigit(At())) ++m_pos;
        }
        const char* first = m_text.data() + start;
        const char* last = m_text.data() + m_pos;
        const auto [end, error] = std::from_chars(first, last, token.Float);
        if (error != std::errc() || end != last) Fail(m_line, "Number out of range");
        token.Kind = TFormTokenKind::Float;
    } else {
        if (overflow || magnitude > kMaxMagnitude + (negative ? 1 : 0)) Fail(m_line, "Number out of range");
        // Negating the magnitude in unsigned arithmetic keeps INT64_MIN exact.
        token.Integer = std::int64_t(negative ? 0 - magnitude : magnitude);
        token.Kind = TFormTokenKind::Integer;
    }
    if (IsIdentChar(At()) || At() == '.') Fail(m_line, "Invalid number");
    return token;
}

TFormToken TFormDescriptionLexer::LexString()
{
    TFormToken token;
    token.Line = m_line;
    token.Kind = TFormTokenKind::String;
    while (At() == '\'' || At() == '#') {
        if (At() == '\'') {
            LexQuoted(token.Text);
        } else {
            LexCodePoint(token.Text);
        }
    }
    if (!Utf8::IsValid(token.Text)) Fail(token.Line, "Invalid UTF-8 in a string");
    return token;
}

void TFormDescriptionLexer::LexQuoted(std::string& out)
{
    const int line = m_line;
    ++m_pos;
    for (;;) {
        if (AtEnd() || At() == '\n' || At() == '\r') Fail(line, "Unterminated string");
        if (At() == '\'') {
            if (At(1) != '\'') break;
            ++m_pos;
        }
        out += At();
        ++m_pos;
    }
    ++m_pos;
}

void TFormDescriptionLexer::LexCodePoint(std::string& out)
{
    ++m_pos;
    char32_t value = 0;
    int digits = 0;
    while (IsDigit(At())) {
        if (++digits > kMaxCodePointDigits) Fail(m_line, "Character code out of range");
        value = value * 10 + char32_t(At() - '0');
        ++m_pos;
    }
    if (digits == 0) Fail(m_line, "Character code expected after '#'");
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) Fail(m_line, "Character code out of range");
    Utf8::AppendCodePoint(out, value);
}

std::vector<std::uint8_t> TFormDescriptionLexer::ReadBinary()
{
    const int line = m_line;
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (;;) {
        if (AtEnd()) Fail(line, "Unterminated binary data");
        const char c = At();
        ++m_pos;
        if (c == '}') break;
        if (c == '\n') {
            ++m_line;
        } else if (IsHexDigit(c)) {
            if (high < 0) {
                high = HexValue(c);
            } else {
                bytes.push_back(std::uint8_t(high * 16 + HexValue(c)));
                high = -1;
            }
        } else if (c != ' ' && c != '\t' && c != '\r') {
            Fail(m_line, "Unexpected " + DescribeChar(c) + " in binary data");
        }
    }
    if (high >= 0) Fail(line, "Binary data has an odd number of hex digits");
    return bytes;
}
