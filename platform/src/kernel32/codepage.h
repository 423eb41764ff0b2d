// Internal: the process's ANSI code page and conversions between it and UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

// The current ANSI code page (GetACP).
UINT ansiCodePage();

// The host converter's name for `codePage` (CP_ACP: the ANSI code page), or null when the
// platform does not know it.
const char *charsetOfCodePage(UINT codePage);

// Whether `byte` begins a double-byte character in `codePage` (CP_ACP: the ANSI code page).
bool isLeadByte(UINT codePage, unsigned char byte);

// UTF-8 text in the ANSI code page; characters it cannot hold, and malformed input, become
// `replacement`.
std::string utf8ToAnsi(std::string_view utf8, char replacement = '?');

// ANSI text in UTF-8; malformed bytes become '?'.
std::string ansiToUtf8(std::string_view ansi);

// The longest prefix of `ansi`, at most `maxBytes` long, that ends on a character boundary, so
// that a double-byte character is never cut in two.
std::size_t wholeCharacterPrefix(std::string_view ansi, std::size_t maxBytes);

}  // namespace vks::detail
