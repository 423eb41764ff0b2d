// Internal: what the product library does when it is loaded.
#pragma once

#include "windows.h"

namespace vks::product {

// Initialises the library's extension module for `self`, the library's own module.
void attach(HMODULE self);

}  // namespace vks::product
