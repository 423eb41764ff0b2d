/* winnls.h: code pages and multibyte text. */
#ifndef VKS_WINNLS_H
#define VKS_WINNLS_H

#include "windef.h"

VKS_BEGIN_EXPORTED_C

#define CP_ACP 0

/* The process's ANSI code page. */
UINT WINAPI GetACP(void);

/* Lead bytes of double-byte characters, in the ANSI code page or in the one named. */
BOOL WINAPI IsDBCSLeadByte(BYTE TestChar);
BOOL WINAPI IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar);

/* Languages: the user's (see VksHostSetUserLanguage), the system's (US English) and the
   calling thread's (the user's). */
typedef DWORD LCID;
typedef WORD LANGID;
LANGID WINAPI GetUserDefaultLangID(void);
LANGID WINAPI GetSystemDefaultLangID(void);
LCID WINAPI GetThreadLocale(void);

VKS_END_EXPORTED_C

#endif
