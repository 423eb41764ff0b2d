// The parsed registry, shared by the calls of all threads until the file changes.
#include "advapi32/registry_cache.h"

namespace vks::detail {

std::shared_ptr<const RegistryTree> RegistryCache::find(const std::string &path,
                                                        const FileStamp &stamp)
{
    std::lock_guard<std::mutex> guard(mutex_);
    return holdsSettled(path, stamp) ? tree_ : nullptr;
}

std::shared_ptr<const RegistryTree> RegistryCache::store(const std::string &path,
                                                         std::string bytes,
                                                         const FileSnapshot &snapshot)
{
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (tree_ && path_ == path && bytes_ == bytes) {
            snapshot_ = snapshot;
            return tree_;
        }
    }
    // Parsed outside the lock: other threads' calls need not wait for a large file.
    auto tree = std::make_shared<RegistryTree>(RegistryTree::parse(bytes));
    std::lock_guard<std::mutex> guard(mutex_);
    path_ = path;
    snapshot_ = snapshot;
    bytes_ = std::move(bytes);
    tree_ = tree;
    return tree;
}

std::shared_ptr<RegistryTree> RegistryCache::takeSettled(const std::string &path,
                                                        const FileStamp &stamp,
                                                        std::string &bytes)
{
    std::lock_guard<std::mutex> guard(mutex_);
    if (!holdsSettled(path, stamp))
        return nullptr;
    bytes = std::move(bytes_);
    return detach();
}

std::shared_ptr<RegistryTree> RegistryCache::takeParsed(const std::string &path,
                                                       const std::string &bytes)
{
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (tree_ && path_ == path && bytes_ == bytes)
            return detach();
    }
    return std::make_shared<RegistryTree>(RegistryTree::parse(bytes));
}

void RegistryCache::put(const std::string &path, std::shared_ptr<RegistryTree> tree,
                        std::string bytes, const FileSnapshot &snapshot)
{
    std::lock_guard<std::mutex> guard(mutex_);
    path_ = path;
    snapshot_ = snapshot;
    bytes_ = std::move(bytes);
    tree_ = std::move(tree);
}

bool RegistryCache::holdsSettled(const std::string &path, const FileStamp &stamp) const
{
    return tree_ && path_ == path && snapshot_.settled && snapshot_.stamp == stamp;
}

std::shared_ptr<RegistryTree> RegistryCache::detach()
{
    std::shared_ptr<RegistryTree> tree = std::move(tree_);
    tree_.reset();
    bytes_.clear();
    path_.clear();
    // Out of the cache, a tree that nobody else holds can no longer be reached by a reader.
    if (tree.use_count() > 1)
        tree = std::make_shared<RegistryTree>(*tree);
    return tree;
}

RegistryCache &registryCache()
{
    // Never destroyed: registry calls from other threads or exit handlers may outlive statics.
    static RegistryCache *instance = new RegistryCache;
    return *instance;
}

}  // namespace vks::detail
