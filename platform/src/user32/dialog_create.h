// Internal: making a dialog from template bytes or from a module's RT_DIALOG resource.
#pragma once

#include <cstddef>

#include "user32/dialog_template_reader.h"
#include "windows.h"

namespace vks::detail {

HWND createDialogFromTemplate(HINSTANCE instance, const void *bytes, std::size_t size,
                              HWND owner, DLGPROC proc, LPARAM param);
// From a template already read (a property sheet adjusts its pages' styles first).
HWND createDialogFromParsed(HINSTANCE instance, const DialogTemplate &parsed, HWND owner,
                            DLGPROC proc, LPARAM param);
HWND createDialogFromResource(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc,
                              LPARAM param);

}  // namespace vks::detail
