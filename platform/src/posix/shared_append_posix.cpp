#if !defined(__unix__)
#error "shared_append_posix.cpp appends with POSIX calls; build it only on a POSIX host"
#endif

// Whole appends: O_APPEND puts each write at the end, flock keeps writers from overlapping.
#include "shared_append.h"
#include "posix/errno_posix.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vks::detail {

namespace {

bool lockExclusive(int fd)
{
    int locked;
    do
        locked = flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    return locked == 0;
}

// One write; a short one (a full disk) is finished by further writes while the lock holds.
bool writeAll(int fd, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

}  // namespace

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
    bool ok = lockExclusive(fd) && writeAll(fd, bytes);
    if (!ok)
        error = posix::win32ErrorOf(errno, ERROR_WRITE_FAULT);
    close(fd);  // closing drops the lock
    return ok;
}

}  // namespace vks::detail
