// afxdefs.h: the framework's basic macros: linkage markers, ASSERT, VERIFY and TRACE.
#pragma once

#include "windows.h"
#include "vkslinkage.h"

#define AFXAPI
#define AFX_CDECL

// The framework DLL's own classes, functions and data.
#ifdef VKS_BUILDING_FRAMEWORK
#define AFX_CORE_CLASS VKS_DLL_EXPORT
#else
#define AFX_CORE_CLASS VKS_DLL_IMPORT
#endif
#define AFX_CORE_API AFX_CORE_CLASS
#define AFX_CORE_DATA AFX_CORE_CLASS

// An extension DLL's classes, functions and data: the DLL built with _AFXEXT exports them.
#ifdef _AFXEXT
#define AFX_EXT_CLASS VKS_DLL_EXPORT
#else
#define AFX_EXT_CLASS VKS_DLL_IMPORT
#endif
#define AFX_EXT_API AFX_EXT_CLASS
#define AFX_EXT_DATA AFX_EXT_CLASS

#if defined(__GNUC__)
#define AFX_PRINTF_FORMAT(formatIndex, firstArg) __attribute__((format(printf, formatIndex, firstArg)))
#else
#define AFX_PRINTF_FORMAT(formatIndex, firstArg)
#endif

// Reports a failed ASSERT on standard error and stops the process.
[[noreturn]] AFX_CORE_API void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);

// Writes a printf-style diagnostic line to standard error.
AFX_CORE_API void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(1, 2);

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
