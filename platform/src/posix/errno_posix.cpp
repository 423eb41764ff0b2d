#if !defined(__unix__)
#error "errno_posix.cpp is the POSIX side of the platform"
#endif

#include "posix/errno_posix.h"

#include <cerrno>

namespace vks::detail::posix {

DWORD win32ErrorOf(int error, DWORD fallback)
{
    switch (error) {
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return ERROR_ACCESS_DENIED;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EMFILE:
    case ENFILE:
        return ERROR_OPEN_FAILED;
    default:
        return fallback;
    }
}

}  // namespace vks::detail::posix
