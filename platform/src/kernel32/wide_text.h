// Internal: UTF-16 text (WCHAR) in the ANSI code page, for the formatting functions.
#pragma once

#include <cstddef>
#include <string>

#include "windows.h"

namespace vks::detail {

// The ANSI text of `count` UTF-16 units. As on Windows, each unit of a character the code page
// cannot hold becomes one '?', so an unrepresentable surrogate pair gives "??"; a lone surrogate
// gives '?'.
std::string ansiFromUtf16(const WCHAR *units, std::size_t count);

// The number of units before the first NUL, looking at no more than `limit` units.
std::size_t utf16Length(const WCHAR *units, std::size_t limit);

}  // namespace vks::detail
