#if !defined(__unix__)
#error "shared_append_posix.cpp appends with POSIX calls; build it only on a POSIX host"
#endif

// Whole appends: O_APPEND puts each write at the end, flock keeps writers from overlapping.
#include "posix/shared_append_posix.h"
#include "posix/errno_posix.h"
#include "posix/fd_posix.h"
#include "posix/write_calls_posix.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vks::detail {

bool appendWhole(const std::string &hostPath, const std::string &bytes, DWORD &error)
{
    int fd;
    do
        fd = open(hostPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = posix::win32ErrorOf(errno, ERROR_WRITE_FAULT);
        return false;
    }
    // One write under the lock; a short one is finished while the lock holds. When the rest
    // cannot follow (a full disk), the part already written is cut off again, so that readers
    // never meet half a record.
    bool ok = posix::lockExclusive(fd);
    struct stat before {};
    ok = ok && fstat(fd, &before) == 0;
    if (ok && !posix::writeAll(fd, bytes)) {
        int reason = errno;
        posix::writeCalls().truncate(fd, before.st_size);
        errno = reason;
        ok = false;
    }
    if (!ok)
        error = posix::win32ErrorOf(errno, ERROR_WRITE_FAULT);
    close(fd);  // closing drops the lock
    return ok;
}

}  // namespace vks::detail
