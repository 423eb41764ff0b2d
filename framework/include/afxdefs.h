// afxdefs.h: the framework's basic macros: linkage markers, ASSERT, VERIFY and TRACE.
#pragma once

#include "windows.h"

// Every symbol of the shared libraries is visible, so the export markers are empty; they keep
// the declarations in the shape they have on the original platform.
#define AFXAPI
#define AFX_CDECL
#define AFX_EXT_CLASS
#define AFX_EXT_API
#define AFX_EXT_DATA

#if defined(__GNUC__)
#define AFX_PRINTF_FORMAT(formatIndex, firstArg) __attribute__((format(printf, formatIndex, firstArg)))
#else
#define AFX_PRINTF_FORMAT(formatIndex, firstArg)
#endif

// Reports a failed ASSERT on standard error and stops the process.
[[noreturn]] void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);

// Writes a printf-style diagnostic line to standard error.
void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(1, 2);

// ASSERT and TRACE cost nothing unless _DEBUG is defined; their operands stay "used" so that
// release builds do not warn about variables only checked in debug builds.
#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : ::AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE ::AfxTrace
#else
#define ASSERT(f) ((void)sizeof(!(f)))
#define VERIFY(f) ((void)(f))
#define TRACE 1 ? (void)0 : ::AfxTrace
#endif
