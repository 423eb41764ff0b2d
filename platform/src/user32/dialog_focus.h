// Internal: how the dialog manager moves the focus among a dialog's controls, keeps it over
// deactivation, and shows which push button Enter would press.
#pragma once

#include "windows.h"

namespace vks::detail {

// The control's WM_GETDLGCODE answer for the key (0: none) and message (null: none).
LRESULT askDialogCode(HWND control, WPARAM key = 0, const MSG *msg = nullptr);
bool isPushButtonCode(LRESULT code);
// The dialog's direct child with this identifier, or null; no error is set.
HWND dialogChildById(HWND dialog, int id);

// Focuses a control as the dialog manager does: an edit's whole text is selected first.
void focusDialogControl(HWND control);
// The first control the dialog's focus goes to: the first tab stop, else the first visible,
// enabled control; null when there is none.
HWND firstDialogControl(HWND dialog);
// DM_SETDEFID's change of look: the old default button looks plain, the new one default.
void showDefaultId(HWND dialog, int previousId, int newId);

// The dialog's defaults for WM_ACTIVATE, WM_SETFOCUS and WM_NEXTDLGCTL.
LRESULT dialogActivated(HWND dialog, WPARAM wParam);
LRESULT dialogFocused(HWND dialog);
LRESULT nextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam);

}  // namespace vks::detail
