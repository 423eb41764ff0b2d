// Internal: the library's whole start-up and shut-down, in one explicit order that does not
// depend on how the sources are linked.
#pragma once

#include "windows.h"

namespace vks::library {

// Registers the library's tables, then runs the entry point's process attach for `self`.
// FALSE when the entry point refuses (the tables stay registered until stop()).
BOOL start(HINSTANCE self);

// Runs the entry point's process detach, closes the message free list and withdraws the tables.
void stop(HINSTANCE self);

}  // namespace vks::library
