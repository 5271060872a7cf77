#pragma once
// Letter case of the text controls: the CharCase property's values and the
// simple one-to-one case mappings it folds typed and set text with. Only
// mappings that keep one code point for one are made: ASCII, Latin-1,
// Latin Extended-A, Greek, Cyrillic and the full-width Latin letters. Any
// other code point (Chinese characters, digits, signs, letters whose case
// change would take two code points such as U+00DF) stays as it is.

#include "platform/core/EnumInfo.h"

#include <string>
#include <string_view>

QZ_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)

[[nodiscard]] char32_t UpperCaseOf(char32_t cp);
[[nodiscard]] char32_t LowerCaseOf(char32_t cp);
[[nodiscard]] char32_t FoldCase(char32_t cp, TEditCharCase charCase);
// Every code point of UTF-8 text folded; ecNormal returns text unchanged.
[[nodiscard]] std::string FoldCase(std::string_view text, TEditCharCase charCase);
// A letter as the mask language counts it: any code point with a case
// mapping above, the case-less Latin-1 letters, and the Chinese, Japanese
// and Korean ideographs and syllables.
[[nodiscard]] bool IsLetterChar(char32_t cp);
