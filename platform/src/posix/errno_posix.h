// The Win32 last-error code for a POSIX errno value.
#pragma once

#include "windows.h"

namespace vks::detail::posix {

// `fallback` answers an errno that has no closer Win32 meaning.
DWORD win32ErrorOf(int error, DWORD fallback);

}  // namespace vks::detail::posix
