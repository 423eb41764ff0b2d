// ASSERT failures and TRACE output.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "afxdefs.h"

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    std::fprintf(stderr, "%s(%d): assertion failed\n", lpszFileName ? lpszFileName : "?", nLine);
    std::abort();
}

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...)
{
    if (!lpszFormat)
        return;
    va_list args;
    va_start(args, lpszFormat);
    std::vfprintf(stderr, lpszFormat, args);
    va_end(args);
}
