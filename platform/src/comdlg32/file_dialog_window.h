// Internal: the explorer-style file dialog's windows: the main "#32770" dialog with its
// standard controls, the hook dialog inside it, and what OK does.
#pragma once

#include <string>

#include "windows.h"
#include "commdlg.h"

namespace vks::detail {

// What one running file dialog keeps, from its creation to its end.
struct FileDialogRun {
    OPENFILENAMEA *record = nullptr;
    bool save = false;
    std::string folder;
    std::string patterns;
    HWND hook = nullptr;
    bool readOnly = false;
    DWORD error = 0;
};

// Creates the hidden main dialog and its standard controls, and the hook dialog when the
// record asks for one; null with run.error set when it cannot be made.
HWND createFileDialog(FileDialogRun &run);
// Shows the hook dialog, then tells the hook the dialog is ready, then shows the main dialog.
void showFileDialog(HWND dialog, FileDialogRun &run);
// Types `name` into the file-name field.
void typeFileName(HWND dialog, const char *name);
void forgetFileDialog(HWND dialog);

}  // namespace vks::detail
