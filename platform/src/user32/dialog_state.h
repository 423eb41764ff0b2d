// Internal: the "#32770" dialog window class and what each dialog keeps (its procedure, default
// button, base units and result). Message boxes and template dialogs share it.
#pragma once

#include "user32/dialog_units.h"
#include "windows.h"

namespace vks::detail {

// Registers "#32770" once, with plain "Static" and "Button" classes where none exist yet; an
// existing class of any of these names is kept.
void registerDialogClass();

// Makes hwnd a dialog with this procedure and these base units (pixels per 4 x 8 units).
void attachDialog(HWND dialog, DLGPROC proc, BaseUnits units);
bool isDialog(HWND dialog);
BaseUnits dialogBaseUnits(HWND dialog);
// Records the result once; false for a window that is no dialog.
bool endDialog(HWND dialog, INT_PTR result);
// The result EndDialog recorded, or nothing while the dialog runs.
bool dialogEnded(HWND dialog, INT_PTR &result);
// Forgets the dialog's state once its window is gone.
void forgetDialog(HWND dialog);
// The control that had the focus when the dialog was last deactivated (null: none), which its
// next activation gives the focus back to.
HWND savedFocus(HWND dialog);
void saveFocus(HWND dialog, HWND control);

}  // namespace vks::detail
