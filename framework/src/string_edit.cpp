// CString modifications in place: case, reversal, replacement, insertion, deletion, trimming.
#include <algorithm>
#include <cstring>
#include <utility>

#include "afxstr.h"
#include "mbchar.h"
#include "mbstring.h"
#include "string_block.h"

using vks::detail::AddLengths;
using vks::detail::CharBytes;
using vks::detail::CharInSet;
using vks::detail::CheckedLength;
using vks::detail::IsSingleByteSpace;

namespace {

// Calls visit(position, bytes) for each character of the text, first to last.
template <typename Visit> void ForEachChar(LPCSTR lpszText, int nLength, Visit visit)
{
    for (int nPos = 0; nPos < nLength;) {
        int nBytes = CharBytes(lpszText + nPos);
        visit(nPos, nBytes);
        nPos += nBytes;
    }
}

// Bytes of the leading characters that match.
template <typename Match> int LeadingMatch(LPCSTR lpszText, int nLength, Match match)
{
    int nPos = 0;
    while (nPos < nLength) {
        int nBytes = CharBytes(lpszText + nPos);
        if (!match(lpszText + nPos, nBytes))
            break;
        nPos += nBytes;
    }
    return nPos;
}

// The length that is left once the trailing characters that match are cut off.
template <typename Match> int LengthWithoutTrailing(LPCSTR lpszText, int nLength, Match match)
{
    int nKeep = 0;
    ForEachChar(lpszText, nLength, [&](int nPos, int nBytes) {
        if (!match(lpszText + nPos, nBytes))
            nKeep = nPos + nBytes;
    });
    return nKeep;
}

bool IsSingleByte(LPCSTR lpch, int nBytes, char ch) { return nBytes == 1 && lpch[0] == ch; }

}  // namespace

void CString::MakeUpper()
{
    CopyBeforeWrite();
    ForEachChar(m_pchData, GetLength(), [this](int nPos, int nBytes) {
        if (nBytes == 1 && m_pchData[nPos] >= 'a' && m_pchData[nPos] <= 'z')
            m_pchData[nPos] = static_cast<char>(m_pchData[nPos] - ('a' - 'A'));
    });
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    ForEachChar(m_pchData, GetLength(), [this](int nPos, int nBytes) {
        if (nBytes == 1 && m_pchData[nPos] >= 'A' && m_pchData[nPos] <= 'Z')
            m_pchData[nPos] = static_cast<char>(m_pchData[nPos] + ('a' - 'A'));
    });
}

void CString::MakeReverse()
{
    if (GetLength() < 2)
        return;
    CopyBeforeWrite();
    _mbsrev(reinterpret_cast<unsigned char *>(m_pchData));
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    ForEachChar(m_pchData, GetLength(), [&](int nPos, int nBytes) {
        if (IsSingleByte(m_pchData + nPos, nBytes, chOld))
            ++nCount;
    });
    if (nCount == 0)
        return 0;
    CopyBeforeWrite();
    ForEachChar(m_pchData, GetLength(), [&](int nPos, int nBytes) {
        if (IsSingleByte(m_pchData + nPos, nBytes, chOld))
            m_pchData[nPos] = chNew;
    });
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nOldLength = lpszOld ? static_cast<int>(std::strlen(lpszOld)) : 0;
    if (nOldLength == 0)
        return 0;
    if (!lpszNew)
        lpszNew = "";
    int nNewLength = static_cast<int>(std::strlen(lpszNew));

    int nCount = 0;
    for (int nPos = Find(lpszOld); nPos >= 0; nPos = Find(lpszOld, nPos + nOldLength))
        ++nCount;
    if (nCount == 0)
        return 0;

    long long nResult = GetLength() + static_cast<long long>(nCount) * (nNewLength - nOldLength);
    CString result;
    LPSTR lpszOut = result.GetBufferSetLength(CheckedLength(nResult));
    int nCopied = 0;
    for (int nPos = Find(lpszOld); nPos >= 0; nPos = Find(lpszOld, nCopied)) {
        std::memcpy(lpszOut, m_pchData + nCopied, static_cast<size_t>(nPos - nCopied));
        lpszOut += nPos - nCopied;
        std::memcpy(lpszOut, lpszNew, static_cast<size_t>(nNewLength));
        lpszOut += nNewLength;
        nCopied = nPos + nOldLength;
    }
    std::memcpy(lpszOut, m_pchData + nCopied, static_cast<size_t>(GetLength() - nCopied));
    *this = std::move(result);
    return nCount;
}

int CString::Remove(char ch)
{
    int nLength = GetLength();
    if (Find(ch) < 0)
        return 0;  // nothing to remove: the block stays shared
    CopyBeforeWrite();
    int nKept = 0;
    ForEachChar(m_pchData, nLength, [&](int nPos, int nBytes) {
        if (IsSingleByte(m_pchData + nPos, nBytes, ch))
            return;
        std::memmove(m_pchData + nKept, m_pchData + nPos, static_cast<size_t>(nBytes));
        nKept += nBytes;
    });
    SetLength(nKept);
    return nLength - nKept;
}

int CString::Insert(int nIndex, char ch)
{
    CString text(ch, 1);
    return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    int nInsert = pstr ? static_cast<int>(std::strlen(pstr)) : 0;
    if (nInsert == 0)
        return GetLength();
    nIndex = std::clamp(nIndex, 0, GetLength());
    // pstr may point into our own text, so the result is built in a new block.
    CString result;
    LPSTR lpszOut = result.GetBufferSetLength(AddLengths(GetLength(), nInsert));
    std::memcpy(lpszOut, m_pchData, static_cast<size_t>(nIndex));
    std::memcpy(lpszOut + nIndex, pstr, static_cast<size_t>(nInsert));
    std::memcpy(lpszOut + nIndex + nInsert, m_pchData + nIndex,
                static_cast<size_t>(GetLength() - nIndex));
    *this = std::move(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nCount <= 0 || nIndex >= GetLength())
        return GetLength();
    nCount = std::min(nCount, GetLength() - nIndex);
    CopyBeforeWrite();
    std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                 static_cast<size_t>(GetLength() - nIndex - nCount));
    SetLength(GetLength() - nCount);
    return GetLength();
}

void CString::TrimRight()
{
    int nKeep = LengthWithoutTrailing(m_pchData, GetLength(), IsSingleByteSpace);
    Delete(nKeep, GetLength() - nKeep);
}

void CString::TrimRight(char chTarget)
{
    int nKeep = LengthWithoutTrailing(m_pchData, GetLength(), [chTarget](LPCSTR p, int n) {
        return IsSingleByte(p, n, chTarget);
    });
    Delete(nKeep, GetLength() - nKeep);
}

void CString::TrimRight(LPCSTR lpszTargets)
{
    int nKeep = LengthWithoutTrailing(m_pchData, GetLength(), [lpszTargets](LPCSTR p, int n) {
        return CharInSet(p, n, lpszTargets);
    });
    Delete(nKeep, GetLength() - nKeep);
}

void CString::TrimLeft() { Delete(0, LeadingMatch(m_pchData, GetLength(), IsSingleByteSpace)); }

void CString::TrimLeft(char chTarget)
{
    Delete(0, LeadingMatch(m_pchData, GetLength(), [chTarget](LPCSTR p, int n) {
               return IsSingleByte(p, n, chTarget);
           }));
}

void CString::TrimLeft(LPCSTR lpszTargets)
{
    Delete(0, LeadingMatch(m_pchData, GetLength(), [lpszTargets](LPCSTR p, int n) {
               return CharInSet(p, n, lpszTargets);
           }));
}
