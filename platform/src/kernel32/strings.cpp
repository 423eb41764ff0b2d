// Kernel string helpers that Windows guards against bad pointers.
#include <cstring>

#include "vksboundary.h"
#include "windows.h"

namespace vks::detail {
namespace {

// Windows never maps the first 64 KiB, so such a pointer is bad without looking at it. Any other
// pointer is taken as readable: memory cannot be probed cheaply here.
constexpr UINT_PTR kFirstMappableAddress = 0x10000;

bool isNeverMapped(const void *pointer)
{
    return reinterpret_cast<UINT_PTR>(pointer) < kFirstMappableAddress;
}

}  // namespace
}  // namespace vks::detail

int WINAPI lstrlenA(LPCSTR lpString)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (vks::detail::isNeverMapped(lpString))
            return 0;
        return static_cast<int>(std::strlen(lpString));
    });
}

BOOL WINAPI IsBadStringPtrA(LPCSTR lpsz, UINT_PTR ucchMax)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        (void)ucchMax;
        return vks::detail::isNeverMapped(lpsz) ? TRUE : FALSE;
    });
}
