// Internal: what a DOS path names and what a DOS folder holds, for the dialogs that browse
// folders.
#pragma once

#include <string>
#include <vector>

namespace vks::detail {

enum class DosEntry { missing, folder, file };

DosEntry dosEntryKind(const std::string &dosPath);

struct DosFolderEntry {
    std::string name;
    DosEntry kind;
};

// The folder's folders and files in directory order (anything else is left out); empty when it
// cannot be read. Names are in the ANSI code page, as every DOS path is; a character it cannot
// hold shows as '?', a wildcard, so that such a name is never taken for a file.
std::vector<DosFolderEntry> dosFolderEntries(const std::string &dosFolder);

}  // namespace vks::detail
