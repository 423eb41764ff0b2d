// Internal: making a dialog from template bytes or from a module's RT_DIALOG resource.
#pragma once

#include <cstddef>

#include "windows.h"

namespace vks::detail {

HWND createDialogFromTemplate(HINSTANCE instance, const void *bytes, std::size_t size,
                              HWND owner, DLGPROC proc, LPARAM param);
HWND createDialogFromResource(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc,
                              LPARAM param);

}  // namespace vks::detail
