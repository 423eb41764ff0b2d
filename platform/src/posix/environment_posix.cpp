#if !defined(__unix__)
#error "environment_posix.cpp is the POSIX environment layer; build it only on a POSIX host"
#endif

#include "posix/environment_posix.h"

#include <cstdlib>

namespace vks::detail::posix {

std::string environmentVariable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace vks::detail::posix
