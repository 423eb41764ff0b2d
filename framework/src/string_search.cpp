// CString searches and extraction.
#include <algorithm>

#include "afxstr.h"
#include "mbchar.h"
#include "mbstring.h"
#include "string_block.h"

using vks::detail::CharBytes;
using vks::detail::CharInSet;
using vks::detail::MakeString;

namespace {

unsigned char *Bytes(LPCSTR lpsz)
{
    return reinterpret_cast<unsigned char *>(const_cast<LPSTR>(lpsz));
}

int PositionIn(LPCSTR lpszText, const unsigned char *pMatch)
{
    return pMatch ? static_cast<int>(reinterpret_cast<LPCSTR>(pMatch) - lpszText) : -1;
}

// Bytes of the leading characters whose membership in the set equals `inSet`.
int SpanLength(LPCSTR lpszText, int nLength, LPCSTR lpszCharSet, bool inSet)
{
    int nPos = 0;
    while (nPos < nLength) {
        int nBytes = CharBytes(lpszText + nPos);
        if (CharInSet(lpszText + nPos, nBytes, lpszCharSet) != inSet)
            break;
        nPos += nBytes;
    }
    return nPos;
}

}  // namespace

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int nStart) const
{
    nStart = std::max(nStart, 0);
    if (nStart >= GetLength())
        return -1;
    return PositionIn(m_pchData, _mbschr(Bytes(m_pchData + nStart), static_cast<BYTE>(ch)));
}

int CString::Find(LPCSTR lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    nStart = std::max(nStart, 0);
    if (!lpszSub || nStart > GetLength())
        return -1;
    return PositionIn(m_pchData, _mbsstr(Bytes(m_pchData + nStart), Bytes(lpszSub)));
}

int CString::ReverseFind(char ch) const
{
    return PositionIn(m_pchData, _mbsrchr(Bytes(m_pchData), static_cast<BYTE>(ch)));
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    int nSpan = SpanLength(m_pchData, GetLength(), lpszCharSet, false);
    return nSpan < GetLength() ? nSpan : -1;
}

CString CString::Mid(int nFirst) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    if (nFirst == 0 && nCount == GetLength())
        return *this;
    return MakeString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    return Left(SpanLength(m_pchData, GetLength(), lpszCharSet, true));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left(SpanLength(m_pchData, GetLength(), lpszCharSet, false));
}
