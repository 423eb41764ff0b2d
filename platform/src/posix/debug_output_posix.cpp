#if !defined(__unix__)
#error "debug_output_posix.cpp writes to a POSIX standard error; build the platform's Windows files instead"
#endif

#include "posix/debug_output_posix.h"

#include <cerrno>
#include <cstdlib>

#include <unistd.h>

namespace vks::detail::posix {

bool debugOutputRequested()
{
    return std::getenv("VKS_DEBUG_OUTPUT") != nullptr;
}

void writeStandardError(const char *text, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = write(STDERR_FILENO, text, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

}  // namespace vks::detail::posix
