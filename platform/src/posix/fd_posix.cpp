#if !defined(__unix__)
#error "fd_posix.cpp is the POSIX side of the platform"
#endif

#include "posix/fd_posix.h"
#include "posix/write_calls_posix.h"

#include <cerrno>

namespace vks::detail::posix {

bool writeAll(int fd, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        long put = writeCalls().write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

bool lockExclusive(int fd)
{
    int locked;
    do
        locked = writeCalls().lockExclusive(fd);
    while (locked != 0 && errno == EINTR);
    return locked == 0;
}

}  // namespace vks::detail::posix
