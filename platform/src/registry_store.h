// Internal: the registry file of drive C (C:\WINDOWS\VKSREG.DAT).
#pragma once

#include <functional>

#include "registry_tree.h"

namespace vks::detail {

// The registry as the file holds it now; a missing file is an empty registry. Otherwise the
// Win32 code of the failure.
LONG loadRegistry(RegistryTree &tree);

// Runs `change` on the current registry under the file's lock, so that writers in every process
// take turns, and replaces the file atomically when `change` answers ERROR_SUCCESS. With
// `mayCreate` unset a missing file is handed over as an empty registry and never created.
LONG updateRegistry(bool mayCreate, const std::function<LONG(RegistryTree &)> &change);

}  // namespace vks::detail
