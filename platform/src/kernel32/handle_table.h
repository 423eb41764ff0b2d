// Internal: the process's kernel-object handles. A handle names one object; an object lives while
// any handle names it.
#pragma once

#include <memory>

#include "windows.h"

namespace vks::detail {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// A new handle for `object`.
HANDLE addHandle(std::shared_ptr<KernelObject> object);
// The object a handle names; null for a handle that names nothing.
std::shared_ptr<KernelObject> objectOfHandle(HANDLE handle);
// Takes the handle away; false when it names nothing. The object goes with its last handle,
// after the table's lock is let go, since letting go of a named object may wait for other
// processes.
bool removeHandle(HANDLE handle);

}  // namespace vks::detail
