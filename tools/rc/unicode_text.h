// UTF-8 and UTF-16 as the compiler handles them: scripts are read as UTF-8, resources hold UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace vksrc {

// Whether `text` is well-formed UTF-8: no overlong form, no surrogate, nothing past U+10FFFF.
bool isValidUtf8(std::string_view text);

// The code point that begins `text` at `at` (well-formed UTF-8), moving `at` past it.
char32_t nextCodePoint(std::string_view text, std::size_t &at);

void appendUtf16(std::u16string &out, char32_t codePoint);
void appendUtf8(std::string &out, char32_t codePoint);

// Well-formed UTF-8 as UTF-16.
std::u16string utf16(std::string_view utf8);

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8(std::u16string_view units);

}  // namespace vksrc
