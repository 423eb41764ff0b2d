// Internal: writing a whole host file at once. No POSIX type crosses this header.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail {

// Replaces (or creates) the file at `hostPath` with `bytes` through a temporary file beside it
// (".NAME.writing.tmp") and a rename, so that a reader never meets half a file. False with the
// Win32 code in `error`; the file is then as it was and the temporary one is gone. A device or a
// pipe at `hostPath` is written in place, never replaced; a pipe without a reader fails with
// ERROR_WRITE_FAULT.
bool writeWholeFile(const std::string &hostPath, const std::string &bytes, DWORD &error);

}  // namespace vks::detail
