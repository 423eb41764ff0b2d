// The order in which the framework looks for resources.
#pragma once

#include <vector>

#include "windows.h"

namespace vks::detail {

// The current resource module, then each chain entry from the most recently added, then the
// framework's own modules. Null handles are left out; a module may appear more than once.
std::vector<HMODULE> ResourceSearchOrder();

}  // namespace vks::detail
