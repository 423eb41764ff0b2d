#if !defined(__unix__)
#error "thread_posix.cpp is the POSIX thread identity; build the platform's Windows files instead"
#endif

#include "posix/thread_posix.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace vks::detail::posix {

std::uint32_t currentThreadId()
{
    // Asked once per thread: the id never changes while the thread lives.
    thread_local const std::uint32_t id = static_cast<std::uint32_t>(syscall(SYS_gettid));
    return id;
}

}  // namespace vks::detail::posix
