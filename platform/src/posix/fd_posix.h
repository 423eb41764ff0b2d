// Small helpers over file descriptors shared by the platform's POSIX files.
#pragma once

#include <string>

namespace vks::detail::posix {

// Writes every byte, finishing a short write and retrying an interrupted one.
bool writeAll(int fd, const std::string &bytes);

// Takes the advisory exclusive lock of the open file, waiting for it.
bool lockExclusive(int fd);

}  // namespace vks::detail::posix
