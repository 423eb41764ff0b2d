#include "scoped_object_folder.h"

#include <stdexcept>
#include <string>

#include <stdlib.h>

#include "vkshost.h"

namespace vkstest {

ScopedObjectFolder::ScopedObjectFolder()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vksobjects-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a folder for object names");
    folder_ = pattern;
    VksHostSetObjectFolder(folder_.c_str());
}

ScopedObjectFolder::~ScopedObjectFolder()
{
    VksHostSetObjectFolder(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace vkstest
