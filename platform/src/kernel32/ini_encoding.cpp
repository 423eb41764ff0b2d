// UTF-16 INI files: the byte order mark, and conversion to and from the ANSI code page.
#include "kernel32/ini_encoding.h"

#include "kernel32/codepage.h"
#include "kernel32/wide_text.h"

namespace vks::detail {

namespace {

constexpr std::size_t kMarkSize = 2;

char32_t unitAt(std::string_view bytes, std::size_t pos, IniEncoding encoding)
{
    auto lo = static_cast<unsigned char>(bytes[pos + (encoding == IniEncoding::Utf16Le ? 0 : 1)]);
    auto hi = static_cast<unsigned char>(bytes[pos + (encoding == IniEncoding::Utf16Le ? 1 : 0)]);
    return static_cast<char32_t>(hi << 8 | lo);
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUnit(std::string &out, char32_t unit, IniEncoding encoding)
{
    char lo = static_cast<char>(unit & 0xFF), hi = static_cast<char>(unit >> 8);
    out += encoding == IniEncoding::Utf16Le ? lo : hi;
    out += encoding == IniEncoding::Utf16Le ? hi : lo;
}

}  // namespace

IniEncoding detectIniEncoding(std::string_view fileBytes)
{
    if (fileBytes.substr(0, kMarkSize) == "\xFF\xFE")
        return IniEncoding::Utf16Le;
    if (fileBytes.substr(0, kMarkSize) == "\xFE\xFF")
        return IniEncoding::Utf16Be;
    return IniEncoding::Ansi;
}

namespace {

// Calls `visit(fileOffset, ansi)` for each character of a UTF-16 file after its mark, with the
// character in the ANSI code page; returns where the last whole unit ends.
template <class Visit>
std::size_t forEachCharacter(std::string_view fileBytes, IniEncoding encoding, Visit visit)
{
    std::size_t pos = kMarkSize;
    std::string ansi;
    while (pos + 2 <= fileBytes.size()) {
        std::size_t start = pos;
        char32_t c = unitAt(fileBytes, pos, encoding);
        pos += 2;
        if (c >= 0xD800 && c < 0xDC00 && pos + 2 <= fileBytes.size()) {
            char32_t low = unitAt(fileBytes, pos, encoding);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                pos += 2;
            }
        }
        if (c >= 0xD800 && c < 0xE000)
            c = U'?';  // a lone surrogate is no character
        if (c < 0x80) {
            ansi.assign(1, static_cast<char>(c));
        } else {
            std::string utf8;
            appendUtf8(utf8, c);
            ansi = utf8ToAnsi(utf8);
        }
        visit(start, std::string_view(ansi));
    }
    return pos;
}

}  // namespace

std::string decodeUtf16(std::string_view fileBytes, IniEncoding encoding)
{
    std::string text;
    text.reserve(fileBytes.size() / 2);
    forEachCharacter(fileBytes, encoding,
                     [&](std::size_t, std::string_view ansi) { text += ansi; });
    return text;
}

std::vector<std::size_t> utf16FileOffsets(std::string_view fileBytes, IniEncoding encoding,
                                          const std::vector<std::size_t> &textOffsets)
{
    std::vector<std::size_t> offsets;
    offsets.reserve(textOffsets.size());
    std::size_t textPos = 0;
    auto wanted = textOffsets.begin();
    std::size_t end = forEachCharacter(fileBytes, encoding, [&](std::size_t start,
                                                                std::string_view ansi) {
        textPos += ansi.size();
        while (wanted != textOffsets.end() && *wanted < textPos) {
            offsets.push_back(start);
            ++wanted;
        }
    });
    // An odd last byte is no character; it stays in the file after everything the text covers.
    for (; wanted != textOffsets.end(); ++wanted)
        offsets.push_back(end);
    return offsets;
}

std::string encodeUtf16(std::string_view ansi, IniEncoding encoding)
{
    std::string out;
    out.reserve(ansi.size() * 2);
    for (char16_t unit : utf16FromAnsi(ansi))
        appendUnit(out, unit, encoding);
    return out;
}

bool survivesUtf16(std::string_view ansi)
{
    std::string file = "\xFF\xFE" + encodeUtf16(ansi, IniEncoding::Utf16Le);
    return decodeUtf16(file, IniEncoding::Utf16Le) == ansi;
}

}  // namespace vks::detail
