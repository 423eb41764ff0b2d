// Internal: module handles for the other areas of the platform. An HMODULE is the base address
// of a loaded shared object.
#pragma once

#include "windows.h"

namespace vks::detail {

// The running program's module (GetModuleHandleA(NULL)).
HMODULE programModule();

// The module whose code or data holds `address`; null if none does.
HMODULE moduleContaining(const void *address);

}  // namespace vks::detail
