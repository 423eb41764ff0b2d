// The Windows and system directories, and making folders.
#include <cstring>
#include <string>

#include "kernel32/paths.h"
#include "posix/fs_posix.h"
#include "vksboundary.h"

namespace {

// Like Win32: the length without the NUL when the text fits, else the size needed with it.
UINT copyDirectory(const std::string &directory, LPSTR buffer, UINT size)
{
    UINT length = static_cast<UINT>(directory.size());
    if (!buffer || size <= length)
        return length + 1;
    std::memcpy(buffer, directory.c_str(), length + 1);
    return length;
}

bool isBareDrive(const char *path)
{
    return std::strlen(path) == 2 && path[1] == ':';
}

}  // namespace

UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize)
{
    return vks::atWin32Boundary<UINT>(0, [&]() -> UINT {
        return copyDirectory(vks::detail::windowsDirectory(), lpBuffer, uSize);
    });
}

UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize)
{
    return vks::atWin32Boundary<UINT>(0, [&]() -> UINT {
        return copyDirectory(vks::detail::systemDirectory(), lpBuffer, uSize);
    });
}

BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpPathName || !*lpPathName) {
            SetLastError(ERROR_PATH_NOT_FOUND);
            return FALSE;
        }
        vks::detail::prepareDriveForWrite();
        // "c:" names the drive's current folder, which is always its root here.
        std::string dosPath = isBareDrive(lpPathName) ? std::string(lpPathName) + "\\" : lpPathName;
        std::string hostPath;
        DWORD error = ERROR_SUCCESS;
        if (!vks::detail::resolveDosPath(dosPath, hostPath, error)) {
            // A missing drive must not answer 3: a recursive maker would create parents forever.
            SetLastError(error == ERROR_INVALID_DRIVE ? ERROR_FILE_NOT_FOUND : error);
            return FALSE;
        }
        error = vks::detail::posix::makeDirectory(hostPath);
        if (error != ERROR_SUCCESS) {
            SetLastError(error);
            return FALSE;
        }
        return TRUE;
    });
}
