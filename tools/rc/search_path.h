// Where the files a script names are looked for: beside the file that names them, then in the
// include folders, in their order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "file_access.h"

namespace vksrc {

class SearchPath {
public:
    SearchPath(FileAccess &files, std::vector<std::string> folders)
        : files_(files), folders_(std::move(folders))
    {
    }

    // The path of `name` (which may use \ as Windows does), looked for beside `nearFile` first
    // when `nearFirst`, then in the folders; nothing when no such file exists.
    std::optional<std::string> find(const std::string &name, const std::string &nearFile,
                                    bool nearFirst) const;

private:
    FileAccess &files_;
    std::vector<std::string> folders_;
};

// `name` with Windows' separators made '/' and doubled ones made single.
std::string hostPathOf(const std::string &name);

}  // namespace vksrc
