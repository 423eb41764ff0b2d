#if !defined(__unix__)
#error "data_folder_posix.cpp reads the POSIX desktop's folders; build it only on a POSIX host"
#endif

#include "posix/data_folder_posix.h"

#include <cstdlib>

namespace vks::detail::posix {

namespace {

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

}  // namespace

std::string dataFolder()
{
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
        return withoutTrailingSlashes(data) + "/vksutil";
    if (const char *home = std::getenv("HOME"); home && home[0] == '/')
        return withoutTrailingSlashes(home) + "/.local/share/vksutil";
    return {};
}

}  // namespace vks::detail::posix
