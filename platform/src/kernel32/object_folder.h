// Internal: where the host keeps the names of kernel objects, and the file name of one object's
// name there.
#pragma once

#include <string>

namespace vks::detail {

// The folder the host chose for the names: set by VksHostSetObjectFolder, else
// VKS_OBJECT_FOLDER; empty when it chose none (the user's own default is then used).
std::string chosenObjectFolder();

// A file name that stands for exactly one object name: letters, digits, '-' and '_' as they are,
// every other byte as %XX, so names that differ only in case stay apart.
std::string fileNameOfObject(const std::string &name);

}  // namespace vks::detail
