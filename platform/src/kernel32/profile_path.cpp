// Profile file names to host paths, with the resolutions kept for the next call.
#include "kernel32/profile_path.h"

#include <mutex>
#include <string_view>
#include <unordered_map>

#include "kernel32/paths.h"

namespace vks::detail {

namespace {

bool isBareFileName(std::string_view name)
{
    return name.find_first_of("\\/:") == std::string_view::npos;
}

bool isRelativePath(std::string_view name)
{
    bool rooted = name.front() == '\\' || name.front() == '/';
    bool hasDrive = name.size() >= 2 && name[1] == ':';
    return !rooted && !hasDrive;
}

// Host paths of the names asked for lately. The drive map's generation guards them; each call
// still checks the file itself, so a path that led nowhere is resolved again.
class ProfilePathCache {
public:
    bool find(const std::string &key, unsigned generation, std::string &hostPath)
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_)
            return false;
        auto found = entries_.find(key);
        if (found == entries_.end())
            return false;
        hostPath = found->second;
        return true;
    }

    void store(const std::string &key, unsigned generation, const std::string &hostPath)
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_ || entries_.size() >= kCapacity) {
            entries_.clear();
            generation_ = generation;
        }
        entries_[key] = hostPath;
    }

private:
    static constexpr size_t kCapacity = 64;
    std::mutex mutex_;
    std::unordered_map<std::string, std::string> entries_;
    unsigned generation_ = 0;
};

ProfilePathCache &pathCache()
{
    // Never destroyed: profile calls may come from other modules' static destructors.
    static ProfilePathCache *cache = new ProfilePathCache;
    return *cache;
}

}  // namespace

bool profilePathIsRelative(LPCSTR fileName)
{
    std::string_view name = fileName ? fileName : "win.ini";
    return !name.empty() && !isBareFileName(name) && isRelativePath(name);
}

bool profileHostPath(LPCSTR fileName, bool fresh, std::string &hostPath, DWORD &error,
                     bool &fromCache)
{
    fromCache = false;
    std::string_view name = fileName ? fileName : "win.ini";
    if (name.empty()) {
        error = ERROR_ACCESS_DENIED;
        return false;
    }
    std::string base;
    std::string key(name);
    if (!isBareFileName(name) && isRelativePath(name)) {
        base = currentHostDirectory();
        if (base.empty()) {
            error = ERROR_PATH_NOT_FOUND;
            return false;
        }
        key = base + '\n' + key;
    }
    unsigned generation = driveMapGeneration();
    if (!fresh && pathCache().find(key, generation, hostPath)) {
        fromCache = true;
        return true;
    }
    if (!resolveDosPath(std::string(name), hostPath, error, base))
        return false;
    pathCache().store(key, generation, hostPath);
    return true;
}

}  // namespace vks::detail
