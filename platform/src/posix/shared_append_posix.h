// Internal: appending to a file that several processes append to at once (the event-log
// stand-in's day files). No POSIX type crosses this header.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail {

// Appends `bytes` to the file at `hostPath`, creating it when missing, in one write at the end
// of the file under an exclusive advisory lock, so that what two writers append never
// interleaves. False with the Win32 code in `error`.
bool appendWhole(const std::string &hostPath, const std::string &bytes, DWORD &error);

}  // namespace vks::detail
