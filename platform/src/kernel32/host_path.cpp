// The host file behind a DOS path.
#include <cstring>
#include <string>

#include "kernel32/paths.h"
#include "vksboundary.h"
#include "vkspath.h"

DWORD VksHostPathOf(LPCSTR path, LPSTR hostPath, DWORD size)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        std::string resolved;
        DWORD error = ERROR_INVALID_NAME;
        if (!path || !vks::detail::resolveDosPath(path, resolved, error)) {
            SetLastError(error);
            return 0;
        }
        const DWORD length = static_cast<DWORD>(resolved.size());
        if (!hostPath || size <= length)
            return length + 1;
        std::memcpy(hostPath, resolved.c_str(), length + 1);
        return length;
    });
}
