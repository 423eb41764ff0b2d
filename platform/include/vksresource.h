/* vksresource.h: the resources a module carries. A module registers its string table from a
   static initialiser when it loads and removes it from a static destructor when it unloads;
   LoadStringA and FindResourceA then find the strings through the module's handle. */
#ifndef VKS_VKSRESOURCE_H
#define VKS_VKSRESOURCE_H

#include "windef.h"
#include "vksmodule.h"

VKS_BEGIN_EXTERN_C

/* One entry of a string table: an identifier (0 to 65535) and its text in UTF-8, converted to
   the ANSI code page when it is loaded. Identifiers id / 16 + 1 form the blocks that
   FindResourceA(module, MAKEINTRESOURCE(block), RT_STRING) reports. */
typedef struct VksStringResource {
    UINT id;
    const char *utf8;
} VksStringResource;

/* Adds `count` entries to the string table of the module (shared object or program) that
   contains `addressInModule`; the texts are copied. An identifier registered again takes the new
   text. FALSE, and nothing registered, when no module contains the address, when `entries` is
   null with a non-zero count, or when an identifier is above 65535. */
BOOL VksRegisterStringTable(const void *addressInModule, const VksStringResource *entries,
                            size_t count);

/* Removes every string of the module that contains `addressInModule`. FALSE if it had none. */
BOOL VksUnregisterStringTables(const void *addressInModule);

VKS_END_EXTERN_C

#endif
