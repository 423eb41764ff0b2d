/* vksmodule.h: what a shared object needs to know about itself on this platform, where no
   loader hands it its module handle. */
#ifndef VKS_VKSMODULE_H
#define VKS_VKSMODULE_H

#include "windef.h"

VKS_BEGIN_EXPORTED_C

/* The module (shared object or program) whose code or data holds `addressInModule`, the handle
   GetModuleHandleA and LoadLibraryA give for it: how a shared object finds its own handle from
   a static initialiser. NULL, with ERROR_MOD_NOT_FOUND, when no module holds the address. */
HMODULE VksModuleFromAddress(const void *addressInModule);

VKS_END_EXPORTED_C

#endif
