// Internal: the library's extension-module record and its module handle, shared by the entry
// point and the resource chain.
#pragma once

#include "afx.h"

namespace vks::util {

extern AFX_EXTENSION_MODULE extensionModule;

void setLibraryInstance(HINSTANCE hInstance);
HINSTANCE libraryInstanceHandle();

}  // namespace vks::util
