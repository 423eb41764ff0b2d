#if !defined(__unix__)
#error "write_calls_posix.cpp is the POSIX side of the platform"
#endif

#include "posix/write_calls_posix.h"

#include <atomic>
#include <cstdio>

#include <sys/file.h>
#include <unistd.h>

namespace vks::detail::posix {

namespace {

long hostWrite(int fd, const void *data, std::size_t size)
{
    return static_cast<long>(::write(fd, data, size));
}

int hostRename(const char *from, const char *to)
{
    return std::rename(from, to);
}

int hostLockExclusive(int fd)
{
    return ::flock(fd, LOCK_EX);
}

int hostTruncate(int fd, std::int64_t size)
{
    return ::ftruncate(fd, static_cast<off_t>(size));
}

constexpr WriteCalls kHostCalls{hostWrite, hostRename, hostLockExclusive, hostTruncate};

std::atomic<const WriteCalls *> current{&kHostCalls};

}  // namespace

const WriteCalls &hostWriteCalls()
{
    return kHostCalls;
}

const WriteCalls &writeCalls()
{
    return *current.load(std::memory_order_acquire);
}

ScopedWriteCalls::ScopedWriteCalls(const WriteCalls &calls)
    : calls_(calls), previous_(current.exchange(&calls_, std::memory_order_acq_rel))
{
}

ScopedWriteCalls::~ScopedWriteCalls()
{
    current.store(previous_, std::memory_order_release);
}

}  // namespace vks::detail::posix
