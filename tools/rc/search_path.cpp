#include "search_path.h"

#include <filesystem>

namespace vksrc {

namespace fs = std::filesystem;

std::string hostPathOf(const std::string &name)
{
    std::string path;
    for (char c : name) {
        const char separator = c == '\\' ? '/' : c;
        if (separator == '/' && !path.empty() && path.back() == '/')
            continue;
        path += separator;
    }
    return path;
}

std::optional<std::string> SearchPath::find(const std::string &name, const std::string &nearFile,
                                            bool nearFirst) const
{
    const fs::path wanted(hostPathOf(name));
    if (wanted.empty())
        return std::nullopt;
    if (wanted.is_absolute()) {
        if (files_.exists(wanted.string()))
            return wanted.lexically_normal().string();
        return std::nullopt;
    }
    std::vector<fs::path> places;
    if (nearFirst)
        places.push_back(fs::path(nearFile).parent_path());
    for (const std::string &folder : folders_)
        places.emplace_back(folder);
    for (const fs::path &place : places) {
        const fs::path candidate = (place / wanted).lexically_normal();
        if (files_.exists(candidate.string()))
            return candidate.string();
    }
    return std::nullopt;
}

}  // namespace vksrc
