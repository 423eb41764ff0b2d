// Internal: how the profile calls fill the caller's buffer.
#pragma once

#include <string_view>

#include "windows.h"

namespace vks::detail {

// Copies `text` cut to `size` − 1 characters and NUL-terminated; returns the characters
// copied. Nothing is written when `size` is 0.
DWORD copyProfileText(std::string_view text, LPSTR buffer, DWORD size);

// Copies a value as read from the file, `raw` being its text with the blanks around it removed.
// Like Windows, the value is cut to `size` − 1 characters before its quotes come off: the
// opening quote of a quoted value is dropped, and the closing one when it was not cut away
// ("double" into 7 bytes gives `doubl`).
DWORD copyProfileValue(std::string_view raw, LPSTR buffer, DWORD size);

// Copies a list of names, each already followed by its NUL, then one more NUL; returns the
// characters copied without that last NUL. A list that does not fit is cut to `size` − 2
// characters and ended by two NULs, and `size` − 2 is returned.
DWORD copyProfileList(std::string_view names, LPSTR buffer, DWORD size);

}  // namespace vks::detail
