#pragma once
// Character classes of the text controls: where rows may break and what
// makes a word for word-wise moves and double-click selection.

// Blanks separate words and hang at a row's end.
[[nodiscard]] constexpr bool IsEditBlank(char32_t cp) { return cp == U' ' || cp == U'\t' || cp == 0x3000; }

// Scripts written without blanks (Chinese, Japanese, Korean, full-width
// forms): a row may break before or after any of their characters.
[[nodiscard]] constexpr bool IsWideChar(char32_t cp)
{
    return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFFEF) || (cp >= 0x20000 && cp <= 0x3FFFF);
}

// What a word-wise move steps over at once: a run of one class.
enum class TCharClass { Blank, Word, Wide, Punctuation };

[[nodiscard]] constexpr TCharClass CharClassOf(char32_t cp)
{
    if (IsEditBlank(cp)) return TCharClass::Blank;
    if (IsWideChar(cp)) return TCharClass::Wide;
    const bool asciiWord = (cp >= U'0' && cp <= U'9') || (cp >= U'A' && cp <= U'Z') || (cp >= U'a' && cp <= U'z') ||
                           cp == U'_';
    if (asciiWord || cp >= 0x80) return TCharClass::Word;
    return TCharClass::Punctuation;
}
