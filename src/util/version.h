// The library's own version, as built.
#pragma once

#include "afxdefs.h"

// "major.minor.patch" of the library that is loaded.
AFX_EXT_API const char *utLibraryVersion();
