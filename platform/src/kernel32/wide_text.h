// Internal: UTF-16 text (WCHAR) in the ANSI code page and back, for the formatting functions and
// dialog templates.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

// The ANSI text of `count` UTF-16 units. As on Windows, each unit of a character the code page
// cannot hold becomes one '?', so an unrepresentable surrogate pair gives "??"; a lone surrogate
// gives '?'.
std::string ansiFromUtf16(const WCHAR *units, std::size_t count);

// The UTF-16 units of ANSI text, a character outside the basic plane as its surrogate pair.
std::u16string utf16FromAnsi(std::string_view ansi);

// The number of units before the first NUL, looking at no more than `limit` units.
std::size_t utf16Length(const WCHAR *units, std::size_t limit);

}  // namespace vks::detail
