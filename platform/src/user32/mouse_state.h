// Internal: the mouse as the window manager sees it: where the cursor is, which window a point
// belongs to, the capture, and the pressed buttons.
#pragma once

#include <optional>

#include "windows.h"

namespace vks::detail {

POINT cursorPosition();
// Moves the cursor without any message; the point is kept on the screen.
POINT placeCursor(POINT screen);

// The calling thread's capture window, or null.
HWND captureWindow();
// Gives the calling thread's capture to hwnd (null: to none); returns the previous holder.
HWND exchangeCapture(HWND hwnd);

// Where a mouse message at a screen point goes: the window, its top-level window and the
// WM_NCHITTEST answer (HTERROR for a disabled top-level window, which is not asked).
struct MouseTarget {
    HWND hwnd;
    HWND top;
    LRESULT hit;
};
// Empty when no window of the calling thread is at the point and none has the capture.
std::optional<MouseTarget> mouseTargetAt(POINT screen);

// The deepest visible window at the screen point within top, disabled ones included (help mode
// names them too); top itself when no child is there, null when the point is outside it.
HWND windowAtForHelp(HWND top, POINT screen);

// The window's client coordinates of a screen point.
POINT screenToClientPoint(HWND hwnd, POINT screen);

// Sends WM_SETCURSOR naming `message` (unless the mouse is captured), then posts `message` in
// the target's client coordinates, unless the hit is HTERROR.
void deliverMouseMessage(const MouseTarget &target, UINT message, POINT screen);

// WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN.
bool isButtonPress(UINT message);

// The MK_* state of the buttons after `message` (a button message) or as it is (other messages).
WPARAM buttonStateAfter(UINT message);

}  // namespace vks::detail
