// Internal: the text rules of INI lines, shared by the parser, the editor and the public calls.
#pragma once

#include <string_view>

namespace vks::detail {

// Blanks that surround names and values: space, tab, CR, vertical tab and form feed.
inline bool isIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

inline std::string_view trimTrailingIniBlanks(std::string_view text)
{
    while (!text.empty() && isIniBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline std::string_view trimIniBlanks(std::string_view text)
{
    while (!text.empty() && isIniBlank(text.front()))
        text.remove_prefix(1);
    return trimTrailingIniBlanks(text);
}

// The value as read: blanks removed, then one matching pair of "..." or '...' around it.
std::string_view unquoteIniValue(std::string_view rawValue);

// Section and key names compare without regard to the case of ASCII letters; the second byte of
// a double-byte character (in the ANSI code page) compares exactly.
bool iniNamesEqual(std::string_view a, std::string_view b);

}  // namespace vks::detail
