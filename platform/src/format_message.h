// Internal: the insert expansion of FormatMessageA.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

// The pointer-sized argument of insert `number` (1 to 99).
using InsertArgument = std::function<DWORD_PTR(unsigned number)>;

// Expands `text` (ANSI): %1 to %99 with an optional !printf format! (a string by default),
// %n CR LF, %r CR, %t tab, %0 the end with nothing more, and %x for any other x the character
// itself ("%%", "%.", "%!", "% "). `maxWidth` is FormatMessage's width field: 0 keeps the text's
// own line breaks; otherwise they become blanks, and a width below 255 also wraps lines at a
// blank. False with ERROR_INVALID_PARAMETER for a lone '%' at the end, a format without its
// closing '!' or one that is not an integer or string format.
bool expandMessage(std::string_view text, const InsertArgument &argument, unsigned maxWidth,
                   std::string &out, DWORD &error);

// `text` with its line breaks and wrapping as `maxWidth` asks, without looking at inserts.
std::string applyWidth(std::string_view text, unsigned maxWidth);

}  // namespace vks::detail
