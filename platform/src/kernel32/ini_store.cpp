// The cache of parsed INI files and the locked read-modify-write.
#include "kernel32/ini_store.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>


namespace vks::detail {

namespace {

// Enough for the handful of profiles a process uses; the least recently used goes first, and
// goes too while the files kept take more memory than this (the newest one always stays).
constexpr size_t kMaxCachedFiles = 32;
constexpr size_t kMaxCachedBytes = 192u << 20;

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
        const size_t docBytes = doc->heapBytes();
        std::lock_guard<std::mutex> guard(mutex_);
        auto kept = entries_.find(path);
        if (kept != entries_.end()) {
            cachedBytes_ -= kept->second.bytes;
            entries_.erase(kept);
        }
        while (!entries_.empty() &&
               (entries_.size() >= kMaxCachedFiles || cachedBytes_ + docBytes > kMaxCachedBytes))
            evictLeastRecentlyUsed();
        entries_[path] = {snapshot, doc, ++uses_, docBytes};
        cachedBytes_ += docBytes;
        return doc;
    }

private:
    struct Entry {
        FileSnapshot snapshot;
        std::shared_ptr<const IniDocument> doc;
        std::uint64_t lastUse = 0;
        size_t bytes = 0;
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
        if (oldest != entries_.end()) {
            cachedBytes_ -= oldest->second.bytes;
            entries_.erase(oldest);
        }
    }

    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t uses_ = 0;
    size_t cachedBytes_ = 0;
};

IniCache &cache()
{
    // Never destroyed: profile calls from other threads or exit handlers may outlive statics.
    static IniCache *instance = new IniCache;
    return *instance;
}

}  // namespace

std::shared_ptr<const IniDocument> loadIniDocument(const std::string &hostPath, DWORD &error,
                                                   std::optional<FileStamp> *trusted)
{
    if (trusted)
        trusted->reset();
    FileStamp stamp;
    if (!statRegularFile(hostPath, stamp)) {
        error = unreadableFileError(hostPath);
        return nullptr;
    }
    if (auto doc = cache().find(hostPath, stamp)) {
        if (trusted)
            *trusted = stamp;
        return doc;
    }
    std::string bytes;
    FileSnapshot snapshot;
    if (stamp.size > kMaxProfileFileBytes) {
        error = ERROR_NOT_ENOUGH_MEMORY;
        return nullptr;
    }
    if (!readRegularFile(hostPath, bytes, snapshot, kMaxProfileFileBytes)) {
        error = snapshot.stamp.size > kMaxProfileFileBytes ? ERROR_NOT_ENOUGH_MEMORY
                                                           : unreadableFileError(hostPath);
        return nullptr;
    }
    if (trusted && snapshot.settled)
        *trusted = snapshot.stamp;
    return cache().store(hostPath, std::move(bytes), snapshot);
}

bool updateIniFile(const std::string &hostPath, bool createIfMissing, const IniEdit &edit,
                   DWORD &error, bool *missing)
{
    IniFileLock lock;
    switch (lock.acquire(hostPath, createIfMissing, error)) {
    case IniFileLock::Result::Missing:
        if (missing)
            *missing = true;
        return true;
    case IniFileLock::Result::Failed:
        return false;
    case IniFileLock::Result::Locked:
        break;
    }
    if (lock.snapshot().stamp.size > kMaxProfileFileBytes) {
        error = ERROR_NOT_ENOUGH_MEMORY;
        return false;
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
    if (changed->size() > kMaxProfileFileBytes) {
        error = ERROR_NOT_ENOUGH_MEMORY;
        return false;
    }
    FileSnapshot written;
    if (!lock.replace(*changed, written, error))
        return false;
    cache().store(hostPath, std::move(*changed), written);
    return true;
}

}  // namespace vks::detail
