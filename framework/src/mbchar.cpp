// Character stepping over the platform's lead-byte test.
#include "mbchar.h"

#include <cstring>

namespace vks::detail {

int CharBytes(LPCSTR lpch)
{
    return IsDBCSLeadByte(static_cast<BYTE>(lpch[0])) && lpch[1] != '\0' ? 2 : 1;
}

bool CharInSet(LPCSTR lpch, int nBytes, LPCSTR lpszCharSet)
{
    if (!lpszCharSet)
        return false;
    for (LPCSTR lpszSet = lpszCharSet; *lpszSet;) {
        int nSetBytes = CharBytes(lpszSet);
        if (nSetBytes == nBytes && std::memcmp(lpszSet, lpch, static_cast<size_t>(nBytes)) == 0)
            return true;
        lpszSet += nSetBytes;
    }
    return false;
}

bool IsSingleByteSpace(LPCSTR lpch, int nBytes)
{
    return nBytes == 1 && lpch[0] != '\0' && std::strchr("\t\n\v\f\r ", lpch[0]) != nullptr;
}

}  // namespace vks::detail
