#if !defined(__unix__)
#error "whole_file_posix.cpp writes with POSIX calls; build it only on a POSIX host"
#endif

// Whole-file writes: a temporary file in the same folder, then a rename over the old one.
#include "posix/whole_file_posix.h"
#include "posix/errno_posix.h"
#include "posix/fd_posix.h"
#include "posix/write_calls_posix.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vks::detail {

namespace {

std::string temporaryBeside(const std::string &hostPath)
{
    const std::size_t slash = hostPath.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    return hostPath.substr(0, nameAt) + "." + hostPath.substr(nameAt) + ".writing.tmp";
}

// A device or a pipe, which a rename would replace by a regular file (as root, /dev/null
// itself).
bool isDeviceOrPipe(const std::string &hostPath)
{
    struct stat info {};
    return stat(hostPath.c_str(), &info) == 0 &&
           (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISFIFO(info.st_mode) ||
            S_ISSOCK(info.st_mode));
}

// Written where it is. A pipe nobody reads fails at once rather than wait for a reader.
bool writeInPlace(const std::string &hostPath, const std::string &bytes, DWORD &error)
{
    int fd;
    do
        fd = open(hostPath.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = posix::win32ErrorOf(errno, ERROR_WRITE_FAULT);
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    bool ok = posix::writeAll(fd, bytes);
    int reason = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    if (!ok)
        error = posix::win32ErrorOf(reason, ERROR_WRITE_FAULT);
    return ok;
}

}  // namespace

bool writeWholeFile(const std::string &hostPath, const std::string &bytes, DWORD &error)
{
    if (isDeviceOrPipe(hostPath))
        return writeInPlace(hostPath, bytes, error);
    const std::string temporary = temporaryBeside(hostPath);
    int fd;
    do
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = posix::win32ErrorOf(errno, ERROR_WRITE_FAULT);
        return false;
    }
    bool ok = posix::writeAll(fd, bytes);
    int reason = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    if (ok && posix::writeCalls().rename(temporary.c_str(), hostPath.c_str()) != 0) {
        ok = false;
        reason = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        error = posix::win32ErrorOf(reason, ERROR_WRITE_FAULT);
    }
    return ok;
}

}  // namespace vks::detail
