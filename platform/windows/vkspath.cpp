// The host-file calls of vkspath.h on Windows, where a DOS path is already the host's path.
#include "vkspath.h"

#include <cstring>

#include "vksboundary.h"

DWORD VksHostPathOf(LPCSTR path, LPSTR hostPath, DWORD size)
{
    return vks::atWin32Boundary(DWORD{0}, [&]() -> DWORD {
        if (!path || !*path) {
            SetLastError(ERROR_INVALID_NAME);
            return 0;
        }
        const size_t length = std::strlen(path);
        if (length >= size || !hostPath)
            return static_cast<DWORD>(length + 1);
        std::memcpy(hostPath, path, length + 1);
        return static_cast<DWORD>(length);
    });
}

namespace {

// Appends under an exclusive lock of the whole file; FILE_APPEND_DATA puts every write at the
// end, so writers in other processes never overwrite or interleave.
DWORD appendUnderLock(HANDLE file, LPCVOID bytes, DWORD size)
{
    OVERLAPPED whole = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        return GetLastError();
    DWORD written = 0;
    DWORD error = ERROR_SUCCESS;
    if (!WriteFile(file, bytes, size, &written, nullptr))
        error = GetLastError();
    else if (written != size)
        error = ERROR_WRITE_FAULT;
    UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
    return error;
}

}  // namespace

BOOL VksAppendWhole(LPCSTR path, LPCVOID bytes, DWORD size)
{
    return vks::atWin32Boundary(FALSE, [&]() -> BOOL {
        if (!path || !*path) {
            SetLastError(ERROR_INVALID_NAME);
            return FALSE;
        }
        if (!bytes && size) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return FALSE;
        const DWORD error = appendUnderLock(file, bytes, size);
        CloseHandle(file);
        SetLastError(error);
        return error == ERROR_SUCCESS;
    });
}
