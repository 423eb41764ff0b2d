// UTF-16 text in the ANSI code page.
#include "kernel32/wide_text.h"

#include "kernel32/codepage.h"

namespace vks::detail {
namespace {

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    const int continuationBytes = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
    static const unsigned char kFirstByteMarks[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kFirstByteMarks[continuationBytes] |
                             (codePoint >> (6 * continuationBytes)));
    for (int shift = 6 * (continuationBytes - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

// The code point of the UTF-8 sequence at `pos`, advancing `pos`; malformed bytes give '?'.
char32_t nextCodePoint(std::string_view utf8, std::size_t &pos)
{
    auto lead = static_cast<unsigned char>(utf8[pos++]);
    std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (lead >= 0x80 && extra == 0)
        return U'?';
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (std::size_t i = 0; i < extra; ++i) {
        if (pos >= utf8.size() || (static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80)
            return U'?';
        c = c << 6 | (static_cast<unsigned char>(utf8[pos++]) & 0x3F);
    }
    return c;
}

// A character outside the basic plane is converted on its own, so that a code page without it
// can be told from one that holds it.
std::string ansiFromSurrogatePair(char32_t codePoint)
{
    std::string utf8;
    appendUtf8(utf8, codePoint);
    std::string ansi = utf8ToAnsi(utf8);
    return ansi == "?" ? "??" : ansi;
}

}  // namespace

std::string ansiFromUtf16(const WCHAR *units, std::size_t count)
{
    std::string ansi;
    std::string pendingUtf8;  // a run of basic-plane characters, converted in one go
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t unit = units[i];
        if (isHighSurrogate(unit) && i + 1 < count && isLowSurrogate(units[i + 1])) {
            ansi += utf8ToAnsi(pendingUtf8);
            pendingUtf8.clear();
            ansi += ansiFromSurrogatePair(0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
        } else {
            appendUtf8(pendingUtf8, isHighSurrogate(unit) || isLowSurrogate(unit) ? U'?' : unit);
        }
    }
    return ansi += utf8ToAnsi(pendingUtf8);
}

std::u16string utf16FromAnsi(std::string_view ansi)
{
    const std::string utf8 = ansiToUtf8(ansi);
    std::u16string units;
    units.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, pos);
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    return units;
}

std::size_t utf16Length(const WCHAR *units, std::size_t limit)
{
    std::size_t length = 0;
    while (length < limit && units[length] != 0)
        ++length;
    return length;
}

}  // namespace vks::detail
