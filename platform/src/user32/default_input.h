// Internal: DefWindowProcA's answers to the mouse and help messages.
#pragma once

#include "windows.h"

namespace vks::detail {

// HTCLIENT inside the window (which has no frame here), HTNOWHERE outside.
LRESULT defaultHitTest(HWND hwnd, LPARAM screenPoint);
// A child asks its parent first (a TRUE answer ends it); then HTCLIENT sets the class cursor,
// HTERROR with a button press beeps, anything else sets the arrow.
LRESULT defaultSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
// A child asks its parent first; then MA_ACTIVATE (MA_NOACTIVATE on the caption).
LRESULT defaultMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
// Sends the window WM_CONTEXTMENU at the release's screen point.
LRESULT defaultRightButtonUp(HWND hwnd, LPARAM clientPoint);
// A child passes it to its parent.
LRESULT defaultContextMenu(HWND hwnd, WPARAM wParam, LPARAM lParam);
// F1: WM_HELP to the window itself, naming it, with the cursor's position.
LRESULT defaultKeyF1(HWND hwnd);
// A child passes WM_HELP to its parent, a top-level window to its owner.
LRESULT defaultHelp(HWND hwnd, WPARAM wParam, LPARAM lParam);

}  // namespace vks::detail
