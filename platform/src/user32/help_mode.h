// Internal: requests for help: F1, and the caption's help button, whose mode turns the next
// click on a control into WM_HELP for that control.
#pragma once

#include "windows.h"

namespace vks::detail {

// Sends WM_HELP to `window` for the item `item` (a window), with the mouse at `mouse`.
void sendHelpRequest(HWND window, HWND item, POINT mouse);

// WM_SYSCOMMAND SC_CONTEXTHELP: the calling thread's next click asks for help instead.
void enterHelpMode(HWND top);
bool inHelpMode();
// Takes the mouse message when help mode is on (or the release of the click that ended it):
// a left click on the window or one of its children sends that window WM_HELP, any other
// press leaves the mode. True when the message was taken.
bool helpModeTakesMouse(UINT message, POINT screen);
// Escape leaves help mode; true when the key was taken.
bool helpModeTakesKey(const MSG &msg);

}  // namespace vks::detail
