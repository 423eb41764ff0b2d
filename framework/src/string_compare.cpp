// CString comparisons: byte-wise through the multibyte run-time.
#include "afxstr.h"
#include "mbchar.h"
#include "mbstring.h"

namespace {

const unsigned char *Bytes(LPCSTR lpsz)
{
    return reinterpret_cast<const unsigned char *>(lpsz ? lpsz : "");
}

int Compare(LPCSTR s1, LPCSTR s2) { return _mbscmp(Bytes(s1), Bytes(s2)); }

// The value of the character at lpsz, as the multibyte comparison orders it: a double-byte
// character is lead * 256 + trail, above every single byte; letters A-Z fold to lower case.
unsigned int FoldedChar(LPCSTR lpsz, int nBytes)
{
    BYTE first = static_cast<BYTE>(lpsz[0]);
    if (nBytes == 2)
        return (static_cast<unsigned int>(first) << 8) | static_cast<BYTE>(lpsz[1]);
    if (first >= 'A' && first <= 'Z')
        return first + ('a' - 'A');
    return first;
}

}  // namespace

int CString::Compare(LPCSTR lpsz) const { return ::Compare(m_pchData, lpsz); }

int CString::CompareNoCase(LPCSTR lpsz) const
{
    LPCSTR p1 = m_pchData;
    LPCSTR p2 = lpsz ? lpsz : "";
    for (;;) {
        int nBytes1 = *p1 ? vks::detail::CharBytes(p1) : 0;
        int nBytes2 = *p2 ? vks::detail::CharBytes(p2) : 0;
        unsigned int c1 = nBytes1 ? FoldedChar(p1, nBytes1) : 0;
        unsigned int c2 = nBytes2 ? FoldedChar(p2, nBytes2) : 0;
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
        if (c1 == 0)
            return 0;
        p1 += nBytes1;
        p2 += nBytes2;
    }
}

bool AFXAPI operator==(const CString &s1, const CString &s2) { return Compare(s1, s2) == 0; }
bool AFXAPI operator==(const CString &s1, LPCSTR s2) { return Compare(s1, s2) == 0; }
bool AFXAPI operator==(LPCSTR s1, const CString &s2) { return Compare(s1, s2) == 0; }
bool AFXAPI operator!=(const CString &s1, const CString &s2) { return Compare(s1, s2) != 0; }
bool AFXAPI operator!=(const CString &s1, LPCSTR s2) { return Compare(s1, s2) != 0; }
bool AFXAPI operator!=(LPCSTR s1, const CString &s2) { return Compare(s1, s2) != 0; }
bool AFXAPI operator<(const CString &s1, const CString &s2) { return Compare(s1, s2) < 0; }
bool AFXAPI operator<(const CString &s1, LPCSTR s2) { return Compare(s1, s2) < 0; }
bool AFXAPI operator<(LPCSTR s1, const CString &s2) { return Compare(s1, s2) < 0; }
bool AFXAPI operator>(const CString &s1, const CString &s2) { return Compare(s1, s2) > 0; }
bool AFXAPI operator>(const CString &s1, LPCSTR s2) { return Compare(s1, s2) > 0; }
bool AFXAPI operator>(LPCSTR s1, const CString &s2) { return Compare(s1, s2) > 0; }
bool AFXAPI operator<=(const CString &s1, const CString &s2) { return Compare(s1, s2) <= 0; }
bool AFXAPI operator<=(const CString &s1, LPCSTR s2) { return Compare(s1, s2) <= 0; }
bool AFXAPI operator<=(LPCSTR s1, const CString &s2) { return Compare(s1, s2) <= 0; }
bool AFXAPI operator>=(const CString &s1, const CString &s2) { return Compare(s1, s2) >= 0; }
bool AFXAPI operator>=(const CString &s1, LPCSTR s2) { return Compare(s1, s2) >= 0; }
bool AFXAPI operator>=(LPCSTR s1, const CString &s2) { return Compare(s1, s2) >= 0; }
