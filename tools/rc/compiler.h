// The resource-script compiler: a script and the files it names, compiled into the resources
// Windows' own compiler makes of it (dialogs, menus, string tables, bitmaps, icons, versions).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "file_access.h"
#include "resource.h"

namespace vksrc {

struct CompileOptions {
    std::vector<std::string> includeFolders;                    // -I, in order
    std::vector<std::pair<std::string, std::string>> defines;  // -D NAME=VALUE
};

struct Compilation {
    std::vector<Resource> resources;  // in the order the script makes them
    std::vector<std::string> files;   // every file read: the script, headers, bitmaps, icons
};

// Throws ScriptError at the first fault, with the file and line it was found at.
Compilation compileScript(const std::string &path, const CompileOptions &options, FileAccess &files);

}  // namespace vksrc
