// Internal: the host's side of the debugger output, without POSIX types.
#pragma once

#include <cstddef>

namespace vks::detail::posix {

// True when the environment variable VKS_DEBUG_OUTPUT is set, to any value.
bool debugOutputRequested();

// Writes the bytes to standard error as they are, retrying short writes; errors are dropped.
void writeStandardError(const char *text, std::size_t length);

}  // namespace vks::detail::posix
