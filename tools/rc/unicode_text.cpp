#include "unicode_text.h"

namespace vksrc {

namespace {

int continuationCount(unsigned char lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

}  // namespace

bool isValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int extra = continuationCount(lead);
        if (extra < 0 || text.size() - at <= static_cast<std::size_t>(extra))
            return extra == 0;
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int i = 1; i <= extra; ++i) {
            const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        at += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

char32_t nextCodePoint(std::string_view text, std::size_t &at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const int extra = continuationCount(lead);
    if (extra <= 0) {
        ++at;
        return lead;
    }
    char32_t code = lead & (0x3F >> extra);
    for (int i = 1; i <= extra && at + 1 < text.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[++at]) & 0x3F);
    ++at;
    return code;
}

void appendUtf16(std::u16string &out, char32_t codePoint)
{
    if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(codePoint));
    }
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    const int extra = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
    static const unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMarks[extra] | (codePoint >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

std::u16string utf16(std::string_view utf8Text)
{
    std::u16string out;
    for (std::size_t at = 0; at < utf8Text.size();)
        appendUtf16(out, nextCodePoint(utf8Text, at));
    return out;
}

std::string utf8(std::u16string_view units)
{
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t code = units[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        appendUtf8(out, code);
    }
    return out;
}

}  // namespace vksrc
