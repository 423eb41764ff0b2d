// Allocation and sharing of CString blocks.
#include "string_block.h"

#include <climits>
#include <cstddef>
#include <cstring>
#include <new>

#include "afxexcept.h"

namespace vks::detail {
namespace {

struct EmptyBlock {
    CStringData header;
    char text[1];
};
static_assert(offsetof(EmptyBlock, text) == sizeof(CStringData),
              "the characters must follow the header directly");

constinit EmptyBlock g_emptyBlock = {{-1, 0, 0}, {'\0'}};

// Keeps header, characters and NUL within an int-sized allocation.
constexpr int kMaxLength = INT_MAX - static_cast<int>(sizeof(CStringData)) - 1;

}  // namespace

CStringData *EmptyStringBlock() { return &g_emptyBlock.header; }

CStringData *AllocStringBlock(int nLength, int nCapacity)
{
    if (nLength < 0)
        nLength = 0;
    if (nCapacity < nLength)
        nCapacity = nLength;
    if (nCapacity > kMaxLength)
        AfxThrowMemoryException();
    void *pBlock = ::operator new(sizeof(CStringData) + static_cast<size_t>(nCapacity) + 1,
                                  std::nothrow);
    if (!pBlock)
        AfxThrowMemoryException();
    CStringData *pData = new (pBlock) CStringData{1, nLength, nCapacity};
    // The room past the text reads as NULs until the caller writes it.
    std::memset(pData->data() + nLength, 0, static_cast<size_t>(nCapacity - nLength) + 1);
    return pData;
}

void ReleaseStringBlock(CStringData *pData)
{
    if (pData == EmptyStringBlock())
        return;
    // A locked block has a single owner, so -1 cannot change under us.
    if (pData->nRefs.load(std::memory_order_relaxed) == -1 ||
        pData->nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        pData->~CStringData();
        ::operator delete(pData);
    }
}

bool IsPrivateBlock(CStringData *pData)
{
    if (pData == EmptyStringBlock())
        return false;
    long refs = pData->nRefs.load(std::memory_order_acquire);
    return refs == 1 || refs == -1;
}

bool IsLockedBlock(CStringData *pData)
{
    return pData != EmptyStringBlock() && pData->nRefs.load(std::memory_order_relaxed) == -1;
}

int CheckedLength(long long nLength)
{
    if (nLength < 0 || nLength > kMaxLength)
        AfxThrowMemoryException();
    return static_cast<int>(nLength);
}

int AddLengths(int nFirst, int nSecond)
{
    return CheckedLength(static_cast<long long>(nFirst) + nSecond);
}

int BoundedLength(LPCSTR lpch, int nMax)
{
    int nLength = 0;
    while (nLength < nMax && lpch[nLength] != '\0')
        ++nLength;
    return nLength;
}

CString MakeString(LPCSTR lpch, int nLength)
{
    CString result;
    if (nLength > 0)
        std::memcpy(result.GetBufferSetLength(nLength), lpch, static_cast<size_t>(nLength));
    return result;
}

}  // namespace vks::detail
