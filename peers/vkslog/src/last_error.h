// The stand-in's last error: one per thread, set by every entry that fails.
#pragma once

#include "windows.h"

namespace vkslog {

// Records `code` for VKSGetLastError and as the thread's Win32 last error; returns 0 (FALSE) so
// that an entry can `return fail(code);`.
int fail(DWORD code);
DWORD lastError();

}  // namespace vkslog
