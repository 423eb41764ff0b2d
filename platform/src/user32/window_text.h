// Internal: a window's text as its record keeps it, for SetWindowTextA, GetWindowTextA and the
// default window procedure.
#pragma once

#include <optional>
#include <string>

#include "windows.h"

namespace vks::detail {

// Empty for a window that is gone.
std::optional<std::string> storedText(HWND hwnd);
// False for a window that is gone; null stores "".
bool storeText(HWND hwnd, LPCSTR text);
// Copies at most size - 1 bytes and a NUL; the count copied.
int copyText(const std::string &text, LPSTR buffer, WPARAM size);

}  // namespace vks::detail
