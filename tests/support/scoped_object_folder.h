// A private folder for the names of kernel objects, so that a test's named mutexes meet only
// the processes that test starts.
#pragma once

#include <filesystem>

namespace vkstest {

class ScopedObjectFolder {
public:
    ScopedObjectFolder();
    ~ScopedObjectFolder();
    ScopedObjectFolder(const ScopedObjectFolder &) = delete;
    ScopedObjectFolder &operator=(const ScopedObjectFolder &) = delete;

    const std::filesystem::path &folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

}  // namespace vkstest
