// Internal: NUL-terminated text in fixed character arrays, never written past their size.
#pragma once

#include <cstddef>

namespace vks::detail {

// Appends as much of `text` as fits after the text already in `buffer` (of `size` bytes, NUL
// included), never splitting a double-byte character; the result stays NUL-terminated.
void appendText(char *buffer, std::size_t size, char const *text);

// Appends a decimal number, two digits at least when `twoDigits` is set.
void appendNumber(char *buffer, std::size_t size, unsigned int value, bool twoDigits);

// Removes a lead byte left without its trail byte at the end of the text (a cut value).
void dropBrokenLastCharacter(char *text);

// The byte length of the character that starts at `text`: 2 for a lead byte followed by a
// trail, else 1 (0 at the terminator).
std::size_t characterLength(char const *text);

}  // namespace vks::detail
