/* vksresource.h: the resources a module carries. A module registers its string table (and its
   message table) from a static initialiser when it loads and removes it from a static destructor when it unloads;
   LoadStringA and FindResourceA then find the strings through the module's handle. */
#ifndef VKS_VKSRESOURCE_H
#define VKS_VKSRESOURCE_H

#include "windef.h"
#include "vksmodule.h"

VKS_BEGIN_EXPORTED_C

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

/* One message of a message table: its 32-bit identifier and its text in UTF-8, ending in CR LF as
   message texts do; converted to the ANSI code page when FormatMessageA formats it. */
typedef struct VksMessageResource {
    DWORD id;
    const char *utf8;
} VksMessageResource;

/* Adds the `count` messages of one language to the message table (resource 1 of type
   RT_MESSAGETABLE) of the module that contains `addressInModule`; the texts are copied and an
   identifier registered again takes the new text. A table tagged with a primary language and
   SUBLANG_NEUTRAL (0x0011) serves every regional variant of that language. FALSE, and nothing
   registered, when no module contains the address or when `entries` is null with a non-zero
   count. */
BOOL VksRegisterMessageTable(const void *addressInModule, WORD languageId,
                             const VksMessageResource *entries, size_t count);

/* Removes the module's message table in every language. FALSE if it had none. */
BOOL VksUnregisterMessageTables(const void *addressInModule);

/* Adds one resource of any other type (RT_DIALOG, RT_BITMAP, ...) to the module that contains
   `addressInModule`: `type` and `name` are numbers (MAKEINTRESOURCE) or texts, texts compared
   without regard to case as Windows compares them; the `size` bytes are copied. FindResourceA,
   LoadResource, LockResource and SizeofResource then give them back. A resource registered again
   takes the new bytes. FALSE, and nothing registered, when no module contains the address, a
   name or type is null or empty, or `bytes` is null with a non-zero size. */
BOOL VksRegisterResource(const void *addressInModule, LPCSTR type, LPCSTR name,
                         const void *bytes, size_t size);

/* Removes every resource of the module that VksRegisterResource added. FALSE if it had none. */
BOOL VksUnregisterResources(const void *addressInModule);

VKS_END_EXPORTED_C

#endif
