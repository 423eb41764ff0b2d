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
    if (a == b)
        return true;
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
