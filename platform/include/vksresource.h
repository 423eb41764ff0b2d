/* vksresource.h: the resources a module carries. A module registers them from a static
   initialiser when it loads and removes them from a static destructor when it unloads;
   FindResourceA, LoadResource and SizeofResource then give their bytes as Windows lays them out,
   and LoadStringA, LoadMenuA and LoadBitmapA read them. The resource-script compiler (vksrc)
   writes the registration of a script's resources; the calls below are for what a program
   makes itself. */
#ifndef VKS_VKSRESOURCE_H
#define VKS_VKSRESOURCE_H

#include "windef.h"
#include "vksmodule.h"

VKS_BEGIN_EXPORTED_C

/* One entry of a string table: an identifier (0 to 65535) and its text in UTF-8, converted to
   the ANSI code page when it is loaded. The strings form RT_STRING resources in the neutral
   language as Windows lays them out: block id / 16 + 1 holds strings id / 16 * 16 to that + 15,
   each a 16-bit count and its UTF-16 units. */
typedef struct VksStringResource {
    UINT id;
    const char *utf8;
} VksStringResource;

/* Adds `count` entries to the string table of the module (shared object or program) that
   contains `addressInModule`; the texts are copied. An identifier registered again takes the new
   text (a block that changes moves, so LoadResource's earlier answer for it no longer holds).
   FALSE, and nothing registered, when no module contains the address, when `entries` is null
   with a non-zero count, or when an identifier is above 65535. */
BOOL VksRegisterStringTable(const void *addressInModule, const VksStringResource *entries,
                            size_t count);

/* Removes every string the module that contains `addressInModule` registered with
   VksRegisterStringTable. FALSE if it had none. */
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
   SUBLANG_NEUTRAL (0x0011) serves every regional variant of that language. The table is also
   the module's RT_MESSAGETABLE resource 1 in that language, laid out as Windows lays it out
   (UTF-16 entries). FALSE, and nothing registered, when no module contains the address or when
   `entries` is null with a non-zero count. */
BOOL VksRegisterMessageTable(const void *addressInModule, WORD languageId,
                             const VksMessageResource *entries, size_t count);

/* Removes the module's message table in every language. FALSE if it had none. */
BOOL VksUnregisterMessageTables(const void *addressInModule);

/* Adds one resource of any type (RT_DIALOG, RT_BITMAP, ...), in the neutral language, to the
   module that contains `addressInModule`: `type` and `name` are numbers (MAKEINTRESOURCE) or
   texts, texts compared without regard to case as Windows compares them; the `size` bytes are
   copied. FindResourceA, LoadResource, LockResource and SizeofResource then give them back. A
   resource registered again takes the new bytes. FALSE, and nothing registered, when no module
   contains the address, a name or type is null or empty, or `bytes` is null with a non-zero
   size. */
BOOL VksRegisterResource(const void *addressInModule, LPCSTR type, LPCSTR name,
                         const void *bytes, size_t size);

/* Adds every resource of `image`, the bytes of a .res file as resource compilers write it (each
   resource a header with its data size, type, name and language, then its data, on 4-byte
   boundaries), each in its own language. The bytes are not copied: they must stay in place
   until VksUnregisterResources, as a module's constant data does. FALSE, and nothing
   registered, when no module contains the address or the image is malformed. */
BOOL VksRegisterResourceImage(const void *addressInModule, const void *image, size_t size);

/* Removes every resource the module added with VksRegisterResource or VksRegisterResourceImage.
   FALSE if it had none. */
BOOL VksUnregisterResources(const void *addressInModule);

VKS_END_EXPORTED_C

#endif
