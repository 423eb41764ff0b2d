// Internal: the host's identity of the calling thread, without POSIX types.
#pragma once

#include <cstdint>

namespace vks::detail::posix {

// The kernel's id of the calling thread: unique among the live threads of the system, never 0.
std::uint32_t currentThreadId();

}  // namespace vks::detail::posix
