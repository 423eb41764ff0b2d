// Internal: what each registry handle names.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

// A key by its root's name and the names below it, as stored when the handle was opened.
struct KeyLocation {
    std::string root;
    std::vector<std::string> path;
};

// The location behind a predefined key or an open handle; false for any other value.
bool keyLocationOf(HKEY key, KeyLocation &location);

// A new handle for `location`.
HKEY openKeyHandle(const KeyLocation &location);

// Closes an open handle; true for a predefined key too, false for no handle at all.
bool closeKeyHandle(HKEY key);

bool isPredefinedKey(HKEY key);

}  // namespace vks::detail
