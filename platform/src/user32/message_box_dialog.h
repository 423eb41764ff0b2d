// Internal: the window of a message box, a "#32770" dialog with its text and buttons.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

// The buttons of a button style (MB_OK to MB_RETRYCANCEL), left to right; empty for others.
std::vector<int> messageBoxButtons(UINT type);

// Creates the hidden box; null when it cannot be made.
HWND createMessageBoxWindow(HWND owner, const std::string &text, const std::string &caption,
                            UINT type);
// Forgets the box's state once its window is gone.
void forgetMessageBox(HWND box);

}  // namespace vks::detail
