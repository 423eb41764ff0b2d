// Internal: the modal run that every modal window of the system shares: dialog boxes, message
// boxes, property sheets and the file dialogs.
#pragma once

#include <functional>
#include <vector>

#include "windows.h"

namespace vks::detail {

// Disables those of `owners` that are enabled before `create` makes the window, so that its
// WM_INITDIALOG already sees them disabled; unless EndDialog ended it already, shows it (`show`,
// else SW_SHOWNORMAL) and runs the thread's messages until EndDialog ends it or it is gone;
// enables the owners again before the window goes, so that activation returns to them, and
// destroys it. EndDialog's result; 0 when the window went without one or WM_QUIT came (posted
// again for the outer loop); -1 when `create` made no window.
INT_PTR runModalWindow(const std::vector<HWND> &owners, const std::function<HWND()> &create,
                       const std::function<void(HWND)> &show = nullptr);

}  // namespace vks::detail
