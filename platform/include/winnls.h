/* winnls.h: code pages and multibyte text. */
#ifndef VKS_WINNLS_H
#define VKS_WINNLS_H

#include "windef.h"

VKS_BEGIN_EXTERN_C

#define CP_ACP 0

/* The process's ANSI code page. */
UINT WINAPI GetACP(void);

/* Lead bytes of double-byte characters, in the ANSI code page or in the one named. */
BOOL WINAPI IsDBCSLeadByte(BYTE TestChar);
BOOL WINAPI IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar);

VKS_END_EXTERN_C

#endif
