// Internal: what the window-state calls share with the rest of the window manager.
#pragma once

#include "windows.h"

namespace vks::detail {

// The headless screen, which a maximised top-level window covers, and the size of a minimised
// window.
constexpr RECT kScreenRect{0, 0, 1024, 768};
constexpr LONG kMinimizedWidth = 160;
constexpr LONG kMinimizedHeight = 28;

// DefWindowProcA's answer to WM_SYSCOMMAND: carries out minimise, maximise, restore and close.
LRESULT defaultSysCommand(HWND hwnd, WPARAM command);

// Makes hwnd the active window of its thread: the old one gets WM_ACTIVATE with WA_INACTIVE,
// then hwnd gets it with `state` (WA_ACTIVE, or WA_CLICKACTIVE for a mouse click), each naming
// the other.
void activateWindow(HWND hwnd, WORD state = WA_ACTIVE);
// When hwnd is its thread's active window, activation passes to its owner if that is visible and
// enabled, else to no window.
void passActivationFrom(HWND hwnd);

}  // namespace vks::detail
