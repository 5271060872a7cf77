#include "platform/core/Utf8.h"

#include <algorithm>

namespace Utf8 {

namespace {

constexpr CodePoint kInvalidByte{kReplacement, 1, false};

constexpr bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
constexpr bool IsSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

}  // namespace

CodePoint DecodeNext(std::string_view text, std::size_t offset)
{
    if (offset >= text.size()) return {};
    const auto lead = static_cast<unsigned char>(text[offset]);
    if (lead < 0x80) return {lead, 1, true};

    // C0 and C1 could only start overlong two-byte forms; F5..FF lie beyond U+10FFFF.
    std::size_t size = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        cp = lead & 0x07;
    } else {
        return kInvalidByte;
    }
    if (text.size() - offset < size) return kInvalidByte;
    for (std::size_t i = 1; i < size; ++i) {
        const auto b = static_cast<unsigned char>(text[offset + i]);
        if (!IsContinuation(b)) return kInvalidByte;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool overlong = (size == 3 && cp < 0x800) || (size == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || IsSurrogate(cp)) return kInvalidByte;
    return {cp, size, true};
}

void AppendCodePoint(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || IsSurrogate(cp)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::u32string DecodeAll(std::string_view text)
{
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint cp = DecodeNext(text, at);
        out += cp.Value;
        at += cp.Size;
    }
    return out;
}

std::string Encode(char32_t cp)
{
    std::string out;
    AppendCodePoint(out, cp);
    return out;
}

std::size_t Length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += DecodeNext(text, offset).Size) ++count;
    return count;
}

std::size_t OffsetOf(std::string_view text, std::size_t index)
{
    std::size_t offset = 0;
    for (; index > 0 && offset < text.size(); --index) offset += DecodeNext(text, offset).Size;
    return offset;
}

std::size_t StartOfChar(std::string_view text, std::size_t offset)
{
    if (offset >= text.size()) return text.size();
    if (!IsContinuation(static_cast<unsigned char>(text[offset]))) return offset;
    // Walk back over at most three continuation bytes to a lead byte whose
    // sequence is valid and reaches offset. Decoding from the start of the
    // text lands on that lead byte too, since it cannot lie inside another
    // valid sequence.
    const std::size_t maxBack = std::min<std::size_t>(offset, 3);
    for (std::size_t back = 1; back <= maxBack; ++back) {
        if (IsContinuation(static_cast<unsigned char>(text[offset - back]))) continue;
        return DecodeNext(text, offset - back).Size > back ? offset - back : offset;
    }
    return offset;
}

std::size_t NextBoundary(std::string_view text, std::size_t offset)
{
    if (offset >= text.size()) return text.size();
    const std::size_t start = StartOfChar(text, offset);
    return start + DecodeNext(text, start).Size;
}

std::size_t PrevBoundary(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    return offset == 0 ? 0 : StartOfChar(text, offset - 1);
}

std::string Truncate(std::string_view text, std::size_t count)
{
    return std::string(text.substr(0, OffsetOf(text, count)));
}

bool IsValid(std::string_view text)
{
    for (std::size_t offset = 0; offset < text.size();) {
        const CodePoint cp = DecodeNext(text, offset);
        if (!cp.Valid) return false;
        offset += cp.Size;
    }
    return true;
}

std::string Sanitize(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const CodePoint cp = DecodeNext(text, offset);
        if (cp.Valid)
            out.append(text.substr(offset, cp.Size));
        else
            AppendCodePoint(out, kReplacement);
        offset += cp.Size;
    }
    return out;
}

}  // namespace Utf8
