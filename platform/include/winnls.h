/* winnls.h: code pages and multibyte text. */
#ifndef VKS_WINNLS_H
#define VKS_WINNLS_H

#include "windef.h"

VKS_BEGIN_EXPORTED_C

#define CP_ACP 0
#define CP_UTF8 65001

typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;

/* Flags of MultiByteToWideChar. */
#define MB_ERR_INVALID_CHARS 0x00000008

/* `cbMultiByte` bytes of text in `CodePage` (-1: up to and with its NUL) as UTF-16 in the
   `cchWideChar` units at `lpWideCharStr`; returns the units written, or with `cchWideChar` 0 the
   units needed. Malformed text becomes U+FFFD, or with MB_ERR_INVALID_CHARS fails with
   ERROR_NO_UNICODE_TRANSLATION. A code page the platform lacks, a null text, a zero length or a
   flag other than MB_ERR_INVALID_CHARS: 0 and ERROR_INVALID_PARAMETER (ERROR_INVALID_FLAGS for
   the flag); too small a buffer: 0 and ERROR_INSUFFICIENT_BUFFER. */
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr,
                               int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar);

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
