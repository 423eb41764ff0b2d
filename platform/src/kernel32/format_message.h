// Internal: the message expansion of FormatMessageA.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

// The pointer-sized argument at `position` (from 1) of the caller's array or va_list. Empty when
// the caller passed none, so that any insert fails.
using InsertArgument = std::function<DWORD_PTR(unsigned position)>;

struct ExpandOptions {
    bool ignoreInserts = false;  // %1 to %99 and %x for other x stay as written
    bool fromVaList = false;     // a '*' shifts the numbers of later inserts (see below)
    unsigned maxWidth = 0;       // FormatMessage's width field
};

// Expands the ANSI message `text` as FormatMessage does:
// - %1 to %99, with an optional !printf format! (a string by default; d i o u x X c s, and S C
//   or an l/w prefix for UTF-16 text and characters, converted to the ANSI code page);
// - %n CR LF, %r CR, %t tab, %0 the end; %x for any other x is x itself ("%%", "%.", "%!", "% ");
//   with `ignoreInserts` only %n, %r, %t and %0 act;
// - a CR LF, a lone CR or a lone LF of the text is CR LF, or a blank when `maxWidth` is set;
//   a width below 255 then wraps the lines (wrapMessageLines).
// A '*' width or precision takes the argument at the insert's own position, and each further
// value the one after the highest position read so far, as Windows does; so an insert used twice
// reads new arguments the second time. With a va_list, each earlier starred insert with a lower
// number moves an insert one position further. False with ERROR_INVALID_PARAMETER for a lone '%'
// at the end, a format without its closing '!', one this language does not know, a field wider
// than 4096, or an insert without arguments.
bool expandMessage(std::string_view text, const InsertArgument &argument, const ExpandOptions &options,
                   std::string &out, DWORD &error);

// Breaks each line of `text` (lines end at CR or LF) that reaches `width` characters: at its
// last blank, whose run of blanks is dropped, or after `width` characters when it has none.
std::string wrapMessageLines(std::string_view text, unsigned width);

}  // namespace vks::detail
