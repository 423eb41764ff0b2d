// Kernel string helpers.
#include <cstring>

#include "windows.h"

int WINAPI lstrlenA(LPCSTR lpString)
{
    return lpString ? static_cast<int>(std::strlen(lpString)) : 0;
}

// Memory cannot be probed cheaply here: only a null pointer counts as bad.
BOOL WINAPI IsBadStringPtrA(LPCSTR lpsz, UINT_PTR ucchMax)
{
    (void)ucchMax;
    return lpsz == nullptr ? TRUE : FALSE;
}
