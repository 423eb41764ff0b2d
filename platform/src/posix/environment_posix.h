// Internal: the host environment's variables, read where the other host calls are.
#pragma once

#include <string>

namespace vks::detail::posix {

// The value of the environment variable `name`, read now; empty when it is unset or empty.
std::string environmentVariable(const char *name);

}  // namespace vks::detail::posix
