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

// The focus of hwnd's thread moves to hwnd (or none) without activating anything: WM_KILLFOCUS to
// the old window, then WM_SETFOCUS to the new, each naming the other. Returns the previous focus.
HWND moveFocus(DWORD threadId, HWND hwnd);
// The thread's focus window, or null when it has none or it is gone.
HWND focusOfThread(DWORD threadId);
// Before hwnd is hidden or destroyed: a focus on hwnd itself (or, when it is destroyed, anywhere
// below it) goes to its parent, or to no window for a top-level one.
void releaseFocusFrom(HWND hwnd, bool withDescendants);

// The top-level window hwnd belongs to (hwnd itself when it is top-level); null for no window.
HWND rootOf(HWND hwnd);

// DefWindowProcA's answers for the messages of this area.
LRESULT defaultActivate(HWND hwnd, WPARAM wParam);
LRESULT defaultWindowPosChanged(HWND hwnd, const WINDOWPOS *pos);

}  // namespace vks::detail
