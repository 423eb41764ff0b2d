// Internal: the file dialog's view of folders and names: DOS paths joined and tidied, what a
// path names, a folder's listing under the filter's patterns.
#pragma once

#include <string>
#include <vector>

#include "kernel32/dos_folder.h"

namespace vks::detail {

// `name` taken against `folder` ("C:\\data"): an absolute name stands as it is, a name
// beginning with a backslash is taken on the folder's drive; "." and ".." are resolved.
std::string joinDosPath(const std::string &folder, const std::string &name);
// The folder part of a path ("C:\\data" of "C:\\data\\a.txt", "C:\\" of "C:\\a.txt").
std::string dosFolderOf(const std::string &dosPath);

// Where the last component's extension starts (after the dot; 0: none).
std::size_t fileExtensionOffset(const std::string &dosPath);

bool hasWildcard(const std::string &name);
// The patterns of a filter ("*.txt;*.log"), without blanks around them.
std::vector<std::string> splitPatterns(const std::string &patterns);
// Windows' matching of '*' and '?' without regard to letter case; "*.*" also matches a name
// without a dot.
bool matchesPattern(const std::string &name, const std::string &pattern);

// The folder's sub-folders ("[name]") and then its files that match one of the patterns, each
// group sorted without regard to case; empty when the folder cannot be read. Names are in the
// ANSI code page, '?' standing for a character it cannot hold.
std::vector<std::string> folderListing(const std::string &dosFolder,
                                       const std::vector<std::string> &patterns);

}  // namespace vks::detail
