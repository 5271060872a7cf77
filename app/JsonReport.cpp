#include "app/JsonReport.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at text[i], or 0 when there is none:
// no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // bounds of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

std::string_view VerdictName(HeaderVerdict verdict)
{
    switch (verdict) {
    case HeaderVerdict::MayBeBound: return "may-be-bound";
    case HeaderVerdict::Failed: return "failed";
    case HeaderVerdict::Passed: return "passed";
    case HeaderVerdict::NotChecked: break;
    }
    return "not-checked";
}

std::string_view ErrorName(InputError error)
{
    switch (error) {
    case InputError::NotFound: return "not-found";
    case InputError::PermissionDenied: return "permission-denied";
    case InputError::IsDirectory: return "is-directory";
    case InputError::NotRegularFile: return "not-regular-file";
    case InputError::ReadFailed: return "read-failed";
    case InputError::OpenFailed: return "open-failed";
    case InputError::None: break;
    }
    return {};
}

std::string Hex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0xF];
    }
    return hex;
}

} // namespace

std::string JsonString(std::string_view text, bool* lossless)
{
    std::string out = "\"";
    bool exact = true;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) {
            out += "\\ufffd";
            exact = false;
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    if (lossless)
        *lossless = exact;
    return out + "\"";
}

std::string JsonReport(const std::string& path, const AnalysisReport& report, const ScanRequest& request)
{
    const FileScan& scan = report.Scan;
    const bool checked = request.Check == HeaderCheck::On;
    bool lossless = true;
    std::string json = "{\"path\":" + JsonString(path, &lossless);
    if (!lossless)
        json += ",\"path_hex\":\"" + Hex(path) + "\"";
    if (!report.Readable()) {
        json += ",\"length\":null,\"error\":\"" + std::string(ErrorName(scan.Error)) + "\",\"error_text\":"
            + JsonString(InputErrorText(scan.Error));
    } else {
        json += ",\"length\":" + std::to_string(scan.Length) + ",\"error\":null";
    }
    json += ",\"verdict\":\"" + std::string(VerdictName(report.Verdict)) + "\"";
    if (checked)
        json += ",\"headers\":" + std::to_string(scan.Headers);
    if (checked && request.Depth == ScanDepth::Thorough)
        json += ",\"missed\":" + std::to_string(scan.HiddenHeaders);
    if (checked && request.Offsets) {
        json += ",\"offsets\":[";
        for (std::size_t i = 0; i < scan.Offsets.size(); ++i) {
            const FoundHeader& h = scan.Offsets[i];
            json += (i ? ",{\"mz\":" : "{\"mz\":") + std::to_string(h.Mz) + ",\"pe\":" + std::to_string(h.Pe)
                + (h.Hidden ? ",\"missed\":true}" : ",\"missed\":false}");
        }
        json += "],\"unlisted\":" + std::to_string(scan.UnlistedHeaders);
    }
    return json + "}";
}
