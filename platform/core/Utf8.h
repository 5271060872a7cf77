#pragma once
// UTF-8 helpers. Every string in the program is a std::string of UTF-8; where
// text is counted (carets, truncation) it is counted in code points and never
// split inside one. Invalid bytes decode as U+FFFD one byte at a time, so any
// byte string can be walked, and no helper reads past the end.

#include <cstddef>
#include <string>
#include <string_view>

namespace Utf8 {

constexpr char32_t kReplacement = 0xFFFD;

struct CodePoint {
    char32_t Value = 0;
    std::size_t Size = 0;  // bytes taken; 0 only at the end of the text
    bool Valid = false;    // false for an invalid byte (Value is U+FFFD) and at the end
};

// The code point starting at byte offset. Overlong forms, surrogates, values
// above U+10FFFF and truncated sequences are invalid and take one byte.
[[nodiscard]] CodePoint DecodeNext(std::string_view text, std::size_t offset);
// Every code point of text, an invalid byte giving its DecodeNext value.
[[nodiscard]] std::u32string DecodeAll(std::string_view text);

// Appends the encoding of cp; surrogates and values above U+10FFFF append U+FFFD.
void AppendCodePoint(std::string& out, char32_t cp);
[[nodiscard]] std::string Encode(char32_t cp);

// The number of code points (each invalid byte counts as one).
[[nodiscard]] std::size_t Length(std::string_view text);
// Byte offset of the code point with the given index; text.size() past the end.
[[nodiscard]] std::size_t OffsetOf(std::string_view text, std::size_t index);

// The start of the code point that holds byte offset (offset itself when it
// already is a boundary). Offsets past the end give text.size().
[[nodiscard]] std::size_t StartOfChar(std::string_view text, std::size_t offset);
// The first boundary after offset, or text.size().
[[nodiscard]] std::size_t NextBoundary(std::string_view text, std::size_t offset);
// The last boundary before offset, or 0.
[[nodiscard]] std::size_t PrevBoundary(std::string_view text, std::size_t offset);

// The first count code points.
[[nodiscard]] std::string Truncate(std::string_view text, std::size_t count);

[[nodiscard]] bool IsValid(std::string_view text);
// A copy in which every invalid byte is replaced by U+FFFD.
[[nodiscard]] std::string Sanitize(std::string_view text);

}  // namespace Utf8
