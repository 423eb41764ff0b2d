// The operations TutDialog and TutPropertyPage share: the default-button look of push buttons,
// the repair of a lost focus, and the cursor while a dialog waits.
#pragma once

#include "windows.h"

namespace TutDialogParts {

// Gives a push-button child of `dialog` the default look when it has the focus, or when it is
// the dialog's default button and no other push button has the focus; the plain look
// otherwise. Other children are left alone.
void RepaintPushButton(HWND dialog, HWND button);
void RepaintPushButtons(HWND dialog);
// When `dialog` is active and the focus is nowhere or on a disabled window: focuses `control`
// and repaints the push buttons.
void ResetDisabledFocus(HWND dialog, HWND control);
// Moves the cursor onto its own place, so the window under it chooses its cursor now.
void RefreshCursor();
// The hourglass for a waiting dialog; a mouse button pressed on it activates it when it is not
// active, else beeps.
void ShowWaitCursor(HWND dialog, UINT message);

}  // namespace TutDialogParts
