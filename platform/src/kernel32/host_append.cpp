// Whole appends to a shared file, for libraries above the platform (the event-log stand-in).
#include <string>

#include "kernel32/paths.h"
#include "vksboundary.h"
#include "posix/shared_append_posix.h"
#include "vkspath.h"

namespace {

BOOL failWith(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

BOOL appendToResolvedPath(LPCSTR path, LPCVOID bytes, DWORD size)
{
    std::string hostPath;
    DWORD error = ERROR_INVALID_NAME;
    if (!path || !vks::detail::resolveDosPath(path, hostPath, error))
        return failWith(error);
    const std::string text(static_cast<const char *>(bytes), size);
    if (!vks::detail::appendWhole(hostPath, text, error))
        return failWith(error);
    return TRUE;
}

}  // namespace

BOOL VksAppendWhole(LPCSTR path, LPCVOID bytes, DWORD size)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!bytes && size != 0)
            return failWith(ERROR_INVALID_PARAMETER);
        return appendToResolvedPath(path, bytes ? bytes : "", size);
    });
}
