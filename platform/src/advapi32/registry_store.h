// Internal: the registry file of drive C (C:\WINDOWS\VKSREG.DAT), kept parsed between calls.
#pragma once

#include <functional>
#include <memory>

#include "advapi32/registry_tree.h"

namespace vks::detail {

// The registry as the file holds it now; a missing file is an empty registry. Otherwise the
// Win32 code of the failure. The tree is shared with later calls while the file stays the same.
LONG loadRegistry(std::shared_ptr<const RegistryTree> &tree);

// A change to the registry: a Win32 code, with `changed` set when it altered the tree. A change
// that fails leaves the tree as it was.
using RegistryEdit = std::function<LONG(RegistryTree &, bool &changed)>;

// Runs `change` on the current registry under the file's lock, so that writers in every process
// take turns, and replaces the file atomically when `change` succeeds and altered something.
// With `mayCreate` unset a missing file is handed over as an empty registry and never created.
LONG updateRegistry(bool mayCreate, const RegistryEdit &change);

}  // namespace vks::detail
