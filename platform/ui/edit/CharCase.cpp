#include "platform/ui/edit/CharCase.h"

#include "platform/core/Utf8.h"

namespace {

// A block whose capitals and small letters lie at a fixed distance.
struct TCaseRange {
    char32_t UpperFirst;
    char32_t UpperLast;
    int Delta;  // small letter minus capital
};

constexpr TCaseRange kRanges[] = {
    {U'A', U'Z', 32},        // ASCII
    {0x00C0, 0x00D6, 32},    // Latin-1 capitals before the multiplication sign
    {0x00D8, 0x00DE, 32},    // and after it
    {0x0391, 0x03A1, 32},    // Greek, before the gap at U+03A2
    {0x03A3, 0x03AB, 32},
    {0x0410, 0x042F, 32},    // Cyrillic basic
    {0x0400, 0x040F, 80},    // Cyrillic with marks
    {0xFF21, 0xFF3A, 32},    // full-width Latin
};

// Latin Extended-A pairs capitals and small letters side by side: even
// capitals in U+0100..U+0137 and U+014A..U+0177, odd ones in U+0139..U+0148
// and U+0179..U+017E. U+0130, U+0131, U+0138 and U+0149 have no simple pair.
bool IsPairedUpper(char32_t cp)
{
    if ((cp >= 0x0100 && cp <= 0x0137) || (cp >= 0x014A && cp <= 0x0177)) return cp % 2 == 0 && cp != 0x0130;
    if ((cp >= 0x0139 && cp <= 0x0148) || (cp >= 0x0179 && cp <= 0x017E)) return cp % 2 == 1;
    return false;
}

bool IsPairedLower(char32_t cp)
{
    return cp > 0 && IsPairedUpper(cp - 1);
}

constexpr char32_t kCapitalYDiaeresis = 0x0178;
constexpr char32_t kSmallYDiaeresis = 0x00FF;
constexpr char32_t kFinalSigma = 0x03C2;
constexpr char32_t kCapitalSigma = 0x03A3;

}  // namespace

char32_t UpperCaseOf(char32_t cp)
{
    for (const TCaseRange& r : kRanges) {
        const char32_t first = r.UpperFirst + char32_t(r.Delta);
        const char32_t last = r.UpperLast + char32_t(r.Delta);
        if (cp >= first && cp <= last) return cp - char32_t(r.Delta);
    }
    if (IsPairedLower(cp)) return cp - 1;
    if (cp == kSmallYDiaeresis) return kCapitalYDiaeresis;
    if (cp == kFinalSigma) return kCapitalSigma;
    return cp;
}

char32_t LowerCaseOf(char32_t cp)
{
    for (const TCaseRange& r : kRanges) {
        if (cp >= r.UpperFirst && cp <= r.UpperLast) return cp + char32_t(r.Delta);
    }
    if (IsPairedUpper(cp)) return cp + 1;
    if (cp == kCapitalYDiaeresis) return kSmallYDiaeresis;
    return cp;
}

char32_t FoldCase(char32_t cp, TEditCharCase charCase)
{
    switch (charCase) {
    case ecUpperCase: return UpperCaseOf(cp);
    case ecLowerCase: return LowerCaseOf(cp);
    case ecNormal: break;
    }
    return cp;
}

std::string FoldCase(std::string_view text, TEditCharCase charCase)
{
    if (charCase == ecNormal) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (const char32_t cp : Utf8::DecodeAll(text)) Utf8::AppendCodePoint(out, FoldCase(cp, charCase));
    return out;
}

bool IsLetterChar(char32_t cp)
{
    if (UpperCaseOf(cp) != cp || LowerCaseOf(cp) != cp) return true;
    const bool caselessLatin = cp == 0x00DF || cp == 0x0130 || cp == 0x0131 || cp == 0x0138 || cp == 0x0149 || cp == 0x00AA || cp == 0x00BA;
    const bool ideograph = (cp >= 0x3400 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                           (cp >= 0x20000 && cp <= 0x3FFFF);
    const bool kanaOrHangul = (cp >= 0x3041 && cp <= 0x30FF) || (cp >= 0xAC00 && cp <= 0xD7A3);
    return caselessLatin || ideograph || kanaOrHangul;
}
