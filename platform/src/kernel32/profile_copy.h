// Internal: how the profile calls fill the caller's buffer.
#pragma once

#include <string_view>
#include <vector>

#include "windows.h"

namespace vks::detail {

// Copies `text` cut to `size` − 1 characters and NUL-terminated; returns the characters
// copied. Nothing is written when `size` is 0.
DWORD copyProfileText(std::string_view text, LPSTR buffer, DWORD size);

// Copies `names`, each NUL-terminated, then one more NUL; returns the characters copied without
// that last NUL. A list that does not fit is cut to `size` − 2 characters and ended by two NULs,
// and `size` − 2 is returned.
DWORD copyProfileList(const std::vector<std::string_view> &names, LPSTR buffer, DWORD size);

}  // namespace vks::detail
