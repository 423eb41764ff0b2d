// Internal: the host calls through which the platform changes files (write, rename, lock,
// truncate). Tests replace them to make a write fail the way a full disk or a busy file does.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vks::detail::posix {

// Each call answers as its POSIX namesake: -1 with errno set on failure.
struct WriteCalls {
    long (*write)(int fd, const void *data, std::size_t size);
    int (*rename)(const char *from, const char *to);
    int (*lockExclusive)(int fd);
    int (*truncate)(int fd, std::int64_t size);
};

// The host's own calls.
const WriteCalls &hostWriteCalls();

// The calls in use: the host's unless a test replaced them.
const WriteCalls &writeCalls();

// Puts a copy of `calls` in place for the guard's lifetime; guards nest.
class ScopedWriteCalls {
public:
    explicit ScopedWriteCalls(const WriteCalls &calls);
    ~ScopedWriteCalls();
    ScopedWriteCalls(const ScopedWriteCalls &) = delete;
    ScopedWriteCalls &operator=(const ScopedWriteCalls &) = delete;

private:
    const WriteCalls calls_;
    const WriteCalls *previous_;
};

}  // namespace vks::detail::posix
