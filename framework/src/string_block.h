// The heap blocks behind CString.
#pragma once

#include "afxstr.h"

namespace vks::detail {

// The block every empty string points to; it is never written and never freed.
CStringData *EmptyStringBlock();

// A block of nCapacity bytes (at least nLength) for nLength bytes, owned once, NULs from
// nLength to nCapacity. Throws CMemoryException* when the size is too large or memory runs
// out.
CStringData *AllocStringBlock(int nLength, int nCapacity);

// Drops one owner of the block and frees it with the last one.
void ReleaseStringBlock(CStringData *pData);

// TRUE for a block that can be written in place: owned once or locked, never the empty block.
bool IsPrivateBlock(CStringData *pData);

// TRUE for a locked buffer (copies take their own block).
bool IsLockedBlock(CStringData *pData);

// A computed text length; throws CMemoryException* when it would not fit a block.
int CheckedLength(long long nLength);

// The sum of two lengths, checked as above.
int AddLengths(int nFirst, int nSecond);

// The bytes before the first NUL, reading at most nMax bytes.
int BoundedLength(LPCSTR lpch, int nMax);

// A string holding exactly these nLength bytes, NULs included.
CString MakeString(LPCSTR lpch, int nLength);

}  // namespace vks::detail
