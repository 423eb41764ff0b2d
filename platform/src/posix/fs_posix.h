// Internal: the host file system calls the platform needs, without POSIX types.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail::posix {

enum class FileKind { missing, directory, regular, other };

// What `hostPath` names, following symbolic links.
FileKind fileKind(const std::string &hostPath);

// The names in a folder in directory order, without "." and ".."; empty when it cannot be read.
std::vector<std::string> listDirectory(const std::string &hostPath);

// Creates one folder. ERROR_SUCCESS, or the Win32 code for the host's reason (ERROR_ALREADY_EXISTS,
// ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ...).
DWORD makeDirectory(const std::string &hostPath);

// The path of the running executable; empty if the host cannot tell.
std::string executablePath();

// The process's working folder, for making a relative host path absolute.
std::string currentDirectory();

// `hostPath` with symbolic links and "." / ".." resolved; empty when it does not exist.
std::string canonicalPath(const std::string &hostPath);

}  // namespace vks::detail::posix
