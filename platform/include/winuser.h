/* winuser.h: the user-interface functions of the Win32 subset. */
#ifndef VKS_WINUSER_H
#define VKS_WINUSER_H

#include <stdarg.h>

#include "windef.h"

#define WINAPIV

VKS_BEGIN_EXTERN_C

/* String resources: copies at most nBufferMax - 1 bytes and a NUL, returns the count. */
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);

/* Case conversion of single-byte letters in the ANSI code page. A pointer whose high-order bits
   are zero carries one character in its low byte. Only A-Z and a-z change: unlike Windows, the
   string form leaves full-width and accented letters alone, which is what this platform's
   callers need; the trail byte of a double-byte character is never taken for a letter. */
LPSTR WINAPI CharUpperA(LPSTR lpsz);
LPSTR WINAPI CharLowerA(LPSTR lpsz);

/* Formatting in the Win32 format language (no floating point); at most 1024 bytes are written. */
int WINAPI wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist);
int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);

VKS_END_EXTERN_C

#endif
