// CString: construction, assignment, concatenation and the writable buffer.
#include <algorithm>
#include <cstring>
#include <utility>

#include "afxstr.h"
#include "string_block.h"

using vks::detail::AddLengths;
using vks::detail::AllocStringBlock;
using vks::detail::BoundedLength;
using vks::detail::EmptyStringBlock;
using vks::detail::IsLockedBlock;
using vks::detail::IsPrivateBlock;
using vks::detail::ReleaseStringBlock;

CString::CString() : m_pchData(EmptyStringBlock()->data()) {}

CString::CString(const CString &stringSrc) : CString() { *this = stringSrc; }

CString::CString(CString &&stringSrc) noexcept : m_pchData(stringSrc.m_pchData)
{
    stringSrc.m_pchData = EmptyStringBlock()->data();
}

CString::CString(LPCSTR lpsz) : CString()
{
    if (lpsz && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(lpsz));
    else if (lpsz)
        AssignCopy(static_cast<int>(std::strlen(lpsz)), lpsz);
}

CString::CString(LPCSTR lpch, int nLength) : CString()
{
    if (lpch && nLength > 0)
        AssignCopy(BoundedLength(lpch, nLength), lpch);
}

CString::CString(char ch, int nRepeat) : CString()
{
    if (nRepeat > 0)
        std::memset(GetBufferSetLength(nRepeat), ch, static_cast<size_t>(nRepeat));
}

CString::~CString() { Release(); }

const CString &CString::operator=(const CString &stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    CStringData *pSrc = stringSrc.GetData();
    if (IsLockedBlock(GetData()) || IsLockedBlock(pSrc)) {
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
        return *this;
    }
    if (pSrc != EmptyStringBlock())
        pSrc->nRefs.fetch_add(1, std::memory_order_relaxed);
    Release();
    m_pchData = stringSrc.m_pchData;
    return *this;
}

const CString &CString::operator=(CString &&stringSrc) noexcept
{
    if (this == &stringSrc)
        return *this;
    if (IsLockedBlock(GetData())) {
        // A locked buffer stays in place; the text fits or the copy takes a new block.
        try {
            AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
        } catch (...) {
            std::swap(m_pchData, stringSrc.m_pchData);
        }
        return *this;
    }
    std::swap(m_pchData, stringSrc.m_pchData);
    stringSrc.Release();
    return *this;
}

const CString &CString::operator=(LPCSTR lpsz)
{
    AssignCopy(lpsz ? static_cast<int>(std::strlen(lpsz)) : 0, lpsz);
    return *this;
}

const CString &CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString &CString::operator+=(const CString &string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString &CString::operator+=(LPCSTR lpsz)
{
    if (lpsz)
        ConcatInPlace(static_cast<int>(std::strlen(lpsz)), lpsz);
    return *this;
}

const CString &CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

void CString::Empty()
{
    if (IsLockedBlock(GetData()))
        SetLength(0);
    else
        Release();
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex > GetLength())
        return '\0';
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    CStringData *pData = GetData();
    if (!IsPrivateBlock(pData) || nMinBufLength > pData->nAllocLength) {
        int nLength = pData->nDataLength;
        CStringData *pNew = AllocStringBlock(nLength, nMinBufLength);
        std::memcpy(pNew->data(), m_pchData, static_cast<size_t>(nLength));
        Release();
        m_pchData = pNew->data();
    }
    return m_pchData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (GetData() == EmptyStringBlock())
        return;
    CopyBeforeWrite();
    int nCapacity = GetData()->nAllocLength;
    if (nNewLength < 0)
        nNewLength = BoundedLength(m_pchData, nCapacity);
    if (nNewLength > nCapacity)
        nNewLength = nCapacity;
    SetLength(nNewLength);
}

LPSTR CString::LockBuffer()
{
    LPSTR lpsz = GetBuffer(0);
    GetData()->nRefs.store(-1, std::memory_order_relaxed);
    return lpsz;
}

