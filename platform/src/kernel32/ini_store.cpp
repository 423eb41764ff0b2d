// The cache of parsed INI files and the locked read-modify-write.
#include "kernel32/ini_store.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "posix/inifile_posix.h"

namespace vks::detail {

namespace {

// Enough for the handful of profiles a process uses; the least recently used goes first.
constexpr size_t kMaxCachedFiles = 32;

class IniCache {
public:
    // The cached document when the file still has `stamp` and that stamp can be trusted.
    std::shared_ptr<const IniDocument> find(const std::string &path, const FileStamp &stamp)
    {
        std::lock_guard<std::mutex> guard(mutex_);
        auto it = entries_.find(path);
        if (it == entries_.end() || !it->second.snapshot.settled ||
            !(it->second.snapshot.stamp == stamp))
            return nullptr;
        it->second.lastUse = ++uses_;
        return it->second.doc;
    }

    // The document for `bytes`, read from the file with `snapshot`; the one already cached
    // when its bytes are the same, so a file that was only touched is not parsed again.
    std::shared_ptr<const IniDocument> store(const std::string &path, std::string bytes,
                                             const FileSnapshot &snapshot)
    {
        std::shared_ptr<const IniDocument> doc = cached(path);
        if (!doc || doc->fileBytes() != bytes)
            doc = std::make_shared<const IniDocument>(std::move(bytes));
        std::lock_guard<std::mutex> guard(mutex_);
        if (entries_.size() >= kMaxCachedFiles && !entries_.count(path))
            evictLeastRecentlyUsed();
        entries_[path] = {snapshot, doc, ++uses_};
        return doc;
    }

private:
    struct Entry {
        FileSnapshot snapshot;
        std::shared_ptr<const IniDocument> doc;
        std::uint64_t lastUse = 0;
    };

    std::shared_ptr<const IniDocument> cached(const std::string &path)
    {
        std::lock_guard<std::mutex> guard(mutex_);
        auto it = entries_.find(path);
        return it == entries_.end() ? nullptr : it->second.doc;
    }

    void evictLeastRecentlyUsed()
    {
        auto oldest = entries_.begin();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->second.lastUse < oldest->second.lastUse)
                oldest = it;
        if (oldest != entries_.end())
            entries_.erase(oldest);
    }

    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t uses_ = 0;
};

IniCache &cache()
{
    // Never destroyed: profile calls from other threads or exit handlers may outlive statics.
    static IniCache *instance = new IniCache;
    return *instance;
}

}  // namespace

std::shared_ptr<const IniDocument> loadIniDocument(const std::string &hostPath, DWORD &error)
{
    FileStamp stamp;
    if (!statRegularFile(hostPath, stamp)) {
        error = unreadableFileError(hostPath);
        return nullptr;
    }
    if (auto doc = cache().find(hostPath, stamp))
        return doc;
    std::string bytes;
    FileSnapshot snapshot;
    if (!readRegularFile(hostPath, bytes, snapshot)) {
        error = unreadableFileError(hostPath);
        return nullptr;
    }
    return cache().store(hostPath, std::move(bytes), snapshot);
}

bool isIniFilePresent(const std::string &hostPath)
{
    FileStamp stamp;
    return statRegularFile(hostPath, stamp);
}

bool updateIniFile(const std::string &hostPath, bool createIfMissing, const IniEdit &edit,
                   DWORD &error)
{
    IniFileLock lock;
    switch (lock.acquire(hostPath, createIfMissing, error)) {
    case IniFileLock::Result::Missing:
        return true;
    case IniFileLock::Result::Failed:
        return false;
    case IniFileLock::Result::Locked:
        break;
    }
    std::shared_ptr<const IniDocument> doc = cache().find(hostPath, lock.snapshot().stamp);
    if (!doc) {
        std::string bytes;
        if (!lock.read(bytes, error))
            return false;
        doc = cache().store(hostPath, std::move(bytes), lock.snapshot());
    }
    std::optional<std::string> changed = edit(*doc);
    if (!changed)
        return true;
    FileSnapshot written;
    if (!lock.replace(*changed, written, error))
        return false;
    cache().store(hostPath, std::move(*changed), written);
    return true;
}

}  // namespace vks::detail
