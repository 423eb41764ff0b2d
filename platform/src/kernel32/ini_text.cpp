// Blanks, quotes and name comparison of INI text.
#include "kernel32/ini_text.h"

#include "windows.h"

namespace vks::detail {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLeadByte(char c)
{
    // Every lead byte of a double-byte code page lies above 0x7f, so ASCII text never asks.
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && IsDBCSLeadByte(byte);
}

}  // namespace

bool isIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimTrailingIniBlanks(std::string_view text)
{
    while (!text.empty() && isIniBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trimIniBlanks(std::string_view text)
{
    while (!text.empty() && isIniBlank(text.front()))
        text.remove_prefix(1);
    return trimTrailingIniBlanks(text);
}

std::string_view unquoteIniValue(std::string_view rawValue)
{
    std::string_view value = trimIniBlanks(rawValue);
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                  value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

bool iniNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(a[i])) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1]))
                return false;
            ++i;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace vks::detail