void CString::UnlockBuffer()
{
    if (IsLockedBlock(GetData()))
        GetData()->nRefs.store(1, std::memory_order_relaxed);
}

void CString::AssignCopy(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen <= 0) {
        Empty();
        return;
    }
    CStringData *pData = GetData();
    if (IsPrivateBlock(pData) && nSrcLen <= pData->nAllocLength) {
        // The source may lie inside our own text.
        std::memmove(m_pchData, lpszSrcData, static_cast<size_t>(nSrcLen));
        SetLength(nSrcLen);
        return;
    }
    CStringData *pNew = AllocStringBlock(nSrcLen, nSrcLen);
    std::memcpy(pNew->data(), lpszSrcData, static_cast<size_t>(nSrcLen));
    Release();
    m_pchData = pNew->data();
}

void CString::ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen <= 0)
        return;
    CStringData *pData = GetData();
    int nOldLength = pData->nDataLength;
    int nNewLength = AddLengths(nOldLength, nSrcLen);
    if (IsPrivateBlock(pData) && nNewLength <= pData->nAllocLength) {
        std::memmove(m_pchData + nOldLength, lpszSrcData, static_cast<size_t>(nSrcLen));
        SetLength(nNewLength);
        return;
    }
    // Growing by half again keeps repeated appends linear.
    int nCapacity = nNewLength;
    if (IsPrivateBlock(pData))
        nCapacity = std::max(nNewLength, AddLengths(nNewLength, nNewLength / 2));
    CStringData *pNew = AllocStringBlock(nNewLength, nCapacity);
    std::memcpy(pNew->data(), m_pchData, static_cast<size_t>(nOldLength));
    std::memcpy(pNew->data() + nOldLength, lpszSrcData, static_cast<size_t>(nSrcLen));
    Release();
    m_pchData = pNew->data();
}

void CString::CopyBeforeWrite()
{
    CStringData *pData = GetData();
    if (pData == EmptyStringBlock() || IsPrivateBlock(pData))
        return;
    CStringData *pNew = AllocStringBlock(pData->nDataLength, pData->nDataLength);
    std::memcpy(pNew->data(), m_pchData, static_cast<size_t>(pData->nDataLength));
    Release();
    m_pchData = pNew->data();
}

void CString::Release()
{
    ReleaseStringBlock(GetData());
    m_pchData = EmptyStringBlock()->data();
}

void CString::SetLength(int nNewLength)
{
    CStringData *pData = GetData();
    if (pData == EmptyStringBlock())
        return;
    pData->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

namespace {

CString Concat(LPCSTR lpch1, int nLength1, LPCSTR lpch2, int nLength2)
{
    CString result;
    int nLength = AddLengths(nLength1, nLength2);
    if (nLength == 0)
        return result;
    LPSTR lpsz = result.GetBufferSetLength(nLength);
    // Either side may be a null pointer with length 0.
    if (nLength1 > 0)
        std::memcpy(lpsz, lpch1, static_cast<size_t>(nLength1));
    if (nLength2 > 0)
        std::memcpy(lpsz + nLength1, lpch2, static_cast<size_t>(nLength2));
    return result;
}

int SafeLength(LPCSTR lpsz) { return lpsz ? static_cast<int>(std::strlen(lpsz)) : 0; }

}  // namespace

CString AFXAPI operator+(const CString &string1, const CString &string2)
{
    return Concat(string1, string1.GetLength(), string2, string2.GetLength());
}

CString AFXAPI operator+(const CString &string, char ch)
{
    return Concat(string, string.GetLength(), &ch, 1);
}

CString AFXAPI operator+(char ch, const CString &string)
{
    return Concat(&ch, 1, string, string.GetLength());
}

CString AFXAPI operator+(const CString &string, LPCSTR lpsz)
{
    return Concat(string, string.GetLength(), lpsz, SafeLength(lpsz));
}

CString AFXAPI operator+(LPCSTR lpsz, const CString &string)
{
    return Concat(lpsz, SafeLength(lpsz), string, string.GetLength());
}
