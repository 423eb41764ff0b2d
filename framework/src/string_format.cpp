// CString::Format: the C run-time's formatting, floating point included.
#include <cstdio>
#include <utility>

#include "afxstr.h"

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    // A format the run-time rejects leaves no stale text behind.
    if (!lpszFormat) {
        Empty();
        return;
    }
    va_list measureList;
    va_copy(measureList, argList);
    int nLength = std::vsnprintf(nullptr, 0, lpszFormat, measureList);
    va_end(measureList);
    if (nLength <= 0) {
        Empty();
        return;
    }
    // The arguments may point into this string, so the text is built in a new block.
    CString result;
    std::vsnprintf(result.GetBufferSetLength(nLength), static_cast<size_t>(nLength) + 1,
                   lpszFormat, argList);
    *this = std::move(result);
}
