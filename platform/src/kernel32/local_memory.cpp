// Local memory: the fixed blocks FormatMessageA hands out.
#include <cstdlib>

#include "vksboundary.h"
#include "windows.h"

HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes)
{
    return vks::atWin32Boundary<HLOCAL>(nullptr, [&]() -> HLOCAL {
        if (uFlags & ~static_cast<UINT>(LPTR)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        // A zero-byte request still gives a block of its own, as on Windows.
        void *block = (uFlags & LMEM_ZEROINIT) ? std::calloc(uBytes ? uBytes : 1, 1)
                                               : std::malloc(uBytes ? uBytes : 1);
        if (!block)
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return block;
    });
}

HLOCAL WINAPI LocalFree(HLOCAL hMem)
{
    // Like Windows, a LocalFree that fails hands the block back.
    return vks::atWin32Boundary<HLOCAL>(hMem, [&]() -> HLOCAL {
        std::free(hMem);
        return nullptr;
    });
}
