// afxstr.h: CString, the framework's reference-counted, copy-on-write 8-bit string.
#pragma once

#include <atomic>
#include <cstdarg>

#include "afxdefs.h"

// The heap block behind a CString: this header, then nAllocLength + 1 bytes of characters.
struct CStringData {
    // Owners of the block; -1 marks the shared empty block and locked buffers, never shared.
    std::atomic<long> nRefs;
    // Length of the text in bytes, without the terminating NUL.
    int nDataLength;
    // Bytes available for characters, without the terminating NUL.
    int nAllocLength;

    char *data() { return reinterpret_cast<char *>(this + 1); }
};

// Text in the process's ANSI code page, which may be double-byte. Lengths and positions count
// bytes. Copies share one block until one of them is modified; all empty strings share one
// static block. Every search and case operation steps over double-byte characters whole.
// Allocation failure throws CMemoryException*.
class AFX_CORE_CLASS CString {
public:
    CString();
    CString(const CString &stringSrc);
    CString(CString &&stringSrc) noexcept;
    // A null pointer gives the empty string; a value below 0x10000 (MAKEINTRESOURCE) loads that
    // string resource.
    CString(LPCSTR lpsz);
    // At most nLength bytes of lpch, stopping at a NUL; a null pointer or a negative length gives
    // the empty string.
    CString(LPCSTR lpch, int nLength);
    // ch repeated nRepeat times (none when nRepeat <= 0).
    CString(char ch, int nRepeat = 1);
    ~CString();

    const CString &operator=(const CString &stringSrc);
    const CString &operator=(CString &&stringSrc) noexcept;
    const CString &operator=(LPCSTR lpsz);  // null: empty
    const CString &operator=(char ch);

    const CString &operator+=(const CString &string);
    const CString &operator+=(LPCSTR lpsz);  // null: nothing appended
    const CString &operator+=(char ch);

    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    operator LPCSTR() const { return m_pchData; }

    // The byte at nIndex; 0 for a position outside the text (the NUL at GetLength() included).
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Replaces the byte at nIndex; a position outside the text changes nothing.
    void SetAt(int nIndex, char ch);

    // Byte-wise ordering through _mbscmp: <0, 0 or >0. A null pointer counts as empty.
    int Compare(LPCSTR lpsz) const;
    // As Compare, with single-byte letters A-Z folded to lower case.
    int CompareNoCase(LPCSTR lpsz) const;

    // Extraction; positions and counts are clamped to the text.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    // The leading characters that are (or are not) in lpszCharSet.
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;

    // Case of single-byte letters A-Z / a-z; double-byte characters are left alone.
    void MakeUpper();
    void MakeLower();
    // Reverses the characters; each double-byte character keeps its two bytes in order.
    void MakeReverse();

    // Replace single-byte characters or substrings; each returns the number replaced.
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    // Removes every single-byte ch; returns the number removed.
    int Remove(char ch);
    // Insert before nIndex (clamped to the text) and return the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    // Removes up to nCount bytes from nIndex; returns the new length.
    int Delete(int nIndex, int nCount = 1);

    // Without an argument: white space (blank, tab, CR, LF, VT, FF).
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR lpszTargets);

    // Positions of characters and substrings, or -1. A match starts only on a character's first
    // byte, counting characters from nStart.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR lpszSub) const;
    int Find(LPCSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // printf-style formatting by the C run-time, floating point included.
    void AFX_CDECL Format(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void FormatV(LPCSTR lpszFormat, va_list argList);

    // String resource nID through the resource chain; not found: empty and FALSE.
    BOOL LoadString(UINT nID);

    // A private writable buffer of at least nMinBufLength bytes plus the NUL.
    LPSTR GetBuffer(int nMinBufLength);
    // As GetBuffer, and the length becomes nNewLength.
    LPSTR GetBufferSetLength(int nNewLength);
    // Ends the writing: the length becomes nNewLength, or the position of the first NUL for -1.
    void ReleaseBuffer(int nNewLength = -1);
    // GetBuffer that stays private: copies of a locked string copy its text.
    LPSTR LockBuffer();
    void UnlockBuffer();

private:
    CStringData *GetData() const { return reinterpret_cast<CStringData *>(m_pchData) - 1; }
    void AssignCopy(int nSrcLen, LPCSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData);
    void CopyBeforeWrite();
    void Release();
    void SetLength(int nNewLength);

    LPSTR m_pchData;
};

AFX_CORE_API CString AFXAPI operator+(const CString &string1, const CString &string2);
AFX_CORE_API CString AFXAPI operator+(const CString &string, char ch);
AFX_CORE_API CString AFXAPI operator+(char ch, const CString &string);
AFX_CORE_API CString AFXAPI operator+(const CString &string, LPCSTR lpsz);
AFX_CORE_API CString AFXAPI operator+(LPCSTR lpsz, const CString &string);

AFX_CORE_API bool AFXAPI operator==(const CString &s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator==(const CString &s1, LPCSTR s2);
AFX_CORE_API bool AFXAPI operator==(LPCSTR s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator!=(const CString &s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator!=(const CString &s1, LPCSTR s2);
AFX_CORE_API bool AFXAPI operator!=(LPCSTR s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator<(const CString &s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator<(const CString &s1, LPCSTR s2);
AFX_CORE_API bool AFXAPI operator<(LPCSTR s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator>(const CString &s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator>(const CString &s1, LPCSTR s2);
AFX_CORE_API bool AFXAPI operator>(LPCSTR s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator<=(const CString &s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator<=(const CString &s1, LPCSTR s2);
AFX_CORE_API bool AFXAPI operator<=(LPCSTR s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator>=(const CString &s1, const CString &s2);
AFX_CORE_API bool AFXAPI operator>=(const CString &s1, LPCSTR s2);
AFX_CORE_API bool AFXAPI operator>=(LPCSTR s1, const CString &s2);
